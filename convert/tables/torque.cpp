#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kFoot;
using definitions::kInch;
using definitions::kPoundForce;
using definitions::kStandardGravity;

// clang-format off
constexpr std::string_view kTorqueLabels[]{
    "Dyne Centimeters",
    "Foot-Pounds",
    "Inch-Pounds",
    "Kilogram-Meter",
    "Meter-Newtons",
};

// One of each unit in newton metres (SI). Pound-force and kilogram-force under standard
// gravity; a dyne is 10⁻⁵ N.
constexpr double kTorqueSizes[]{
    1e-7,                 // Dyne Centimeters: 10⁻⁵ N × 0.01 m
    kPoundForce * kFoot,  // Foot-Pounds: 1 lbf·ft, 1.3558179483314004 N·m
    kPoundForce * kInch,  // Inch-Pounds: 1 lbf·in
    kStandardGravity,     // Kilogram-Meter: 1 kgf·m
    1,                    // Meter-Newtons: the SI unit
};
// clang-format on

static_assert(std::size(kTorqueSizes) == std::size(kTorqueLabels));

}  // namespace

const Category kTorque{"Torque", kTorqueLabels, kTorqueLabels, ValueKind::Real, kTorqueSizes};

}  // namespace convert
