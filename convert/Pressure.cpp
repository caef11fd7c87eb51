#include "convert/Pressure.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(Pressure, CPropertyPage)

Pressure::Pressure() : CPropertyPage(148) {}

void Pressure::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1073, m_strNames);
    DDX_CBIndex(pDX, 1002, m_nUnit);
    DDX_Text(pDX, 1046, m_dValue);
    DDX_Text(pDX, 1048, m_strValues);
    DDX_CBIndex(pDX, 1087, m_nDecimals);
    DDX_Check(pDX, 1080, m_bScientific);
}

std::span<const CCmdTarget::MessageMapEntry> Pressure::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1000, &Pressure::OnEquals)};
    return kMap;
}

void Pressure::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kPressure, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
