// Templates of the chemistry pages. Their element lists hold the element table's
// symbols, so the templates are put together once, on first use.
#include "res/chemistry_templates.h"

#include <array>
#include <string_view>
#include <vector>

#include "chem/composition.h"
#include "chem/elements.h"
#include "chem/molecular_weight.h"
#include "chem/periodic_text.h"

namespace res {
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
        {ControlKind::Picture, kNoId, {15, 7, 63, 13}, "Periodic Table", kNone, {}, 156},
        {ControlKind::Static, kNoId, {16, 28, 63, 11}, kChoose},
        {ControlKind::ComboBox, 1002, {84, 25, 48, 80}, kChoose, kNone, symbols},
        {ControlKind::Static, kNoId, {17, 50, 64, 8}, kNameLabel},
        {ControlKind::Edit, 1007, {84, 47, 76, 14}, kNameLabel, kOutput},
        {ControlKind::Static, kNoId, {17, 69, 64, 8}, kGroupLabel},
        {ControlKind::Edit, 1008, {84, 67, 76, 14}, kGroupLabel, kOutput},
        {ControlKind::Static, kNoId, {17, 88, 64, 8}, kBlockLabel},
        {ControlKind::Edit, 1009, {84, 86, 76, 14}, kBlockLabel, kOutput},
        {ControlKind::Static, kNoId, {17, 106, 64, 17}, kAtomicMassLabel},
        {ControlKind::Edit, 1003, {84, 108, 76, 14}, kAtomicMassLabel, kOutput},
        {ControlKind::Static, kNoId, {17, 130, 64, 8}, kAtomicNumberLabel},
        {ControlKind::Edit, 1005, {84, 128, 76, 14}, kAtomicNumberLabel, kOutput},
        {ControlKind::Static, kNoId, {17, 150, 64, 8}, kElectronegativityLabel},
        {ControlKind::Edit, 1006, {84, 148, 76, 14}, kElectronegativityLabel, kOutput},
        {ControlKind::Static, kNoId, {17, 173, 64, 8}, kOxidationLabel},
        {ControlKind::Edit, 1010, {84, 171, 76, 14}, kOxidationLabel, kOutput},
        {ControlKind::Static, kNoId, {17, 195, 64, 17}, kDistributionLabel},
        {ControlKind::Edit,
         1018,
         {84, 193, 199, 26},
         kDistributionLabel,
         kOutput | kMultiLine | kHorizontalScroll},
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
        {ControlKind::Picture, kNoId, {13, 3, 79, 10}, "Molecular Weight", kNone, {}, 143},
        {ControlKind::Static, kNoId, {14, 17, 132, 8}, "Example: H2SO4 --entered as-- H2 S1 O4"},
        {ControlKind::ComboBox, 1008, {14, 31, 32, 79}, "First element", kElementList, symbols},
        {ControlKind::Edit, 1003, {48, 31, 18, 13}, "First count"},
        {ControlKind::ComboBox, 1004, {68, 31, 29, 79}, "Second element", kElementList, symbols},
        {ControlKind::Edit, 1005, {100, 31, 18, 13}, "Second count"},
        {ControlKind::ComboBox, 1012, {120, 31, 30, 79}, "Third element", kElementList, symbols},
        {ControlKind::Edit, 1013, {152, 31, 18, 13}, "Third count"},
        {ControlKind::ComboBox, 1014, {172, 31, 30, 79}, "Fourth element", kElementList, symbols},
        {ControlKind::Edit, 1015, {204, 31, 18, 13}, "Fourth count"},
        {ControlKind::ComboBox, 1020, {224, 31, 32, 79}, "Fifth element", kElementList, symbols},
        {ControlKind::Edit, 1021, {258, 31, 18, 13}, "Fifth count"},
        {ControlKind::PushButton, 1007, {280, 31, 30, 13}, "=", kDefaultButton},
        {ControlKind::Edit, 1006, {14, 57, 155, 14}, "Formula and molecular weight", kOutput},
        {ControlKind::PushButton, 1001, {176, 57, 50, 14}, "Reset"},
        {ControlKind::GroupBox, kNoId, {6, 88, 395, 79}},
        {ControlKind::Picture, kNoId, {13, 86, 107, 13}, "Moles, Grams Converter", kNone, {}, 144},
        {ControlKind::Static, kNoId, {14, 103, 67, 8}, kChoose},
        {ControlKind::ComboBox,
         1002,
         {83, 100, 65, 59},
         kChoose,
         kNone,
         chemistry::kDirectionItems},
        {ControlKind::Edit, 1051, {16, 119, 228, 14}, "Explanation", kOutput | kNoBorder},
        {ControlKind::Edit, 1052, {16, 139, 32, 14}, "Result name", kOutput | kNoBorder},
        {ControlKind::Edit, 1054, {50, 137, 52, 14}, "Given grams or moles"},
        {ControlKind::Edit, 1038, {106, 137, 12, 14}, "Operator", kOutput | kNoBorder},
        {ControlKind::Edit, 1055, {120, 137, 60, 14}, "Molecular weight"},
        {ControlKind::PushButton, 1009, {185, 137, 24, 14}, "=", kDefaultButton},
        {ControlKind::Edit, 1018, {214, 137, 40, 14}, "Result", kOutput},
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
         167},
        {ControlKind::Static, kNoId, {13, 28, 121, 8}, kCompound},
        {ControlKind::Edit, 1091, {135, 26, 48, 14}, kCompound},
        {ControlKind::Static, kNoId, {14, 47, 175, 8}, kUnknown},
        {ControlKind::Edit, 1097, {192, 42, 48, 14}, kUnknown},
        {ControlKind::Static, kNoId, {13, 66, 117, 8}, "Enter the elements weight in grams"},
        {ControlKind::Edit, 1011, {135, 63, 27, 13}, "Grams of the first element"},
        {ControlKind::ComboBox, 1010, {166, 63, 32, 79}, "First element", kElementList, items},
        {ControlKind::Edit, 1047, {200, 63, 23, 13}, "Grams of the second element"},
        {ControlKind::ComboBox, 1016, {228, 63, 32, 79}, "Second element", kElementList, items},
        {ControlKind::Edit, 1022, {262, 63, 26, 13}, "Grams of the third element"},
        {ControlKind::ComboBox, 1019, {292, 63, 32, 79}, "Third element", kElementList, items},
        {ControlKind::PushButton, 1094, {145, 85, 59, 14}, "Compute"},
        {ControlKind::Static, kNoId, {19, 106, 50, 8}, kComposition},
        {ControlKind::Edit, 1092, {81, 103, 158, 14}, kComposition, kOutput},
        {ControlKind::Static, kNoId, {19, 126, 58, 8}, kSimplest},
        {ControlKind::Edit, 1093, {81, 122, 158, 14}, kSimplest, kOutput},
        {ControlKind::Static, kNoId, {20, 146, 60, 8}, kMolecular},
        {ControlKind::Edit, 1096, {82, 144, 158, 14}, kMolecular, kOutput},
        {ControlKind::PushButton, 1095, {248, 144, 50, 14}, "Reset"},
    };
}

struct ChemistryTemplates {
    std::vector<std::string_view> symbols = chemistry::ElementSymbols();
    std::vector<std::string_view> compositionItems = chemistry::CompositionListItems();
    std::vector<ControlTemplate> periodic = PeriodicControls(symbols);
    std::vector<ControlTemplate> molecularWeight = MolecularWeightControls(symbols);
    std::vector<ControlTemplate> composition = CompositionControls(compositionItems);
    std::array<DialogTemplate, 3> dialogs{{
        {130, "Periodic Table", 409, 255, kFont, kFontPoints, periodic},
        {138, "M.W/Grams Moles", 426, 174, kFont, kFontPoints, molecularWeight},
        {145, "Molecular Formula", 415, 185, kFont, kFontPoints, composition},
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

}  // namespace res
