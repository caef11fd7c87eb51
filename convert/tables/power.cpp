#include "convert/categories.h"

namespace convert {
namespace {

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

}  // namespace

const Category kPower{"Power", kPowerLabels, kPowerLabels, ValueKind::Real, SquareTable{}};

}  // namespace convert
