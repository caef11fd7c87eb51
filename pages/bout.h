// The About tab: the product's author and addresses, and its logo. The page is its
// template and nothing more.
#pragma once

#include "framework/property_page.h"

class bout : public CPropertyPage {
    DECLARE_DYNCREATE(bout)

public:
    bout();
};
