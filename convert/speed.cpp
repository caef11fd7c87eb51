#include "convert/speed.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(speed, CPropertyPage)

speed::speed() : CPropertyPage(160) {}

void speed::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1008, m_strValues);
    DDX_Text(pDX, 1064, m_strNames);
    DDX_CBIndex(pDX, 1004, m_nUnit);
    DDX_CBIndex(pDX, 1088, m_nDecimals);
    DDX_Check(pDX, 1081, m_bScientific);
    DDX_Text(pDX, 1054, m_dValue);
}

std::span<const CCmdTarget::MessageMapEntry> speed::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1005, &speed::OnEquals)};
    return kMap;
}

void speed::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kSpeed, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
