#include "app/Tessaral.h"

#include "framework/text.h"
#include "pages/FirstPropertyPage.h"
#include "pages/bout.h"
#include "pages/convert/Angles.h"
#include "pages/convert/Area.h"
#include "pages/convert/Computer.h"
#include "pages/convert/Cooking.h"
#include "pages/convert/DAT.h"
#include "pages/convert/Mass.h"
#include "pages/convert/Power.h"
#include "pages/convert/Pressure.h"
#include "pages/convert/Torque.h"
#include "pages/convert/Volume.h"
#include "pages/convert/frequency.h"
#include "pages/convert/length.h"
#include "pages/convert/light.h"
#include "pages/convert/speed.h"
#include "pages/convert/temperature.h"
#include "pages/convert/tt.h"
#include "pages/page_templates.h"
#include "res/app_resources.h"
#include "res/strings.h"
#include "sheet/TessaralDlg.h"

CTessaralApp::CTessaralApp() noexcept : CWinApp(nullptr)
{
    framework::RegisterAppResources(res::AppResources(&pages::FindDialogTemplate));
}

BOOL CTessaralApp::InitInstance()
{
    const CString title = framework::ToQString(res::kApplicationTitle);
    CTessaralDlg sheet(title, nullptr, 0);

    // Every page lives in this frame; the blank first page is built but never shown.
    CFirstPropertyPage first;
    Angles angle;
    Area area;
    Computer computer;
    Cooking cooking;
    DAT energy;
    frequency frequencyPage;
    length lengthPage;
    light lightPage;
    Power power;
    Pressure pressure;
    speed speedPage;
    temperature temperaturePage;
    tt time;
    Torque torque;
    Volume volume;
    Mass weight;
    bout about;

    sheet.StoreLogoText(title);
    for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{
             &angle, &area, &computer, &cooking, &energy, &frequencyPage, &lengthPage, &lightPage,
             &power, &pressure, &speedPage, &temperaturePage, &time, &torque, &volume, &weight,
             &about}) {
        sheet.AddPage(page);
    }
    sheet.DoModal();
    return FALSE;
}

// The one application object.
CTessaralApp theApp;
