#include "convert/categories.h"

namespace convert {
namespace {

constexpr std::string_view kCookingLabels[]{
    "Drop",
    "Dash",
    "Pinch",
    "Milliliter",
    "Deciliter",
    "Coffee spoon",
    "Fluid dram",
    "Teaspoon (US)",
    "Tablespoon (US)",
    "Fluid ounce (US)",
    "Cup (US)",
    "Cubic inch",
    "Pint (US)",
    "Quart (US)",
    "Liter",
    "Gallon (US)",
};

}  // namespace

const Category kCooking{"Cooking", kCookingLabels, kCookingLabels, ValueKind::Real, SquareTable{}};

}  // namespace convert
