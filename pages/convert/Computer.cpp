#include "pages/convert/Computer.h"

#include "convert/categories.h"
#include "pages/convert/equals_handler.h"
#include "pages/convert/value_box.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(Computer, CPropertyPage)

Computer::Computer() : CPropertyPage(IDD_STORAGE) {}

void Computer::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_STORAGE_VALUES, m_strValues);
    DDX_Text(pDX, IDC_STORAGE_NAMES, m_strNames);
    DDX_CBIndex(pDX, IDC_STORAGE_UNIT, m_nUnit);
    DDX_CBIndex(pDX, IDC_STORAGE_DECIMALS, m_nDecimals);
    DDX_Check(pDX, IDC_STORAGE_SCIENTIFIC, m_bScientific);
    DDX_Amount(pDX, IDC_STORAGE_VALUE, m_dValue, m_nUnit);
}

std::span<const CCmdTarget::MessageMapEntry> Computer::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_STORAGE_EQUALS, &Computer::OnEquals),
        ON_CONVERTER_INPUTS(IDC_STORAGE_VALUE, IDC_STORAGE_UNIT, IDC_STORAGE_SCIENTIFIC,
                            IDC_STORAGE_DECIMALS, &Computer::OnValueChange,
                            &Computer::OnChoiceChange)};
    return kMap;
}

void Computer::OnEquals()
{
    convert::OnConverterEquals(*this, convert::kComputerStorage, m_dValue,
                               {m_bScientific, m_nDecimals, m_nUnit, m_strValues, m_strNames});
}

void Computer::OnValueChange()
{
    convert::ShowValueChange(*this);
}

void Computer::OnChoiceChange()
{
    convert::ShowChoiceChange(*this);
}
