#include "convert/categories.h"

namespace convert {
namespace {

constexpr std::string_view kAreaLabels[]{
    "Square kilometer (km²)",
    "Hectare",
    "Square meter (m²)",
    "Square centimeter (cm²)",
    "Square millimeter (mm²)",
    "Square mile",
    "Acre",
    "Square",
    "Square yard (yd²)",
    "Square foot (ft²)",
    "Square inch (in²)",
};

}  // namespace

const Category kArea{"Area", kAreaLabels, kAreaLabels, ValueKind::Real, SquareTable{}};

}  // namespace convert
