#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kCalorie;
using definitions::kFoot;
using definitions::kHour;
using definitions::kPoundForce;

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

// One of each unit in watts (SI). The calorie is the IT calorie, 4.1868 J; horsepower
// is mechanical horsepower, 550 foot-pounds-force a second.
constexpr double kPowerSizes[]{
    1e6,                        // Megawatt
    1e3,                        // Kilowatt
    1,                          // Watt: the SI unit
    1e3 * kCalorie,             // Kilocalories per second
    kCalorie,                   // Calories per second
    550 * kFoot * kPoundForce,  // Horsepower: 550 ft·lbf/s, 745.69987158227022 W
    1,                          // Joule per second: 1 W
    1 / kHour,                  // Joule per hour
};
// clang-format on

static_assert(std::size(kPowerSizes) == std::size(kPowerLabels));

}  // namespace

const Category kPower{"Power", kPowerLabels, kPowerLabels, ValueKind::Real, kPowerSizes};

}  // namespace convert
