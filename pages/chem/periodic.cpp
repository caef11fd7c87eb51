#include "pages/chem/periodic.h"

#include "chem/periodic_text.h"
#include "framework/text.h"
#include "res/resource.h"

using framework::ToQString;

IMPLEMENT_DYNCREATE(periodic, CPropertyPage)

periodic::periodic() : CPropertyPage(IDD_PERIODIC_TABLE) {}

void periodic::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PERIODIC_ATOMIC_MASS, m_dAtomicMass);
    DDX_Text(pDX, IDC_PERIODIC_DISTRIBUTION, m_strDistribution);
    DDX_Text(pDX, IDC_PERIODIC_GROUP, m_strGroup);
    DDX_CBIndex(pDX, IDC_PERIODIC_ELEMENT, m_nElement);
    DDX_Text(pDX, IDC_PERIODIC_NAME, m_strName);
    DDX_Text(pDX, IDC_PERIODIC_BLOCK, m_strBlock);
    DDX_Text(pDX, IDC_PERIODIC_ATOMIC_NUMBER, m_nAtomicNumber);
    DDX_Text(pDX, IDC_PERIODIC_OXIDATION, m_strOxidation);
    DDX_Text(pDX, IDC_PERIODIC_ELECTRONEGATIVITY, m_strElectronegativity);
}

std::span<const CCmdTarget::MessageMapEntry> periodic::GetMessageMap() const
{
    // A pick from the list changes the edit field's text too, so this one entry
    // answers both typing and picking.
    static constexpr MessageMapEntry kMap[]{
        ON_CBN_EDITCHANGE(IDC_PERIODIC_ELEMENT, &periodic::OnEditchangeElement)};
    return kMap;
}

// Text that selects no element clears every field rather than leave the last
// element's data beside it.
void periodic::OnEditchangeElement()
{
    UpdateData(TRUE);
    const chemistry::PeriodicFields fields = chemistry::PeriodicFieldsFor(m_nElement);
    m_dAtomicMass = fields.atomicMass;
    m_strDistribution = ToQString(fields.distribution);
    m_strGroup = ToQString(fields.group);
    m_strName = ToQString(fields.name);
    m_strBlock = ToQString(fields.block);
    m_nAtomicNumber = fields.atomicNumber;
    m_strOxidation = ToQString(fields.oxidation);
    m_strElectronegativity = ToQString(fields.electronegativity);
    UpdateData(FALSE);
}
