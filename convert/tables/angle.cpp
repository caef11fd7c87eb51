#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kPi;

constexpr std::string_view kAngleLabels[]{
    "Radians", "Gradients", "Degrees", "Minutes", "Seconds",
};

// One of each unit in radians (SI). A full turn is 2π rad, 400 grads, 360 degrees.
// clang-format off
constexpr double kAngleSizes[]{
    1,                 // Radians: the SI unit
    kPi / 200,         // Gradients: 1/400 turn
    kPi / 180,         // Degrees: 1/360 turn
    kPi / 180 / 60,    // Minutes: 1/60 degree
    kPi / 180 / 3600,  // Seconds: 1/60 minute
};
// clang-format on

static_assert(std::size(kAngleSizes) == std::size(kAngleLabels));

}  // namespace

const Category kAngle{"Angle", kAngleLabels, kAngleLabels, ValueKind::Real, kAngleSizes};

}  // namespace convert
