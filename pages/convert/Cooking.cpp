#include "pages/convert/Cooking.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(Cooking, CPropertyPage)

Cooking::Cooking() : CPropertyPage(IDD_COOKING) {}

void Cooking::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_COOKING_UNIT, m_nUnit);
    DDX_Amount(pDX, IDC_COOKING_VALUE, m_dValue, m_nUnit);
    DDX_Text(pDX, IDC_COOKING_VALUES, m_strValues);
    DDX_CBIndex(pDX, IDC_COOKING_DECIMALS, m_nDecimals);
    DDX_Check(pDX, IDC_COOKING_SCIENTIFIC, m_bScientific);
    DDX_Text(pDX, IDC_COOKING_NAMES, m_strNames);
}

std::span<const CCmdTarget::MessageMapEntry> Cooking::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_COOKING_EQUALS, &Cooking::OnEquals),
        ON_CONVERTER_INPUTS(IDC_COOKING_VALUE, IDC_COOKING_UNIT, IDC_COOKING_SCIENTIFIC,
                            IDC_COOKING_DECIMALS, &Cooking::OnValueChange,
                            &Cooking::OnChoiceChange)};
    return kMap;
}

void Cooking::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kCooking, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void Cooking::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void Cooking::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
