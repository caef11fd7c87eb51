#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kFoot;
using definitions::kInch;
using definitions::kMile;
using definitions::kYard;

// clang-format off
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

// One of each unit in square metres (SI). The square mile, acre, square, square yard,
// foot and inch come from the international foot of 1959.
constexpr double kAreaSizes[]{
    1e6,                    // Square kilometer: (1000 m)²
    1e4,                    // Hectare: 100 ares of 100 m²
    1,                      // Square meter: the SI unit
    1e-4,                   // Square centimeter: (0.01 m)²
    1e-6,                   // Square millimeter: (0.001 m)²
    kMile * kMile,          // Square mile: 2,589,988.110336 m²
    43560 * kFoot * kFoot,  // Acre: 43,560 ft², 4046.8564224 m²
    100 * kFoot * kFoot,    // Square: 100 ft², the roofer's and floorer's square
    kYard * kYard,          // Square yard: 0.83612736 m²
    kFoot * kFoot,          // Square foot: 0.09290304 m²
    kInch * kInch,          // Square inch: 0.00064516 m²
};
// clang-format on

static_assert(std::size(kAreaSizes) == std::size(kAreaLabels));

}  // namespace

const Category kArea{"Area", kAreaLabels, kAreaLabels, ValueKind::Real, kAreaSizes};

}  // namespace convert
