#include "pages/convert/temperature.h"

#include "convert/messages.h"
#include "convert/temperature_formula.h"
#include "framework/text.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

using framework::ToQString;

IMPLEMENT_DYNCREATE(temperature, CPropertyPage)

temperature::temperature() : CPropertyPage(IDD_TEMPERATURE) {}

void temperature::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Amount(pDX, IDC_TEMPERATURE_VALUE, m_dValue, m_nUnit);
    DDX_CBIndex(pDX, IDC_TEMPERATURE_UNIT, m_nUnit);
    DDX_Text(pDX, IDC_TEMPERATURE_NAMES, m_strNames);
    DDX_Text(pDX, IDC_TEMPERATURE_VALUES, m_strValues);
    DDX_Text(pDX, IDC_TEMPERATURE_FORMULA, m_strFormula);
}

std::span<const CCmdTarget::MessageMapEntry> temperature::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_TEMPERATURE_EQUALS, &temperature::OnEquals),
        ON_EN_CHANGE(IDC_TEMPERATURE_VALUE, &temperature::OnValueChange),
        ON_CBN_SELCHANGE(IDC_TEMPERATURE_UNIT, &temperature::OnChoiceChange),
        ON_CBN_EDITCHANGE(IDC_TEMPERATURE_UNIT, &temperature::OnChoiceChange)};
    return kMap;
}

void temperature::OnEquals()
{
    if (!convert::PullForEquals(*this, {&m_strValues, &m_strNames, &m_strFormula})) {
        return;
    }
    m_strValues.clear();
    m_strNames.clear();
    m_strFormula.clear();
    if (const auto refusal = convert::TemperatureRefusal(m_dValue, m_nUnit)) {
        MessageBox(ToQString(*refusal), ToQString(convert::kTemperatureRefusedCaption),
                   MB_ICONEXCLAMATION | MB_OK);
    } else if (const auto text = convert::ConvertTemperature(m_dValue, m_nUnit)) {
        m_strValues = ToQString(text->values);
        m_strNames = ToQString(text->labels);
        m_strFormula = ToQString(text->formula);
    } else {
        MessageBox(ToQString(convert::kIncompleteText), ToQString(convert::kIncompleteCaption),
                   MB_ICONEXCLAMATION | MB_OK);
    }
    UpdateData(FALSE);
}

void temperature::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void temperature::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
