#include "convert/categories.h"

namespace convert {
namespace {

// clang-format off
constexpr std::string_view kSpeedLabels[]{
    "Kilometer per second (km/s)",
    "Meter per second (m/s)",
    "Kilometer per hour",
    "Meter per minute",
    "Mile per second",
    "Mile per hour (mph)",
    "Foot per second",
};

// One mile is 1.6093 kilometres throughout.
constexpr double kSpeedFactors[]{
    // km/s        m/s       km/h    m/min   mi/s        mph       ft/s
    1,             1000,     3600,   60000,  0.62137,    2236.9,   3280.8,    // Kilometer per second (km/s)
    0.001,         1,        3.6,    60,     0.00062137, 2.2369,   3.2808,    // Meter per second (m/s)
    0.00027778,    0.27778,  1,      16.667, 0.0001726,  0.62137,  0.91134,   // Kilometer per hour
    1.6667e-05,    0.016667, 0.06,   1,      1.0356e-05, 0.037282, 0.054681,  // Meter per minute
    1.6093,        1609.3,   5793.6, 96561,  1,          3600,     5280,      // Mile per second
    0.00044704,    0.44704,  1.6093, 26.822, 0.00027778, 1,        1.4667,    // Mile per hour (mph)
    0.0003048,     0.3048,   1.0973, 18.288, 0.00018939, 0.68182,  1,         // Foot per second
};
// clang-format on

static_assert(std::size(kSpeedFactors) == std::size(kSpeedLabels) * std::size(kSpeedLabels));

}  // namespace

const Category kSpeed{"Speed", kSpeedLabels, kSpeedLabels, ValueKind::Real,
                      SquareTable{kSpeedFactors}};

}  // namespace convert
