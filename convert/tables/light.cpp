#include "convert/categories.h"

namespace convert {
namespace {

constexpr std::string_view kLightLabels[]{
    "Nit",
    "Stilb",
    "Lambert",
    "Footlambert",
    "Candela/m²",
    "Candela/cm²",
    "Candela/ft²",
    "Candela/in²",
};

// The unit list keeps its own spelling where it differs from the label.
constexpr std::string_view kLightListItems[]{
    "Nit",
    "Stilb",
    "Lambert",
    "Footlambert",
    "Candela / m²",
    "Candela / cm²",
    "Candela / ft²",
    "Candela / in²",
};

}  // namespace

const Category kLight{"Light", kLightLabels, kLightListItems, ValueKind::Real, SquareTable{}};

}  // namespace convert
