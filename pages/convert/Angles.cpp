#include "pages/convert/Angles.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(Angles, CPropertyPage)

Angles::Angles() : CPropertyPage(IDD_ANGLE) {}

void Angles::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Amount(pDX, IDC_ANGLE_VALUE, m_dValue, m_nUnit);
    DDX_Check(pDX, IDC_ANGLE_SCIENTIFIC, m_bScientific);
    DDX_CBIndex(pDX, IDC_ANGLE_DECIMALS, m_nDecimals);
    DDX_Text(pDX, IDC_ANGLE_VALUES, m_strValues);
    DDX_Text(pDX, IDC_ANGLE_NAMES, m_strNames);
    DDX_CBIndex(pDX, IDC_ANGLE_UNIT, m_nUnit);
}

std::span<const CCmdTarget::MessageMapEntry> Angles::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_ANGLE_EQUALS, &Angles::OnEquals),
        ON_CONVERTER_INPUTS(IDC_ANGLE_VALUE, IDC_ANGLE_UNIT, IDC_ANGLE_SCIENTIFIC,
                            IDC_ANGLE_DECIMALS, &Angles::OnValueChange, &Angles::OnChoiceChange)};
    return kMap;
}

void Angles::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kAngle, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void Angles::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void Angles::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
