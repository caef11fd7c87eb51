#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kFoot;
using definitions::kHour;
using definitions::kMile;

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

// One of each unit in metres per second (SI); the mile and foot are the international ones.
constexpr double kSpeedSizes[]{
    1e3,            // Kilometer per second
    1,              // Meter per second: the SI unit
    1e3 / kHour,    // Kilometer per hour
    1 / 60.0,       // Meter per minute
    kMile,          // Mile per second
    kMile / kHour,  // Mile per hour: 0.44704 m/s
    kFoot,          // Foot per second
};
// clang-format on

static_assert(std::size(kSpeedSizes) == std::size(kSpeedLabels));

}  // namespace

const Category kSpeed{"Speed", kSpeedLabels, kSpeedLabels, ValueKind::Real, kSpeedSizes};

}  // namespace convert
