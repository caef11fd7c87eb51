#include "pages/convert/Mass.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(Mass, CPropertyPage)

Mass::Mass() : CPropertyPage(IDD_WEIGHT) {}

void Mass::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WEIGHT_NAMES, m_strNames);
    DDX_CBIndex(pDX, IDC_WEIGHT_UNIT, m_nUnit);
    DDX_Amount(pDX, IDC_WEIGHT_VALUE, m_dValue, m_nUnit);
    DDX_Check(pDX, IDC_WEIGHT_SCIENTIFIC, m_bScientific);
    DDX_CBIndex(pDX, IDC_WEIGHT_DECIMALS, m_nDecimals);
    DDX_Text(pDX, IDC_WEIGHT_VALUES, m_strValues);
}

std::span<const CCmdTarget::MessageMapEntry> Mass::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_WEIGHT_EQUALS, &Mass::OnEquals),
        ON_CONVERTER_INPUTS(IDC_WEIGHT_VALUE, IDC_WEIGHT_UNIT, IDC_WEIGHT_SCIENTIFIC,
                            IDC_WEIGHT_DECIMALS, &Mass::OnValueChange, &Mass::OnChoiceChange)};
    return kMap;
}

void Mass::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kWeight, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void Mass::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void Mass::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
