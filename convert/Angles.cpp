#include "convert/Angles.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(Angles, CPropertyPage)

Angles::Angles() : CPropertyPage(166) {}

void Angles::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1064, m_dValue);
    DDX_Check(pDX, 1081, m_bScientific);
    DDX_CBIndex(pDX, 1088, m_nDecimals);
    DDX_Text(pDX, 1065, m_strValues);
    DDX_Text(pDX, 1074, m_strNames);
    DDX_CBIndex(pDX, 1005, m_nUnit);
}

std::span<const CCmdTarget::MessageMapEntry> Angles::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1001, &Angles::OnEquals)};
    return kMap;
}

void Angles::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kAngle, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
