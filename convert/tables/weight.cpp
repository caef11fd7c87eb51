#include "convert/categories.h"

namespace convert {
namespace {

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

}  // namespace

const Category kWeight{"Weight", kWeightLabels, kWeightListItems, ValueKind::Real, TwoGroupTable{{}, {}, {}, 8}};

}  // namespace convert
