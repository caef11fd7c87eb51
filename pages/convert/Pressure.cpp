#include "pages/convert/Pressure.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(Pressure, CPropertyPage)

Pressure::Pressure() : CPropertyPage(IDD_PRESSURE) {}

void Pressure::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PRESSURE_NAMES, m_strNames);
    DDX_CBIndex(pDX, IDC_PRESSURE_UNIT, m_nUnit);
    DDX_Amount(pDX, IDC_PRESSURE_VALUE, m_dValue, m_nUnit);
    DDX_Text(pDX, IDC_PRESSURE_VALUES, m_strValues);
    DDX_CBIndex(pDX, IDC_PRESSURE_DECIMALS, m_nDecimals);
    DDX_Check(pDX, IDC_PRESSURE_SCIENTIFIC, m_bScientific);
}

std::span<const CCmdTarget::MessageMapEntry> Pressure::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_PRESSURE_EQUALS, &Pressure::OnEquals),
        ON_CONVERTER_INPUTS(IDC_PRESSURE_VALUE, IDC_PRESSURE_UNIT, IDC_PRESSURE_SCIENTIFIC,
                            IDC_PRESSURE_DECIMALS, &Pressure::OnValueChange,
                            &Pressure::OnChoiceChange)};
    return kMap;
}

void Pressure::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kPressure, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void Pressure::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void Pressure::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
