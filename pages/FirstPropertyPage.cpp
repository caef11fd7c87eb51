#include "pages/FirstPropertyPage.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CFirstPropertyPage, CPropertyPage)

CFirstPropertyPage::CFirstPropertyPage() : CPropertyPage(IDD_FIRST_PAGE) {}
