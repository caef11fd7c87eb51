#include "convert/Cooking.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(Cooking, CPropertyPage)

Cooking::Cooking() : CPropertyPage(177) {}

void Cooking::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, 1003, m_nUnit);
    DDX_Text(pDX, 1047, m_dValue);
    DDX_Text(pDX, 1049, m_strValues);
    DDX_CBIndex(pDX, 1088, m_nDecimals);
    DDX_Check(pDX, 1081, m_bScientific);
    DDX_Text(pDX, 1074, m_strNames);
}

std::span<const CCmdTarget::MessageMapEntry> Cooking::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1001, &Cooking::OnEquals)};
    return kMap;
}

void Cooking::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kCooking, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
