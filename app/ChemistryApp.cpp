#include "app/ChemistryApp.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/property_page.h"
#include "framework/runtime_class.h"
#include "framework/text.h"
#include "pages/page_templates.h"
#include "res/app_resources.h"
#include "res/strings.h"
#include "sheet/TessaralDlg.h"

namespace {

// The tabs in order. Each page is made from its run-time class record, so this
// program needs none of the page classes' headers.
constexpr std::array<std::string_view, 3> kPageClasses{"periodic", "chem", "MISC"};

std::unique_ptr<CPropertyPage> CreatePage(std::string_view className)
{
    const CRuntimeClass* record = CRuntimeClass::FromName(className);
    std::unique_ptr<CObject> object(record != nullptr ? record->CreateObject() : nullptr);
    if (auto* page = dynamic_cast<CPropertyPage*>(object.get())) {
        static_cast<void>(object.release());
        return std::unique_ptr<CPropertyPage>(page);
    }
    // Only a build that left the pages out gets here.
    qFatal("velkari-chemistry: no page class \"%s\" in this build", std::string(className).c_str());
}

}  // namespace

CChemistryApp::CChemistryApp() noexcept : CWinApp(nullptr)
{
    framework::RegisterAppResources(res::ChemistryAppResources(&pages::FindDialogTemplate));
}

BOOL CChemistryApp::InitInstance()
{
    const CString title = framework::ToQString(res::kChemistryTitle);
    CTessaralDlg sheet(title, nullptr, 0);
    std::vector<std::unique_ptr<CPropertyPage>> pages;
    pages.reserve(kPageClasses.size());
    for (const std::string_view className : kPageClasses) {
        pages.push_back(CreatePage(className));
    }
    sheet.StoreLogoText(title);
    for (const std::unique_ptr<CPropertyPage>& page : pages) {
        sheet.AddPage(page.get());
    }
    sheet.DoModal();
    return FALSE;
}

// The one application object.
CChemistryApp theApp;
