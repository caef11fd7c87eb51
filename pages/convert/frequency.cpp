#include "pages/convert/frequency.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(frequency, CPropertyPage)

frequency::frequency() : CPropertyPage(IDD_FREQUENCY) {}

void frequency::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FREQUENCY_NAMES, m_strNames);
    DDX_CBIndex(pDX, IDC_FREQUENCY_UNIT, m_nUnit);
    DDX_Text(pDX, IDC_FREQUENCY_VALUES, m_strValues);
    DDX_CBIndex(pDX, IDC_FREQUENCY_DECIMALS, m_nDecimals);
    DDX_Check(pDX, IDC_FREQUENCY_SCIENTIFIC, m_bScientific);
    DDX_Amount(pDX, IDC_FREQUENCY_VALUE, m_dValue, m_nUnit);
}

std::span<const CCmdTarget::MessageMapEntry> frequency::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_FREQUENCY_EQUALS, &frequency::OnEquals),
        ON_CONVERTER_INPUTS(IDC_FREQUENCY_VALUE, IDC_FREQUENCY_UNIT, IDC_FREQUENCY_SCIENTIFIC,
                            IDC_FREQUENCY_DECIMALS, &frequency::OnValueChange,
                            &frequency::OnChoiceChange)};
    return kMap;
}

void frequency::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kFrequency, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void frequency::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void frequency::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
