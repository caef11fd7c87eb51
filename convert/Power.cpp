#include "convert/Power.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(Power, CPropertyPage)

Power::Power() : CPropertyPage(136) {}

void Power::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1007, m_strValues);
    DDX_Text(pDX, 1008, m_strNames);
    DDX_CBIndex(pDX, 1003, m_nUnit);
    DDX_Check(pDX, 1081, m_bScientific);
    DDX_CBIndex(pDX, 1088, m_nDecimals);
    DDX_Text(pDX, 1062, m_dValue);
}

std::span<const CCmdTarget::MessageMapEntry> Power::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1005, &Power::OnEquals)};
    return kMap;
}

void Power::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kPower, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
