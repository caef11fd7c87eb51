#include "convert/categories.h"

namespace convert {
namespace {

// clang-format off
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

// One Candela/cm² is 10180 nits here, not the Stilb's 10000, so Stilb to Candela/cm² is
// 0.982318; the ft² and in² candelas follow from it by the exact area ratios.
constexpr double kLightFactors[]{
    // Nit          Stilb     Lambert   Footlambert  cd/m2        cd/cm2    cd/ft2      cd/in2
    1,              0.0001,   0.000314, 0.291864,    1,           9.8e-05,  0.09126,    0.000634,  // Nit
    10000,          1,        3.141593, 2918.635079, 10000,       0.982318, 912.603537, 6.337525,  // Stilb
    3183.098862,    0.31831,  1,        929.0304,    3183.098862, 0.312682, 290.490728, 2.017297,  // Lambert
    3.426259,       0.000343, 0.001076, 1,           3.426259,    0.000337, 0.312682,   0.002171,  // Footlambert
    1,              0.0001,   0.000314, 0.291864,    1,           9.8e-05,  0.09126,    0.000634,  // Candela/m²
    10180,          1.018,    3.198141, 2971.170511, 10180,       1,        929.0304,   6.4516,    // Candela/cm²
    10.957661,      0.001096, 0.003442, 3.198141,    10.957661,   0.001076, 1,          0.006944,  // Candela/ft²
    1577.903156,    0.15779,  0.495713, 460.53235,   1577.903156, 0.155,    144,        1,         // Candela/in²
};
// clang-format on

static_assert(std::size(kLightFactors) == std::size(kLightLabels) * std::size(kLightLabels));
static_assert(std::size(kLightListItems) == std::size(kLightLabels));

}  // namespace

const Category kLight{"Light", kLightLabels, kLightListItems, ValueKind::Real,
                      SquareTable{kLightFactors}};

}  // namespace convert
