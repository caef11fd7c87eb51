#include "pages/convert/Power.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(Power, CPropertyPage)

Power::Power() : CPropertyPage(IDD_POWER) {}

void Power::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_POWER_VALUES, m_strValues);
    DDX_Text(pDX, IDC_POWER_NAMES, m_strNames);
    DDX_CBIndex(pDX, IDC_POWER_UNIT, m_nUnit);
    DDX_Check(pDX, IDC_POWER_SCIENTIFIC, m_bScientific);
    DDX_CBIndex(pDX, IDC_POWER_DECIMALS, m_nDecimals);
    DDX_Amount(pDX, IDC_POWER_VALUE, m_dValue, m_nUnit);
}

std::span<const CCmdTarget::MessageMapEntry> Power::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_POWER_EQUALS, &Power::OnEquals),
        ON_CONVERTER_INPUTS(IDC_POWER_VALUE, IDC_POWER_UNIT, IDC_POWER_SCIENTIFIC,
                            IDC_POWER_DECIMALS, &Power::OnValueChange, &Power::OnChoiceChange)};
    return kMap;
}

void Power::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kPower, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void Power::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void Power::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
