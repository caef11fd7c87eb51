#include "pages/convert/speed.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(speed, CPropertyPage)

speed::speed() : CPropertyPage(IDD_SPEED) {}

void speed::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SPEED_VALUES, m_strValues);
    DDX_Text(pDX, IDC_SPEED_NAMES, m_strNames);
    DDX_CBIndex(pDX, IDC_SPEED_UNIT, m_nUnit);
    DDX_CBIndex(pDX, IDC_SPEED_DECIMALS, m_nDecimals);
    DDX_Check(pDX, IDC_SPEED_SCIENTIFIC, m_bScientific);
    DDX_Amount(pDX, IDC_SPEED_VALUE, m_dValue, m_nUnit);
}

std::span<const CCmdTarget::MessageMapEntry> speed::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_SPEED_EQUALS, &speed::OnEquals),
        ON_CONVERTER_INPUTS(IDC_SPEED_VALUE, IDC_SPEED_UNIT, IDC_SPEED_SCIENTIFIC,
                            IDC_SPEED_DECIMALS, &speed::OnValueChange, &speed::OnChoiceChange)};
    return kMap;
}

void speed::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kSpeed, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void speed::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void speed::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
