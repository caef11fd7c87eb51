#include "pages/chem/MISC.h"

#include "chem/composition.h"
#include "framework/text.h"
#include "res/resource.h"

using framework::ToQString;

IMPLEMENT_DYNCREATE(MISC, CPropertyPage)

MISC::MISC() : CPropertyPage(IDD_MOLECULAR_FORMULA) {}

void MISC::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_FORMULA_ELEMENT1, m_nElement1);
    DDX_CBIndex(pDX, IDC_FORMULA_ELEMENT2, m_nElement2);
    DDX_CBIndex(pDX, IDC_FORMULA_ELEMENT3, m_nElement3);
    DDX_Text(pDX, IDC_FORMULA_MOLECULAR, m_strMolecularFormula);
    DDX_Text(pDX, IDC_FORMULA_UNKNOWN_WEIGHT, m_dUnknownWeight);
    DDX_Text(pDX, IDC_FORMULA_GRAMS1, m_dWeight1);
    DDX_Text(pDX, IDC_FORMULA_GRAMS2, m_dWeight2);
    DDX_Text(pDX, IDC_FORMULA_GRAMS3, m_dWeight3);
    DDX_Text(pDX, IDC_FORMULA_COMPOSITION, m_strComposition);
    DDX_Text(pDX, IDC_FORMULA_SIMPLEST, m_strSimplestFormula);
    DDX_Text(pDX, IDC_FORMULA_COMPOUND_WEIGHT, m_dCompoundWeight);
}

std::span<const CCmdTarget::MessageMapEntry> MISC::GetMessageMap() const
{
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_FORMULA_COMPUTE, &MISC::OnCompute),
        ON_BN_CLICKED(IDC_FORMULA_RESET, &MISC::OnReset),
    };
    return kMap;
}

void MISC::OnCompute()
{
    if (!UpdateData(TRUE)) {
        m_strComposition.clear();
        m_strSimplestFormula.clear();
        m_strMolecularFormula.clear();
        UpdateData(FALSE);
        return;
    }
    const chemistry::CompositionOutcome outcome = chemistry::ComputeComposition(
        {m_dCompoundWeight,
         m_dUnknownWeight,
         {{{m_nElement1, m_dWeight1}, {m_nElement2, m_dWeight2}, {m_nElement3, m_dWeight3}}}});
    m_strComposition = ToQString(outcome.composition);
    m_strSimplestFormula = ToQString(outcome.simplestFormula);
    m_strMolecularFormula = ToQString(outcome.molecularFormula);
    if (outcome.message) {
        MessageBox(ToQString(outcome.message->text), ToQString(outcome.message->caption),
                   MB_ICONEXCLAMATION | MB_OK);
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
