// An empty page on a blank template. Start-up constructs it but never adds it to the
// window.
#pragma once

#include "framework/property_page.h"

class CFirstPropertyPage : public CPropertyPage {
    DECLARE_DYNCREATE(CFirstPropertyPage)

public:
    CFirstPropertyPage();
};
