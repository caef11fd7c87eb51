#include "convert/Volume.h"

#include "convert/categories.h"
#include "convert/equals_handler.h"

IMPLEMENT_DYNCREATE(Volume, CPropertyPage)

Volume::Volume() : CPropertyPage(132) {}

void Volume::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1073, m_strNames);
    DDX_CBIndex(pDX, 1045, m_nUnit);
    DDX_Check(pDX, 1080, m_bScientific);
    DDX_CBIndex(pDX, 1087, m_nDecimals);
    DDX_Text(pDX, 1048, m_strValues);
    DDX_Text(pDX, 1046, m_dValue);
}

std::span<const CCmdTarget::MessageMapEntry> Volume::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{ON_BN_CLICKED(1000, &Volume::OnEquals)};
    return kMap;
}

void Volume::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kVolume, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}
