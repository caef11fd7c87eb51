#include "convert/categories.h"

namespace convert {
namespace {

constexpr std::string_view kAngleLabels[]{
    "Radians", "Gradients", "Degrees", "Minutes", "Seconds",
};

// Each direction has its own rounded entry; none is derived from another.
// clang-format off
constexpr double kAngleFactors[]{
    // Radians   Gradients  Degrees    Minutes      Seconds
    1,           63.661977, 57.29578,  3437.746771, 206264.806247,  // Radians
    0.015708,    1,         0.9,       54,          3240,           // Gradients
    0.017453,    1.111111,  1,         60,          3600,           // Degrees
    0.000291,    0.018519,  0.016667,  1,           60,             // Minutes
    0.000005,    0.000309,  0.000278,  0.016667,    1,              // Seconds
};
// clang-format on

static_assert(std::size(kAngleFactors) == std::size(kAngleLabels) * std::size(kAngleLabels));

}  // namespace

const Category kAngle{"Angle", kAngleLabels, kAngleLabels, ValueKind::Real,
                      SquareTable{kAngleFactors}};

}  // namespace convert
