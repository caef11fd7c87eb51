#include "pages/convert/length.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(length, CPropertyPage)

length::length() : CPropertyPage(IDD_LENGTH) {}

void length::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_LENGTH_SCIENTIFIC, m_bScientific);
    DDX_CBIndex(pDX, IDC_LENGTH_DECIMALS, m_nDecimals);
    DDX_Text(pDX, IDC_LENGTH_VALUES, m_strValues);
    DDX_Amount(pDX, IDC_LENGTH_VALUE, m_dValue, m_nUnit);
    DDX_CBIndex(pDX, IDC_LENGTH_UNIT, m_nUnit);
    DDX_Text(pDX, IDC_LENGTH_NAMES, m_strNames);
}

std::span<const CCmdTarget::MessageMapEntry> length::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_LENGTH_EQUALS, &length::OnEquals),
        ON_CONVERTER_INPUTS(IDC_LENGTH_VALUE, IDC_LENGTH_UNIT, IDC_LENGTH_SCIENTIFIC,
                            IDC_LENGTH_DECIMALS, &length::OnValueChange, &length::OnChoiceChange)};
    return kMap;
}

void length::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kLength, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void length::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void length::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
