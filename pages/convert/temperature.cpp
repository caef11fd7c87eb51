#include "pages/convert/temperature.h"

#include "convert/messages.h"
#include "convert/temperature_formula.h"
#include "framework/text.h"
#include "pages/convert/equals_handler.h"
#include "res/resource.h"

using framework::ToQString;

IMPLEMENT_DYNCREATE(temperature, CPropertyPage)

temperature::temperature() : CPropertyPage(IDD_TEMPERATURE) {}

void temperature::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TEMPERATURE_VALUE, m_dValue);
    DDX_CBIndex(pDX, IDC_TEMPERATURE_UNIT, m_nUnit);
    DDX_Text(pDX, IDC_TEMPERATURE_NAMES, m_strNames);
    DDX_Text(pDX, IDC_TEMPERATURE_VALUES, m_strValues);
    DDX_Text(pDX, IDC_TEMPERATURE_FORMULA, m_strFormula);
}

std::span<const CCmdTarget::MessageMapEntry> temperature::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_TEMPERATURE_EQUALS, &temperature::OnEquals)};
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
    if (const auto text = convert::ConvertTemperature(m_dValue, m_nUnit)) {
        m_strValues = ToQString(text->values);
        m_strNames = ToQString(text->labels);
        m_strFormula = ToQString(text->formula);
    } else {
        MessageBox(ToQString(convert::kIncompleteText), ToQString(convert::kIncompleteCaption),
                   MB_ICONEXCLAMATION | MB_OK);
    }
    UpdateData(FALSE);
}
