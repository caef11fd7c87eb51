#include "pages/FirstPropertyPage.h"

IMPLEMENT_DYNCREATE(CFirstPropertyPage, CPropertyPage)

CFirstPropertyPage::CFirstPropertyPage() : CPropertyPage(102) {}
