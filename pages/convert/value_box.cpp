#include "pages/convert/value_box.h"

#include <optional>
#include <string>

#include "convert/query.h"
#include "convert/temperature_formula.h"
#include "convert/unit_names.h"
#include "framework/text.h"
#include "numbers/number_text.h"
#include "pages/convert/converter_templates.h"

using framework::ToQString;

namespace {

const pages::UnitControls& ControlsOf(const CPropertyPage& page)
{
    if (const pages::UnitControls* controls =
            pages::UnitControlsOf(static_cast<int>(page.TemplateId()))) {
        return *controls;
    }
    qFatal("template %u is not a converter tab's", page.TemplateId());
}

// The tab's index among the core's converter tabs.
int TabOf(const pages::UnitControls& controls)
{
    const auto tabs = convert::ConverterTabs();
    for (std::size_t t = 0; t < tabs.size(); ++t) {
        if (tabs[t].caption == controls.caption) {
            return static_cast<int>(t);
        }
    }
    return -1;
}

std::optional<convert::ValueBoxReading> ReadBox(const CPropertyPage& page,
                                                const pages::UnitControls& controls,
                                                convert::QueryRefusal* refusal = nullptr)
{
    return convert::ReadValueBox(page.GetDlgItemText(controls.value).toStdString(), TabOf(controls),
                                 refusal);
}

template <typename Number>
void ExchangeAmount(CDataExchange* pDX, int id, Number& value, int& unit)
{
    if (pDX->m_bSaveAndValidate) {
        CPropertyPage& page = *pDX->m_pDlgWnd;
        const pages::UnitControls& controls = ControlsOf(page);
        pDX->PrepareCtrl(id);
        convert::QueryRefusal refusal{};
        const auto reading = ReadBox(page, controls, &refusal);
        if (!reading && refusal.kind == convert::QueryRefusal::Kind::OtherTab) {
            pDX->Fail(ToQString(refusal.message));
        }
        if (reading && reading->unit >= 0) {
            page.SetCurSel(controls.unit, reading->unit);
            unit = reading->unit;
            value = static_cast<Number>(reading->value);
            return;
        }
    }
    // A plain number, or a text that is none: the box as it always was.
    DDX_Text(pDX, id, value);
}

// What the tab shows for these inputs, or nothing while they are incomplete.
struct Shown {
    QString values;
    QString labels;
    QString formula;
};

std::optional<Shown> Results(const CPropertyPage& page, const pages::UnitControls& controls,
                             double value, int unit)
{
    const convert::ConverterTab& tab =
        convert::ConverterTabs()[static_cast<std::size_t>(TabOf(controls))];
    if (tab.category == nullptr) {
        const auto text = convert::ConvertTemperature(value, unit);
        if (!text) {
            return std::nullopt;
        }
        return Shown{ToQString(text->values), ToQString(text->labels), ToQString(text->formula)};
    }
    const auto text = convert::ConvertAll(*tab.category, value, unit,
                                          page.IsDlgButtonChecked(controls.scientific),
                                          page.GetCurSel(controls.decimals));
    if (!text) {
        return std::nullopt;
    }
    return Shown{ToQString(text->values), ToQString(text->labels), {}};
}

void ShowChange(CPropertyPage& page, bool valueChanged)
{
    const pages::UnitControls& controls = ControlsOf(page);
    const auto reading = ReadBox(page, controls);
    if (reading && reading->unit >= 0) {
        if (valueChanged) {
            page.SetCurSel(controls.unit, reading->unit);
        } else if (page.GetCurSel(controls.unit) != reading->unit) {
            // The person chose another unit: the box keeps the amount alone.
            page.SetDlgItemText(controls.value,
                                ToQString(convert::FormatRoundTrip(reading->value)));
        }
    }
    const int unit = page.GetCurSel(controls.unit);
    const auto shown =
        reading && unit >= 0 ? Results(page, controls, reading->value, unit) : std::nullopt;
    page.SetDlgItemText(controls.values, shown ? shown->values : QString());
    page.SetDlgItemText(controls.labels, shown ? shown->labels : QString());
    if (controls.formula != 0) {
        page.SetDlgItemText(controls.formula, shown ? shown->formula : QString());
    }
    if (shown && valueChanged && !reading->targets.empty()) {
        convert::MarkTargets(page, unit, reading->targets);
    }
}

}  // namespace

void DDX_Amount(CDataExchange* pDX, int id, double& value, int& unit)
{
    ExchangeAmount(pDX, id, value, unit);
}

void DDX_Amount(CDataExchange* pDX, int id, int& value, int& unit)
{
    ExchangeAmount(pDX, id, value, unit);
}

namespace convert {

void ShowValueChange(CPropertyPage& page)
{
    ShowChange(page, true);
}

void ShowChoiceChange(CPropertyPage& page)
{
    ShowChange(page, false);
}

void MarkTargets(CPropertyPage& page, int unit, std::span<const int> targets)
{
    const pages::UnitControls& controls = ControlsOf(page);
    const bool temperature = controls.formula != 0;
    // A mark is one line: the last target asked, as the window scrolls to one place.
    for (const int target : targets) {
        // Temperature lists the two scales other than the source, in order.
        const int line = temperature && target > unit ? target - 1 : target;
        page.SelectLine(controls.values, line);
        page.SelectLine(controls.labels, line);
    }
}

}  // namespace convert
