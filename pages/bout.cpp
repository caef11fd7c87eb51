#include "pages/bout.h"

IMPLEMENT_DYNCREATE(bout, CPropertyPage)

bout::bout() : CPropertyPage(183) {}
