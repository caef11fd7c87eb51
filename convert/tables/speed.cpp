#include "convert/categories.h"

namespace convert {
namespace {

constexpr std::string_view kSpeedLabels[]{
    "Kilometer per second (km/s)",
    "Meter per second (m/s)",
    "Kilometer per hour",
    "Meter per minute",
    "Mile per second",
    "Mile per hour (mph)",
    "Foot per second",
};

}  // namespace

const Category kSpeed{"Speed", kSpeedLabels, kSpeedLabels, ValueKind::Real, SquareTable{}};

}  // namespace convert
