#include "pages/chem/chem.h"

#include <array>
#include <initializer_list>
#include <string>

#include "chem/molecular_weight.h"
#include "framework/text.h"
#include "numbers/number_text.h"
#include "res/resource.h"

using framework::ToQString;

namespace {

constexpr std::array<int, chemistry::kFormulaSlotCount> kElementLists{
    IDC_MW_ELEMENT1, IDC_MW_ELEMENT2, IDC_MW_ELEMENT3, IDC_MW_ELEMENT4, IDC_MW_ELEMENT5};
constexpr std::array<int, chemistry::kFormulaSlotCount> kCountBoxes{
    IDC_MW_COUNT1, IDC_MW_COUNT2, IDC_MW_COUNT3, IDC_MW_COUNT4, IDC_MW_COUNT5};

}  // namespace

IMPLEMENT_DYNCREATE(chem, CPropertyPage)

chem::chem() : CPropertyPage(IDD_MOLECULAR_WEIGHT) {}

// A fresh page has no direction: its result box shows no number yet.
BOOL chem::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    ShowConversion();
    return TRUE;
}

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
        ON_CBN_SELCHANGE(IDC_MW_ELEMENT1, &chem::ShowFormula),
        ON_CBN_SELCHANGE(IDC_MW_ELEMENT2, &chem::ShowFormula),
        ON_CBN_SELCHANGE(IDC_MW_ELEMENT3, &chem::ShowFormula),
        ON_CBN_SELCHANGE(IDC_MW_ELEMENT4, &chem::ShowFormula),
        ON_CBN_SELCHANGE(IDC_MW_ELEMENT5, &chem::ShowFormula),
        ON_EN_CHANGE(IDC_MW_COUNT1, &chem::ShowFormula),
        ON_EN_CHANGE(IDC_MW_COUNT2, &chem::ShowFormula),
        ON_EN_CHANGE(IDC_MW_COUNT3, &chem::ShowFormula),
        ON_EN_CHANGE(IDC_MW_COUNT4, &chem::ShowFormula),
        ON_EN_CHANGE(IDC_MW_COUNT5, &chem::ShowFormula),
        ON_EN_CHANGE(IDC_MW_GIVEN, &chem::ShowConversion),
        ON_EN_CHANGE(IDC_MW_MOLECULAR_WEIGHT, &chem::ShowConversion),
    };
    return kMap;
}

void chem::OnMolecularWeight()
{
    // A refused field computes nothing: no formula shows a count that was not typed.
    if (!UpdateData(TRUE)) {
        m_strFormulaResult.clear();
        UpdateData(FALSE);
        // The pull may have stopped before the other row's result, which the push then
        // wrote as it was last exchanged; its fields may have been edited since.
        ShowConversion();
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
    ShowConversion();
}

// The direction, picked or typed, writes its own row alone: a pull here would refuse,
// with a message, any field of the page that is not yet a number, and stop before it
// read the direction; a push would put back counts typed since the last exchange.
void chem::OnEditchangeMode()
{
    m_nMode = GetCurSel(IDC_MW_MODE);
    const chemistry::ConversionRow row = chemistry::ChooseDirection(
        m_nMode,
        {m_dGiven, m_dMolecularWeight, m_dResult.value_or(0.0), m_strExplanation.toStdString(),
         m_strResultLabel.toStdString(), m_strOperator.toStdString()});
    m_dGiven = row.given;
    m_dMolecularWeight = row.molecularWeight;
    m_strExplanation = ToQString(row.explanation);
    m_strResultLabel = ToQString(row.resultLabel);
    m_strOperator = ToQString(row.operatorSign);
    SetDlgItemText(IDC_MW_GIVEN, ToQString(convert::FormatRoundTrip(m_dGiven)));
    SetDlgItemText(IDC_MW_MOLECULAR_WEIGHT,
                   ToQString(convert::FormatRoundTrip(m_dMolecularWeight)));
    SetDlgItemText(IDC_MW_EXPLANATION, m_strExplanation);
    SetDlgItemText(IDC_MW_RESULT_LABEL, m_strResultLabel);
    SetDlgItemText(IDC_MW_OPERATOR, m_strOperator);
    // The zeroed numbers give no result either way.
    ShowConversion();
    m_dResult.reset();
}

// A conversion that fails, for whatever reason, leaves the result box empty: an
// earlier answer beside the new numbers would read as theirs.
void chem::OnConvert()
{
    if (!UpdateData(TRUE)) {
        m_dResult.reset();
        UpdateData(FALSE);
        // As in OnMolecularWeight.
        ShowFormula();
        return;
    }
    const chemistry::ConversionOutcome outcome =
        chemistry::ConvertRow(m_nMode, m_dGiven, m_dMolecularWeight);
    m_dResult.reset();
    if (outcome.message) {
        MessageBox(ToQString(outcome.message->text), ToQString(outcome.message->caption),
                   MB_ICONEXCLAMATION | MB_OK);
    } else {
        m_dResult = outcome.result;
    }
    UpdateData(FALSE);
}

void chem::ShowFormula()
{
    std::array<std::string, chemistry::kFormulaSlotCount> counts;
    std::array<chemistry::TypedSlot, chemistry::kFormulaSlotCount> slots;
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        counts[slot] = GetDlgItemText(kCountBoxes[slot]).toStdString();
        slots[slot] = {GetCurSel(kElementLists[slot]), counts[slot]};
    }
    SetDlgItemText(IDC_MW_FORMULA_RESULT, ToQString(chemistry::TypedFormulaResult(slots)));
}

void chem::ShowConversion()
{
    SetDlgItemText(IDC_MW_RESULT,
                   ToQString(chemistry::TypedConversionResult(
                       GetCurSel(IDC_MW_MODE), GetDlgItemText(IDC_MW_GIVEN).toStdString(),
                       GetDlgItemText(IDC_MW_MOLECULAR_WEIGHT).toStdString())));
}
