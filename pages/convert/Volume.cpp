#include "pages/convert/Volume.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(Volume, CPropertyPage)

Volume::Volume() : CPropertyPage(IDD_VOLUME) {}

void Volume::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_VOLUME_NAMES, m_strNames);
    DDX_CBIndex(pDX, IDC_VOLUME_UNIT, m_nUnit);
    DDX_Check(pDX, IDC_VOLUME_SCIENTIFIC, m_bScientific);
    DDX_CBIndex(pDX, IDC_VOLUME_DECIMALS, m_nDecimals);
    DDX_Text(pDX, IDC_VOLUME_VALUES, m_strValues);
    DDX_Amount(pDX, IDC_VOLUME_VALUE, m_dValue, m_nUnit);
}

std::span<const CCmdTarget::MessageMapEntry> Volume::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_VOLUME_EQUALS, &Volume::OnEquals),
        ON_CONVERTER_INPUTS(IDC_VOLUME_VALUE, IDC_VOLUME_UNIT, IDC_VOLUME_SCIENTIFIC,
                            IDC_VOLUME_DECIMALS, &Volume::OnValueChange, &Volume::OnChoiceChange)};
    return kMap;
}

void Volume::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kVolume, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void Volume::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void Volume::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
