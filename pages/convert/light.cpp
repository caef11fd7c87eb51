#include "pages/convert/light.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(light, CPropertyPage)

light::light() : CPropertyPage(IDD_LIGHT) {}

void light::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LIGHT_VALUES, m_strValues);
    DDX_Text(pDX, IDC_LIGHT_NAMES, m_strNames);
    DDX_CBIndex(pDX, IDC_LIGHT_UNIT, m_nUnit);
    DDX_CBIndex(pDX, IDC_LIGHT_DECIMALS, m_nDecimals);
    DDX_Check(pDX, IDC_LIGHT_SCIENTIFIC, m_bScientific);
    DDX_Amount(pDX, IDC_LIGHT_VALUE, m_dValue, m_nUnit);
}

std::span<const CCmdTarget::MessageMapEntry> light::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_LIGHT_EQUALS, &light::OnEquals),
        ON_CONVERTER_INPUTS(IDC_LIGHT_VALUE, IDC_LIGHT_UNIT, IDC_LIGHT_SCIENTIFIC,
                            IDC_LIGHT_DECIMALS, &light::OnValueChange, &light::OnChoiceChange)};
    return kMap;
}

void light::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kLight, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void light::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void light::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
