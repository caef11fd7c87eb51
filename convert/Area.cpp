#include "convert/Area.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(Area, CPropertyPage)

Area::Area() : CPropertyPage(164) {}

void Area::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1074, m_strNames);
    DDX_Text(pDX, 1049, m_strValues);
    DDX_Check(pDX, 1081, m_bScientific);
    DDX_CBIndex(pDX, 1088, m_nDecimals);
    DDX_Text(pDX, 1047, m_dValue);
    DDX_CBIndex(pDX, 1003, m_nUnit);
}

std::span<const CCmdTarget::MessageMapEntry> Area::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1001, &Area::OnEquals)};
    return kMap;
}

void Area::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kArea, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
