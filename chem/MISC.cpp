#include "chem/MISC.h"

#include "chem/composition.h"
#include "framework/text.h"

using framework::ToQString;

IMPLEMENT_DYNCREATE(MISC, CPropertyPage)

MISC::MISC() : CPropertyPage(145) {}

void MISC::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, 1010, m_nElement1);
    DDX_CBIndex(pDX, 1016, m_nElement2);
    DDX_CBIndex(pDX, 1019, m_nElement3);
    DDX_Text(pDX, 1096, m_strMolecularFormula);
    DDX_Text(pDX, 1097, m_dUnknownWeight);
    DDX_Text(pDX, 1011, m_dWeight1);
    DDX_Text(pDX, 1047, m_dWeight2);
    DDX_Text(pDX, 1022, m_dWeight3);
    DDX_Text(pDX, 1092, m_strComposition);
    DDX_Text(pDX, 1093, m_strSimplestFormula);
    DDX_Text(pDX, 1091, m_dCompoundWeight);
}

std::span<const CCmdTarget::MessageMapEntry> MISC::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(1094, &MISC::OnCompute),
        ON_BN_CLICKED(1095, &MISC::OnReset),
    };
    return kMap;
}

void MISC::OnCompute()
{
    UpdateData(TRUE);
    const chemistry::CompositionOutcome outcome = chemistry::ComputeComposition(
        {m_dCompoundWeight,
         m_dUnknownWeight,
         {{{m_nElement1, m_dWeight1}, {m_nElement2, m_dWeight2}, {m_nElement3, m_dWeight3}}}});
    m_strComposition = ToQString(outcome.composition);
    m_strSimplestFormula = ToQString(outcome.simplestFormula);
    m_strMolecularFormula = ToQString(outcome.molecularFormula);
    if (outcome.message) {
        MessageBox(ToQString(outcome.message->text), ToQString(outcome.message->caption),
                   chemistry::kMessageFlags);
    }
    UpdateData(FALSE);
}

void MISC::OnReset()
{
    UpdateData(TRUE);
    m_nElement1 = m_nElement2 = m_nElement3 = chemistry::kEmptyItem;
    m_dWeight1 = m_dWeight2 = m_dWeight3 = 0.0;
    m_dCompoundWeight = 0.0;
    m_dUnknownWeight = 0.0;
    m_strComposition.clear();
    m_strSimplestFormula.clear();
    m_strMolecularFormula.clear();
    UpdateData(FALSE);
}
