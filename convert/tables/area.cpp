#include "convert/categories.h"

namespace convert {
namespace {

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

// One "Square" is 100 square feet.
constexpr double kAreaFactors[]{
    // km2         Hectare     m2          cm2          mm2            Sq mile     Acre        Square      yd2        ft2         in2
    1,             100,        1000000,    10000000000, 1000000000000, 0.3861,     247.11,     107640,     1196000,   10764000,   1550000000,  // Square kilometer (km²)
    0.01,          1,          10000,      100000000,   10000000000,   0.003861,   2.4711,     1076.4,     11960,     107640,     15500000,    // Hectare
    1e-06,         0.0001,     1,          10000,       1000000,       3.861e-07,  0.00024711, 0.10764,    1.196,     10.764,     1550,        // Square meter (m²)
    1e-10,         1e-08,      0.0001,     1,           100,           3.861e-11,  2.47e-08,   1.0764e-05, 0.0001196, 0.0010764,  0.155,       // Square centimeter (cm²)
    1e-12,         1e-10,      1e-06,      0.01,        1,             3.861e-13,  2.4711e-10, 1.0764e-07, 1.196e-06, 1.0764e-05, 0.00155,     // Square millimeter (mm²)
    2.59,          259,        2590000,    25900000000, 2590000000000, 1,          640,        278780,     3097600,   27878000,   4014500000,  // Square mile
    0.0040469,     0.40469,    4046.9,     40469000,    4046900000,    0.0015625,  1,          435.6,      4840,      43560,      6272600,     // Acre
    9.2903e-06,    0.00092903, 9.2903,     92903,       9290300,       3.587e-06,  0.0022957,  1,          11.111,    100,        14400,       // Square
    8.3613e-07,    8.3613e-05, 0.83613,    8361.3,      836130,        3.2283e-07, 0.00020661, 0.09,       1,         9,          1296,        // Square yard (yd²)
    9.2903e-08,    9.2903e-06, 0.092903,   929.03,      92903,         3.587e-08,  2.2957e-05, 0.01,       0.11111,   1,          144,         // Square foot (ft²)
    6.4516e-10,    6.4516e-08, 0.00064516, 6.4516,      645.16,        2.491e-10,  1.5942e-07, 6.9444e-05, 0.0007716, 0.0069444,  1,           // Square inch (in²)
};
// clang-format on

static_assert(std::size(kAreaFactors) == std::size(kAreaLabels) * std::size(kAreaLabels));

}  // namespace

const Category kArea{"Area", kAreaLabels, kAreaLabels, ValueKind::Real, SquareTable{kAreaFactors}};

}  // namespace convert
