#include "convert/light.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(light, CPropertyPage)

light::light() : CPropertyPage(180) {}

void light::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1065, m_strValues);
    DDX_Text(pDX, 1074, m_strNames);
    DDX_CBIndex(pDX, 1005, m_nUnit);
    DDX_CBIndex(pDX, 1088, m_nDecimals);
    DDX_Check(pDX, 1081, m_bScientific);
    DDX_Text(pDX, 1064, m_dValue);
}

std::span<const CCmdTarget::MessageMapEntry> light::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1001, &light::OnEquals)};
    return kMap;
}

void light::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kLight, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
