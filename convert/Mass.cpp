#include "convert/Mass.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(Mass, CPropertyPage)

Mass::Mass() : CPropertyPage(134) {}

void Mass::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1073, m_strNames);
    DDX_CBIndex(pDX, 1002, m_nUnit);
    DDX_Text(pDX, 1046, m_dValue);
    DDX_Check(pDX, 1080, m_bScientific);
    DDX_CBIndex(pDX, 1087, m_nDecimals);
    DDX_Text(pDX, 1048, m_strValues);
}

std::span<const CCmdTarget::MessageMapEntry> Mass::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1000, &Mass::OnEquals)};
    return kMap;
}

void Mass::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kWeight, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
