#include "convert/Computer.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(Computer, CPropertyPage)

Computer::Computer() : CPropertyPage(153) {}

void Computer::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1063, m_strValues);
    DDX_Text(pDX, 1073, m_strNames);
    DDX_CBIndex(pDX, 1004, m_nUnit);
    DDX_CBIndex(pDX, 1087, m_nDecimals);
    DDX_Check(pDX, 1080, m_bScientific);
    DDX_Text(pDX, 1062, m_dValue);
}

std::span<const CCmdTarget::MessageMapEntry> Computer::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1000, &Computer::OnEquals)};
    return kMap;
}

void Computer::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kComputerStorage, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
