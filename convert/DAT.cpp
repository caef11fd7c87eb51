#include "convert/DAT.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(DAT, CPropertyPage)

DAT::DAT() : CPropertyPage(168) {}

void DAT::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1062, m_nValue);
    DDX_Check(pDX, 1080, m_bScientific);
    DDX_CBIndex(pDX, 1087, m_nDecimals);
    DDX_CBIndex(pDX, 1004, m_nUnit);
    DDX_Text(pDX, 1073, m_strNames);
    DDX_Text(pDX, 1063, m_strValues);
}

std::span<const CCmdTarget::MessageMapEntry> DAT::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1000, &DAT::OnEquals)};
    return kMap;
}

void DAT::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kEnergy, m_nValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
