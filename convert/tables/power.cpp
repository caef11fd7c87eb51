#include "convert/categories.h"

namespace convert {
namespace {

// clang-format off
constexpr std::string_view kPowerLabels[]{
    "Megawatt (MW)",
    "Kilowatt (kW)",
    "Watt (W)",
    "Kilocalories per second",
    "Calories per second",
    "Horsepower (hp)",
    "Joule per second",
    "Joule per hour",
};

// One horsepower is 745.7 watts and one kilocalorie per second 4186.8 watts.
constexpr double kPowerFactors[]{
    // MW          kW          W           kcal/s      cal/s       hp          J/s         J/h
    1,             1000,       1000000,    238.85,     238850,     1341,       1000000,    3600000000,  // Megawatt (MW)
    0.001,         1,          1000,       0.23885,    238.85,     1.341,      1000,       3600000,     // Kilowatt (kW)
    1e-06,         0.001,      1,          0.00023885, 0.23885,    0.001341,   1,          3600,        // Watt (W)
    0.0041868,     4.1868,     4186.8,     1,          1000,       5.6146,     4186.8,     15072000,    // Kilocalories per second
    4.1868e-06,    0.0041868,  4.1868,     0.001,      1,          0.0056146,  4.1868,     15072,       // Calories per second
    0.0007457,     0.7457,     745.7,      0.17811,    178.11,     1,          745.7,      2684500,     // Horsepower (hp)
    1e-06,         0.001,      1,          0.00023885, 0.23885,    0.001341,   1,          3600,        // Joule per second
    2.7778e-10,    2.7778e-07, 0.00027778, 6.6346e-08, 6.6346e-05, 3.7251e-07, 0.00027778, 1,           // Joule per hour
};
// clang-format on

static_assert(std::size(kPowerFactors) == std::size(kPowerLabels) * std::size(kPowerLabels));

}  // namespace

const Category kPower{"Power", kPowerLabels, kPowerLabels, ValueKind::Real,
                      SquareTable{kPowerFactors}};

}  // namespace convert
