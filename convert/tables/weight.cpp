#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kPound;
using definitions::kStandardGravity;

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

// One of each unit in kilograms (SI). The pound is the avoirdupois pound of 1959 and the
// ounce its sixteenth; the carat is the metric carat, 0.2 g; the centner is 100 kg; a
// newton stands for the mass that weighs 1 N under standard gravity.
constexpr double kWeightSizes[]{
    1e6,                   // Kilotonne
    1e3,                   // Tonne: 1000 kg
    1e2,                   // Centner: 100 kg
    1,                     // Kilogram: the SI unit
    1e-3,                  // Gram
    1e-5,                  // Centigram
    1e-6,                  // Milligram
    1e-9,                  // Microgram
    kPound,                // Pound: 0.45359237 kg
    kPound / 16,           // Ounce: 1/16 pound, 28.349523125 g
    1 / kStandardGravity,  // Newton: 1 N / 9.80665 m/s²
    2e-4,                  // Carat: 200 mg
};
// clang-format on

static_assert(std::size(kWeightSizes) == std::size(kWeightLabels));
static_assert(std::size(kWeightListItems) == std::size(kWeightLabels));

}  // namespace

const Category kWeight{"Weight", kWeightLabels, kWeightListItems, ValueKind::Real, kWeightSizes};

}  // namespace convert
