#include "pages/convert/DAT.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(DAT, CPropertyPage)

DAT::DAT() : CPropertyPage(IDD_ENERGY) {}

void DAT::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Amount(pDX, IDC_ENERGY_VALUE, m_nValue, m_nUnit);
    DDX_Check(pDX, IDC_ENERGY_SCIENTIFIC, m_bScientific);
    DDX_CBIndex(pDX, IDC_ENERGY_DECIMALS, m_nDecimals);
    DDX_CBIndex(pDX, IDC_ENERGY_UNIT, m_nUnit);
    DDX_Text(pDX, IDC_ENERGY_NAMES, m_strNames);
    DDX_Text(pDX, IDC_ENERGY_VALUES, m_strValues);
}

std::span<const CCmdTarget::MessageMapEntry> DAT::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_ENERGY_EQUALS, &DAT::OnEquals),
        ON_CONVERTER_INPUTS(IDC_ENERGY_VALUE, IDC_ENERGY_UNIT, IDC_ENERGY_SCIENTIFIC,
                            IDC_ENERGY_DECIMALS, &DAT::OnValueChange, &DAT::OnChoiceChange)};
    return kMap;
}

void DAT::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kEnergy, m_nValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void DAT::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void DAT::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
