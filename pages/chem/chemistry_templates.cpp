// Templates of the chemistry pages. Their element lists hold the element table's
// symbols, so the templates are put together once, on first use.
#include "pages/chem/chemistry_templates.h"

#include <array>
#include <string_view>
#include <vector>

#include "chem/composition.h"
#include "chem/elements.h"
#include "chem/molecular_weight.h"
#include "chem/periodic_text.h"
#include "res/resource.h"

namespace pages {

using namespace framework;

namespace {

constexpr std::string_view kFont = "MS Sans Serif";
constexpr int kFontPoints = 8;
constexpr unsigned kOutput = kReadOnly;
constexpr unsigned kElementList = kDropDownList | kSorted;

// A few labels are a few units wider than the product has always drawn them, so that
// they read whole in the sans-serif font that stands in for MS Sans Serif; none comes
// near the control beside it.

// Periodic Table: the element list and the fields of the chosen element, each below
// the one before with its label on the left.
std::vector<ControlTemplate> PeriodicControls(std::span<const std::string_view> symbols)
{
    using namespace chemistry;
    constexpr std::string_view kChoose = "Choose an element";
    return {
        {ControlKind::GroupBox, kNoId, {7, 7, 395, 241}},
        {ControlKind::Picture,
         kNoId,
         {15, 7, 63, 13},
         "Periodic Table",
         kNone,
         {},
         IDB_PERIODIC_TABLE},
        {ControlKind::Static, kNoId, {16, 28, 63, 11}, kChoose},
        {ControlKind::ComboBox, IDC_PERIODIC_ELEMENT, {84, 25, 48, 80}, kChoose, kNone, symbols},
        {ControlKind::Static, kNoId, {17, 50, 64, 8}, kNameLabel},
        {ControlKind::Edit, IDC_PERIODIC_NAME, {84, 47, 76, 14}, kNameLabel, kOutput | kTableField},
        {ControlKind::Static, kNoId, {17, 69, 64, 8}, kGroupLabel},
        {ControlKind::Edit,
         IDC_PERIODIC_GROUP,
         {84, 67, 76, 14},
         kGroupLabel,
         kOutput | kTableField},
        {ControlKind::Static, kNoId, {17, 88, 64, 8}, kBlockLabel},
        {ControlKind::Edit,
         IDC_PERIODIC_BLOCK,
         {84, 86, 76, 14},
         kBlockLabel,
         kOutput | kTableField},
        {ControlKind::Static, kNoId, {17, 106, 64, 17}, kAtomicMassLabel},
        {ControlKind::Edit,
         IDC_PERIODIC_ATOMIC_MASS,
         {84, 108, 76, 14},
         kAtomicMassLabel,
         kOutput | kTableField},
        {ControlKind::Static, kNoId, {17, 130, 64, 8}, kAtomicNumberLabel},
        {ControlKind::Edit,
         IDC_PERIODIC_ATOMIC_NUMBER,
         {84, 128, 76, 14},
         kAtomicNumberLabel,
         kOutput | kTableField},
        {ControlKind::Static, kNoId, {17, 150, 64, 8}, kElectronegativityLabel},
        {ControlKind::Edit,
         IDC_PERIODIC_ELECTRONEGATIVITY,
         {84, 148, 76, 14},
         kElectronegativityLabel,
         kOutput | kTableField},
        {ControlKind::Static, kNoId, {17, 173, 64, 8}, kOxidationLabel},
        {ControlKind::Edit,
         IDC_PERIODIC_OXIDATION,
         {84, 171, 76, 14},
         kOxidationLabel,
         kOutput | kTableField},
        {ControlKind::Static, kNoId, {17, 195, 64, 17}, kDistributionLabel},
        {ControlKind::Edit,
         IDC_PERIODIC_DISTRIBUTION,
         {84, 193, 199, 26},
         kDistributionLabel,
         kOutput | kMultiLine | kHorizontalScroll | kTableField},
    };
}

// M.W/Grams Moles: five element/count pairs in a row with their "=" and the formula
// result below; under them the grams/moles row: label, given amount, operator sign,
// molecular weight, "=", result.
std::vector<ControlTemplate> MolecularWeightControls(std::span<const std::string_view> symbols)
{
    constexpr std::string_view kChoose = "Choose from the list";
    return {
        {ControlKind::GroupBox, kNoId, {6, 3, 395, 79}},
        {ControlKind::Picture,
         kNoId,
         {13, 3, 79, 10},
         "Molecular Weight",
         kNone,
         {},
         IDB_MOLECULAR_WEIGHT},
        {ControlKind::Static, kNoId, {14, 17, 132, 8}, "Example: H2SO4 --entered as-- H2 S1 O4"},
        {ControlKind::ComboBox,
         IDC_MW_ELEMENT1,
         {14, 31, 32, 79},
         "First element",
         kElementList,
         symbols},
        {ControlKind::Edit, IDC_MW_COUNT1, {48, 31, 18, 13}, "First count"},
        {ControlKind::ComboBox,
         IDC_MW_ELEMENT2,
         {68, 31, 29, 79},
         "Second element",
         kElementList,
         symbols},
        {ControlKind::Edit, IDC_MW_COUNT2, {100, 31, 18, 13}, "Second count"},
        {ControlKind::ComboBox,
         IDC_MW_ELEMENT3,
         {120, 31, 30, 79},
         "Third element",
         kElementList,
         symbols},
        {ControlKind::Edit, IDC_MW_COUNT3, {152, 31, 18, 13}, "Third count"},
        {ControlKind::ComboBox,
         IDC_MW_ELEMENT4,
         {172, 31, 30, 79},
         "Fourth element",
         kElementList,
         symbols},
        {ControlKind::Edit, IDC_MW_COUNT4, {204, 31, 18, 13}, "Fourth count"},
        {ControlKind::ComboBox,
         IDC_MW_ELEMENT5,
         {224, 31, 32, 79},
         "Fifth element",
         kElementList,
         symbols},
        {ControlKind::Edit, IDC_MW_COUNT5, {258, 31, 18, 13}, "Fifth count"},
        {ControlKind::PushButton, IDC_MW_EQUALS, {280, 31, 30, 13}, "=", kDefaultButton},
        {ControlKind::Edit,
         IDC_MW_FORMULA_RESULT,
         {14, 57, 155, 14},
         "Formula and molecular weight",
         kOutput},
        {ControlKind::PushButton, IDC_MW_RESET, {176, 57, 50, 14}, "Reset"},
        {ControlKind::GroupBox, kNoId, {6, 88, 395, 79}},
        {ControlKind::Picture,
         kNoId,
         {13, 86, 107, 13},
         "Moles, Grams Converter",
         kNone,
         {},
         IDB_MOLES_GRAMS},
        {ControlKind::Static, kNoId, {14, 103, 67, 8}, kChoose},
        {ControlKind::ComboBox,
         IDC_MW_MODE,
         {83, 100, 65, 59},
         kChoose,
         kNone,
         chemistry::kDirectionItems},
        {ControlKind::Edit,
         IDC_MW_EXPLANATION,
         {16, 119, 228, 14},
         "Explanation",
         kOutput | kNoBorder},
        {ControlKind::Edit,
         IDC_MW_RESULT_LABEL,
         {16, 139, 32, 14},
         "Result name",
         kOutput | kNoBorder},
        {ControlKind::Edit, IDC_MW_GIVEN, {50, 137, 52, 14}, "Given grams or moles"},
        {ControlKind::Edit, IDC_MW_OPERATOR, {106, 137, 12, 14}, "Operator", kOutput | kNoBorder},
        {ControlKind::Edit, IDC_MW_MOLECULAR_WEIGHT, {120, 137, 60, 14}, "Molecular weight"},
        {ControlKind::PushButton, IDC_MW_CONVERT, {185, 137, 24, 14}, "=", kDefaultButton},
        {ControlKind::Edit, IDC_MW_RESULT, {214, 137, 40, 14}, "Result", kOutput},
    };
}

// Molecular Formula: the compound's weights and up to three elements with their grams,
// "Compute", and the three results.
std::vector<ControlTemplate> CompositionControls(std::span<const std::string_view> items)
{
    constexpr std::string_view kCompound = "Enter the compound weight in grams";
    constexpr std::string_view kUnknown = "Enter the molecular weight of the unknown compound";
    constexpr std::string_view kComposition = "% composition";
    constexpr std::string_view kSimplest = "Simpliest formula";
    constexpr std::string_view kMolecular = "Molecular formula";
    return {
        {ControlKind::GroupBox, kNoId, {7, 7, 401, 171}},
        {ControlKind::Picture,
         kNoId,
         {13, 7, 200, 10},
         "% Composition, Simpliest, Molecular Formula",
         kNone,
         {},
         IDB_MOLECULAR_FORMULA},
        {ControlKind::Static, kNoId, {13, 28, 121, 8}, kCompound},
        {ControlKind::Edit, IDC_FORMULA_COMPOUND_WEIGHT, {135, 26, 48, 14}, kCompound},
        {ControlKind::Static, kNoId, {14, 47, 175, 8}, kUnknown},
        {ControlKind::Edit, IDC_FORMULA_UNKNOWN_WEIGHT, {192, 42, 48, 14}, kUnknown},
        {ControlKind::Static, kNoId, {13, 66, 117, 8}, "Enter the elements weight in grams"},
        {ControlKind::Edit, IDC_FORMULA_GRAMS1, {135, 63, 27, 13}, "Grams of the first element"},
        {ControlKind::ComboBox,
         IDC_FORMULA_ELEMENT1,
         {166, 63, 32, 79},
         "First element",
         kElementList,
         items},
        {ControlKind::Edit, IDC_FORMULA_GRAMS2, {200, 63, 23, 13}, "Grams of the second element"},
        {ControlKind::ComboBox,
         IDC_FORMULA_ELEMENT2,
         {228, 63, 32, 79},
         "Second element",
         kElementList,
         items},
        {ControlKind::Edit, IDC_FORMULA_GRAMS3, {262, 63, 26, 13}, "Grams of the third element"},
        {ControlKind::ComboBox,
         IDC_FORMULA_ELEMENT3,
         {292, 63, 32, 79},
         "Third element",
         kElementList,
         items},
        {ControlKind::PushButton,
         IDC_FORMULA_COMPUTE,
         {145, 85, 59, 14},
         "Compute",
         kDefaultButton},
        {ControlKind::Static, kNoId, {19, 106, 50, 8}, kComposition},
        {ControlKind::Edit, IDC_FORMULA_COMPOSITION, {81, 103, 158, 14}, kComposition, kOutput},
        {ControlKind::Static, kNoId, {19, 126, 58, 8}, kSimplest},
        {ControlKind::Edit, IDC_FORMULA_SIMPLEST, {81, 122, 158, 14}, kSimplest, kOutput},
        {ControlKind::Static, kNoId, {20, 146, 60, 8}, kMolecular},
        {ControlKind::Edit, IDC_FORMULA_MOLECULAR, {82, 144, 158, 14}, kMolecular, kOutput},
        {ControlKind::PushButton, IDC_FORMULA_RESET, {248, 144, 50, 14}, "Reset"},
    };
}

struct ChemistryTemplates {
    std::vector<std::string_view> symbols = chemistry::ElementSymbols();
    std::vector<std::string_view> compositionItems = chemistry::CompositionListItems();
    std::vector<ControlTemplate> periodic = PeriodicControls(symbols);
    std::vector<ControlTemplate> molecularWeight = MolecularWeightControls(symbols);
    std::vector<ControlTemplate> composition = CompositionControls(compositionItems);
    std::array<DialogTemplate, 3> dialogs{{
        {IDD_PERIODIC_TABLE, "Periodic Table", 409, 255, kFont, kFontPoints, periodic},
        {IDD_MOLECULAR_WEIGHT, "M.W/Grams Moles", 426, 174, kFont, kFontPoints, molecularWeight},
        {IDD_MOLECULAR_FORMULA, "Molecular Formula", 415, 185, kFont, kFontPoints, composition},
    }};
};

}  // namespace

const DialogTemplate* FindChemistryTemplate(int id)
{
    static const ChemistryTemplates templates;
    for (const DialogTemplate& dialog : templates.dialogs) {
        if (dialog.id == id) {
            return &dialog;
        }
    }
    return nullptr;
}

}  // namespace pages
