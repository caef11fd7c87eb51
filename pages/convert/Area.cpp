#include "pages/convert/Area.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(Area, CPropertyPage)

Area::Area() : CPropertyPage(IDD_AREA) {}

void Area::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_AREA_NAMES, m_strNames);
    DDX_Text(pDX, IDC_AREA_VALUES, m_strValues);
    DDX_Check(pDX, IDC_AREA_SCIENTIFIC, m_bScientific);
    DDX_CBIndex(pDX, IDC_AREA_DECIMALS, m_nDecimals);
    DDX_Amount(pDX, IDC_AREA_VALUE, m_dValue, m_nUnit);
    DDX_CBIndex(pDX, IDC_AREA_UNIT, m_nUnit);
}

std::span<const CCmdTarget::MessageMapEntry> Area::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_AREA_EQUALS, &Area::OnEquals),
        ON_CONVERTER_INPUTS(IDC_AREA_VALUE, IDC_AREA_UNIT, IDC_AREA_SCIENTIFIC, IDC_AREA_DECIMALS,
                            &Area::OnValueChange, &Area::OnChoiceChange)};
    return kMap;
}

void Area::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kArea, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void Area::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void Area::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
