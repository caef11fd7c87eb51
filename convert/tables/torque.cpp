#include "convert/categories.h"

namespace convert {
namespace {

constexpr std::string_view kTorqueLabels[]{
    "Dyne Centimeters",
    "Foot-Pounds",
    "Inch-Pounds",
    "Kilogram-Meter",
    "Meter-Newtons",
};

}  // namespace

const Category kTorque{"Torque", kTorqueLabels, kTorqueLabels, ValueKind::Real, SquareTable{}};

}  // namespace convert
