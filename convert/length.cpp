#include "convert/length.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(length, CPropertyPage)

length::length() : CPropertyPage(162) {}

void length::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, 1081, m_bScientific);
    DDX_CBIndex(pDX, 1088, m_nDecimals);
    DDX_Text(pDX, 1049, m_strValues);
    DDX_Text(pDX, 1047, m_dValue);
    DDX_CBIndex(pDX, 1004, m_nUnit);
    DDX_Text(pDX, 1074, m_strNames);
}

std::span<const CCmdTarget::MessageMapEntry> length::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1039, &length::OnEquals)};
    return kMap;
}

void length::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kLength, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
