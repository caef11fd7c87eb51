#include "convert/frequency.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(frequency, CPropertyPage)

frequency::frequency() : CPropertyPage(170) {}

void frequency::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1074, m_strNames);
    DDX_CBIndex(pDX, 1003, m_nUnit);
    DDX_Text(pDX, 1049, m_strValues);
    DDX_CBIndex(pDX, 1088, m_nDecimals);
    DDX_Check(pDX, 1081, m_bScientific);
    DDX_Text(pDX, 1047, m_dValue);
}

std::span<const CCmdTarget::MessageMapEntry> frequency::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1001, &frequency::OnEquals)};
    return kMap;
}

void frequency::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kFrequency, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
