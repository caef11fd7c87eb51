#include "pages/bout.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(bout, CPropertyPage)

bout::bout() : CPropertyPage(IDD_ABOUT) {}
