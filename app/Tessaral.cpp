#include "app/Tessaral.h"

#include "convert/Angles.h"
#include "convert/Area.h"
#include "convert/Computer.h"
#include "convert/Cooking.h"
#include "convert/DAT.h"
#include "convert/Mass.h"
#include "convert/Power.h"
#include "convert/Pressure.h"
#include "convert/Torque.h"
#include "convert/Volume.h"
#include "convert/frequency.h"
#include "convert/length.h"
#include "convert/light.h"
#include "convert/speed.h"
#include "convert/temperature.h"
#include "convert/tt.h"
#include "framework/text.h"
#include "pages/FirstPropertyPage.h"
#include "pages/bout.h"
#include "res/strings.h"
#include "sheet/TessaralDlg.h"

CTessaralApp::CTessaralApp() noexcept : CWinApp(nullptr)
{
    m_program = {.name = res::kProgramName,
                 .version = res::kProgramVersion,
                 .title = res::kApplicationTitle,
                 .versionText = res::kVersionText,
                 .description = res::kHelpDescription,
                 .helpFooter = res::kHelpFooter,
                 .helpOption = res::kHelpOption,
                 .versionOption = res::kVersionOption,
                 .unexpectedArgument = res::kUnexpectedArgument,
                 .tryHelp = res::kTryHelp,
                 .noDisplay = res::kNoDisplay};
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
