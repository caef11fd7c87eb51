#include "convert/tt.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(tt, CPropertyPage)

tt::tt() : CPropertyPage(142) {}

void tt::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1006, m_strValues);
    DDX_Text(pDX, 1063, m_strNames);
    DDX_CBIndex(pDX, 1002, m_nUnit);
    DDX_Text(pDX, 1052, m_dValue);
    DDX_CBIndex(pDX, 1087, m_nDecimals);
    DDX_Check(pDX, 1080, m_bScientific);
}

std::span<const CCmdTarget::MessageMapEntry> tt::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1000, &tt::OnEquals)};
    return kMap;
}

void tt::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kTime, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
