#include "app/Tessaral.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "convert/query.h"
#include "convert/typed_unit.h"
#include "convert/unit_names.h"
#include "framework/text.h"
#include "numbers/number_text.h"
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
#include "pages/convert/converter_templates.h"
#include "pages/convert/frequency.h"
#include "pages/convert/length.h"
#include "pages/convert/light.h"
#include "pages/convert/speed.h"
#include "pages/convert/temperature.h"
#include "pages/convert/tt.h"
#include "pages/convert/value_box.h"
#include "pages/page_templates.h"
#include "res/app_resources.h"
#include "res/strings.h"
#include "sheet/TessaralDlg.h"

namespace {

// What --convert asked for, converted once the window is open.
std::optional<std::string>& AskedQuery()
{
    static std::optional<std::string> query;
    return query;
}

void TakeQuery(std::string_view words)
{
    AskedQuery() = std::string(words);
}

// Does on the query's tab what a person does: types the value, picks the unit and
// presses "=", so that the page shows and writes back what it would by hand. A query
// the window cannot show is said in the pages' message box, once.
void ConvertOnItsTab(CTessaralDlg& sheet, const std::string& text)
{
    const auto parsed = convert::ParseQuery(text);
    if (const auto* refusal = std::get_if<convert::QueryRefusal>(&parsed)) {
        const QString message =
            framework::ToQString(res::kConvertRefused)
                .arg(QString::fromStdString(text), QString::fromStdString(refusal->message));
        sheet.GetActivePage()->MessageBox(message, CPropertyPage::ApplicationName(),
                                          MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    const auto& query = std::get<convert::ParsedQuery>(parsed);
    const pages::UnitControls* controls = pages::UnitControlsOf(query.caption);
    for (int tab = 0; controls != nullptr && tab < sheet.GetPageCount(); ++tab) {
        if (static_cast<int>(sheet.GetPage(tab)->TemplateId()) != controls->templateId) {
            continue;
        }
        if (!sheet.SetActivePage(tab)) {
            return;
        }
        CPropertyPage& page = *sheet.GetPage(tab);
        auto* value = qobject_cast<QLineEdit*>(page.GetDlgItem(controls->value));
        value->setFocus();
        value->selectAll();
        value->insert(QString::fromStdString(convert::FormatRoundTrip(query.value)));
        auto* unit = qobject_cast<QComboBox*>(page.GetDlgItem(controls->unit));
        unit->setCurrentIndex(query.unit);
        Q_EMIT unit->activated(query.unit);
        qobject_cast<QAbstractButton*>(page.GetDlgItem(controls->equals))->click();
        // The units the query asked for stand out among the tab's lines.
        convert::MarkTargets(page, query.unit, query.targets);
        return;
    }
}

// A converter tab's unit list takes every name of its units that a query takes.
int UnitNamedInList(int templateId, int controlId, std::string_view text)
{
    const pages::UnitControls* tab = pages::UnitControlsOf(templateId, controlId);
    return tab != nullptr ? convert::UnitNamed(tab->caption, text) : -1;
}

std::vector<std::string> UnitNamesInList(int templateId, int controlId, int unit)
{
    const pages::UnitControls* tab = pages::UnitControlsOf(templateId, controlId);
    return tab != nullptr ? convert::UnitNames(tab->caption, unit) : std::vector<std::string>{};
}

// A name typed into a converter tab's unit list that names none of its units is
// refused, in the words a query gets for it.
std::string UnitRefusalInList(int templateId, int controlId, std::string_view text)
{
    const pages::UnitControls* tab = pages::UnitControlsOf(templateId, controlId);
    return tab != nullptr ? convert::TypedUnitRefusal(tab->caption, text) : std::string();
}

}  // namespace

CTessaralApp::CTessaralApp() noexcept : CWinApp(nullptr)
{
    framework::AppResources resources = res::AppResources(&pages::FindDialogTemplate);
    resources.program.rest = {res::kConvertOptionName, res::kConvertValueName, res::kConvertOption,
                              &TakeQuery};
    resources.itemNamed = &UnitNamedInList;
    resources.itemNames = &UnitNamesInList;
    resources.itemRefusal = &UnitRefusalInList;
    framework::RegisterAppResources(resources);
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
    // Once the window runs, so that it stands behind a refusal's message box.
    if (std::optional<std::string> query = std::exchange(AskedQuery(), std::nullopt)) {
        QTimer::singleShot(0, &sheet,
                           [&sheet, text = std::move(*query)] { ConvertOnItsTab(sheet, text); });
    }
    sheet.DoModal();
    return FALSE;
}

// The one application object.
CTessaralApp theApp;
