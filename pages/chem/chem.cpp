#include "pages/chem/chem.h"

#include <array>
#include <initializer_list>

#include "chem/molecular_weight.h"
#include "framework/text.h"
#include "res/resource.h"

using framework::ToQString;

IMPLEMENT_DYNCREATE(chem, CPropertyPage)

chem::chem() : CPropertyPage(IDD_MOLECULAR_WEIGHT) {}

void chem::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MW_GIVEN, m_dGiven);
    DDX_Text(pDX, IDC_MW_MOLECULAR_WEIGHT, m_dMolecularWeight);
    DDX_Text(pDX, IDC_MW_FORMULA_RESULT, m_strFormulaResult);
    DDX_CBIndex(pDX, IDC_MW_MODE, m_nMode);
    DDX_CBIndex(pDX, IDC_MW_ELEMENT1, m_nElement1);
    DDX_CBIndex(pDX, IDC_MW_ELEMENT2, m_nElement2);
    DDX_CBIndex(pDX, IDC_MW_ELEMENT3, m_nElement3);
    DDX_CBIndex(pDX, IDC_MW_ELEMENT4, m_nElement4);
    DDX_CBIndex(pDX, IDC_MW_ELEMENT5, m_nElement5);
    DDX_Text(pDX, IDC_MW_EXPLANATION, m_strExplanation);
    DDX_Text(pDX, IDC_MW_RESULT, m_dResult);
    DDX_Text(pDX, IDC_MW_RESULT_LABEL, m_strResultLabel);
    DDX_Text(pDX, IDC_MW_COUNT1, m_nCount1, chemistry::kSmallestCount, chemistry::kLargestCount);
    DDX_Text(pDX, IDC_MW_COUNT2, m_nCount2, chemistry::kSmallestCount, chemistry::kLargestCount);
    DDX_Text(pDX, IDC_MW_COUNT3, m_nCount3, chemistry::kSmallestCount, chemistry::kLargestCount);
    DDX_Text(pDX, IDC_MW_COUNT4, m_nCount4, chemistry::kSmallestCount, chemistry::kLargestCount);
    DDX_Text(pDX, IDC_MW_COUNT5, m_nCount5, chemistry::kSmallestCount, chemistry::kLargestCount);
    DDX_Text(pDX, IDC_MW_OPERATOR, m_strOperator);
}

std::span<const CCmdTarget::MessageMapEntry> chem::GetMessageMap() const
{
    // A pick from the direction list changes its edit field's text too, so the one
    // edit-change entry answers both typing and picking.
    static constexpr MessageMapEntry kMap[]{
        ON_BN_CLICKED(IDC_MW_EQUALS, &chem::OnMolecularWeight),
        ON_BN_CLICKED(IDC_MW_RESET, &chem::OnReset),
        ON_CBN_EDITCHANGE(IDC_MW_MODE, &chem::OnEditchangeMode),
        ON_BN_CLICKED(IDC_MW_CONVERT, &chem::OnConvert),
    };
    return kMap;
}

void chem::OnMolecularWeight()
{
    // A refused field computes nothing: no formula shows a count that was not typed.
    if (!UpdateData(TRUE)) {
        m_strFormulaResult.clear();
        UpdateData(FALSE);
        return;
    }
    const std::array<chemistry::FormulaSlot, chemistry::kFormulaSlotCount> formula{{
        {m_nElement1, m_nCount1},
        {m_nElement2, m_nCount2},
        {m_nElement3, m_nCount3},
        {m_nElement4, m_nCount4},
        {m_nElement5, m_nCount5},
    }};
    const chemistry::FormulaOutcome outcome = chemistry::MolecularWeightText(formula);
    m_strFormulaResult = ToQString(outcome.result);
    if (outcome.message) {
        MessageBox(ToQString(outcome.message->text), ToQString(outcome.message->caption),
                   MB_ICONEXCLAMATION | MB_OK);
    }
    UpdateData(FALSE);
}

// The formula row only, and without a pull: whatever was typed since the last
// exchange is replaced by the members' values.
void chem::OnReset()
{
    for (int* element : {&m_nElement1, &m_nElement2, &m_nElement3, &m_nElement4, &m_nElement5}) {
        *element = chemistry::kNoElement;
    }
    for (int* count : {&m_nCount1, &m_nCount2, &m_nCount3, &m_nCount4, &m_nCount5}) {
        *count = chemistry::kDefaultCount;
    }
    m_strFormulaResult.clear();
    UpdateData(FALSE);
}

void chem::OnEditchangeMode()
{
    UpdateData(TRUE);
    chemistry::ConversionRow row = chemistry::ChooseDirection(
        m_nMode,
        {m_dGiven, m_dMolecularWeight, m_dResult.value_or(0.0), m_strExplanation.toStdString(),
         m_strResultLabel.toStdString(), m_strOperator.toStdString()});
    m_dGiven = row.given;
    m_dMolecularWeight = row.molecularWeight;
    m_dResult = row.result;
    m_strExplanation = ToQString(row.explanation);
    m_strResultLabel = ToQString(row.resultLabel);
    m_strOperator = ToQString(row.operatorSign);
    UpdateData(FALSE);
}

// A conversion that fails, for whatever reason, leaves the result box empty: an
// earlier answer beside the new numbers would read as theirs.
void chem::OnConvert()
{
    if (!UpdateData(TRUE)) {
        m_dResult.reset();
        UpdateData(FALSE);
        return;
    }
    // A weight of 0 is one nobody entered, whichever way the conversion goes.
    const chemistry::ConversionOutcome outcome =
        m_nMode == chemistry::kMolesToGrams && m_dMolecularWeight == 0.0
            ? chemistry::ConversionOutcome{0.0, chemistry::kIncomplete}
            : chemistry::ConvertAmount(m_nMode, m_dGiven, m_dMolecularWeight, 0.0);
    m_dResult.reset();
    if (outcome.message) {
        MessageBox(ToQString(outcome.message->text), ToQString(outcome.message->caption),
                   MB_ICONEXCLAMATION | MB_OK);
    } else {
        m_dResult = outcome.result;
    }
    UpdateData(FALSE);
}
