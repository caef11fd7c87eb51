#include "pages/convert/Torque.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(Torque, CPropertyPage)

Torque::Torque() : CPropertyPage(IDD_TORQUE) {}

void Torque::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TORQUE_NAMES, m_strNames);
    DDX_Text(pDX, IDC_TORQUE_VALUES, m_strValues);
    DDX_CBIndex(pDX, IDC_TORQUE_UNIT, m_nUnit);
    DDX_CBIndex(pDX, IDC_TORQUE_DECIMALS, m_nDecimals);
    DDX_Check(pDX, IDC_TORQUE_SCIENTIFIC, m_bScientific);
    DDX_Amount(pDX, IDC_TORQUE_VALUE, m_dValue, m_nUnit);
}

std::span<const CCmdTarget::MessageMapEntry> Torque::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_TORQUE_EQUALS, &Torque::OnEquals),
        ON_CONVERTER_INPUTS(IDC_TORQUE_VALUE, IDC_TORQUE_UNIT, IDC_TORQUE_SCIENTIFIC,
                            IDC_TORQUE_DECIMALS, &Torque::OnValueChange, &Torque::OnChoiceChange)};
    return kMap;
}

void Torque::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kTorque, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void Torque::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void Torque::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
