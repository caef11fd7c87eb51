#include "pages/convert/tt.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(tt, CPropertyPage)

tt::tt() : CPropertyPage(IDD_TIME) {}

void tt::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TIME_VALUES, m_strValues);
    DDX_Text(pDX, IDC_TIME_NAMES, m_strNames);
    DDX_CBIndex(pDX, IDC_TIME_UNIT, m_nUnit);
    DDX_Amount(pDX, IDC_TIME_VALUE, m_dValue, m_nUnit);
    DDX_CBIndex(pDX, IDC_TIME_DECIMALS, m_nDecimals);
    DDX_Check(pDX, IDC_TIME_SCIENTIFIC, m_bScientific);
}

std::span<const CCmdTarget::MessageMapEntry> tt::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_TIME_EQUALS, &tt::OnEquals),
        ON_CONVERTER_INPUTS(IDC_TIME_VALUE, IDC_TIME_UNIT, IDC_TIME_SCIENTIFIC, IDC_TIME_DECIMALS,
                            &tt::OnValueChange, &tt::OnChoiceChange)};
    return kMap;
}

void tt::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kTime, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void tt::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void tt::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
