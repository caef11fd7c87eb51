#include "convert/categories.h"

namespace convert {
namespace {

// clang-format off
constexpr std::string_view kWeightLabels[]{
    "Kilotonne",
    "Tonne",
    "Centner",
    "Kilogram (kg)",
    "Gram (g)",
    "Centigram",
    "Milligram (mg)",
    "Microgram (mcg)",
    "Pound (lb) (Avoir)",
    "Ounce (Avoir)",
    "Newton (N)",
    "Carat",
};

// The unit list keeps its own spelling where it differs from the label.
constexpr std::string_view kWeightListItems[]{
    "Kilotonne",
    "Tonne",
    "Centner",
    "Kilogram (kg)",
    "Gram (g)",
    "Centigram",
    "Milligram (mg)",
    "Microgram (mcg)",
    "Pound (lb)  (Avoir)*",
    "Ounce (Avoir)*",
    "Newton (N)",
    "Carat",
};

// One unit in kilotonnes. The Newton is taken as the weight of 0.10197 kilograms.
constexpr double kWeightSourceFactors[]{
    1,          // Kilotonne
    0.001,      // Tonne
    0.0001,     // Centner
    1e-06,      // Kilogram (kg)
    1e-09,      // Gram (g)
    1e-11,      // Centigram
    1e-12,      // Milligram (mg)
    1e-15,      // Microgram (mcg)
    4.5359e-07, // Pound (lb) (Avoir)
    2.835e-08,  // Ounce (Avoir)
    1.0197e-07, // Newton (N)
    2e-10,      // Carat
};

// One kilotonne in each unit.
constexpr double kWeightBaseRow[]{
    1,                // Kilotonne
    1000,             // Tonne
    10000,            // Centner
    1000000,          // Kilogram (kg)
    1000000000,       // Gram (g)
    100000000000,     // Centigram
    1000000000000,    // Milligram (mg)
    1000000000000000, // Microgram (mcg)
    2204600,          // Pound (lb) (Avoir)
    35274000,         // Ounce (Avoir)
    9806700,          // Newton (N)
    5000000000,       // Carat
};

// Pound, Ounce, Newton and Carat among themselves.
constexpr double kWeightGroupFactors[]{
    // Pound       Ounce      Newton     Carat
    1,             16,        4.4482,    2268,    // Pound (lb) (Avoir)
    0.0625,        1,         0.27801,   141.75,  // Ounce (Avoir)
    0.22481,       3.5969,    1,         509.86,  // Newton (N)
    0.00044092,    0.0070548, 0.0019613, 1,       // Carat
};
// clang-format on

// The metric units come first; the second group starts at the first unit that is not one.
constexpr std::size_t kWeightFirstGroup = IndexOfLabel(kWeightLabels, "Pound (lb) (Avoir)");
constexpr std::size_t kWeightSecondGroup = std::size(kWeightLabels) - kWeightFirstGroup;
static_assert(std::size(kWeightSourceFactors) == std::size(kWeightLabels));
static_assert(std::size(kWeightBaseRow) == std::size(kWeightLabels));
static_assert(std::size(kWeightGroupFactors) == kWeightSecondGroup * kWeightSecondGroup);
static_assert(std::size(kWeightListItems) == std::size(kWeightLabels));

}  // namespace

const Category kWeight{
    "Weight", kWeightLabels, kWeightListItems, ValueKind::Real,
    TwoGroupTable{kWeightSourceFactors, kWeightBaseRow, kWeightGroupFactors, kWeightFirstGroup}};

}  // namespace convert
