#include "convert/categories.h"

namespace convert {
namespace {

// clang-format off
constexpr std::string_view kTorqueLabels[]{
    "Dyne Centimeters",
    "Foot-Pounds",
    "Inch-Pounds",
    "Kilogram-Meter",
    "Meter-Newtons",
};

// One Meter-Newton is 9991289.240973 Dyne Centimeters here, not 10000000, and the rest of its
// row and column follow from that size; the table's own values, kept as the product has always
// shown them. Dyne Centimeters to Inch-Pounds is cut at six decimal places (1e-06) where the rest
// of its row keeps six significant digits.
constexpr double kTorqueFactors[]{
    // Dyne cm          Foot-lb      Inch-lb    Kg-m         N-m
    1,                  7.37562e-08, 1e-06,     1.01972e-08, 1.00087e-07,  // Dyne Centimeters
    13558179.5,         1,           12,        0.138255,    1.357,        // Foot-Pounds
    1129848.291667,     0.083333,    1,         0.011521,    0.113083,     // Inch-Pounds
    98066496.131495,    7.233014,    86.796163, 1,           9.815199,     // Kilogram-Meter
    9991289.240973,     0.73692,     8.843036,  0.101883,    1,            // Meter-Newtons
};
// clang-format on

static_assert(std::size(kTorqueFactors) == std::size(kTorqueLabels) * std::size(kTorqueLabels));

}  // namespace

const Category kTorque{"Torque", kTorqueLabels, kTorqueLabels, ValueKind::Real,
                       SquareTable{kTorqueFactors}};

}  // namespace convert
