#include "convert/categories.h"

namespace convert {
namespace {

// clang-format off
constexpr std::string_view kTimeLabels[]{
    "Century",
    "Week",
    "Day",
    "Hour",
    "Minute (min)",
    "Second (sec)",
};

// One century is 36524 days; its row and column carry five significant digits.
constexpr double kTimeFactors[]{
    // Century     Week        Day         Hour        Minute    Second
    1,             5217.7,     36524,      876580,     52595000, 3155700000,  // Century
    0.00019165,    1,          7,          168,        10080,    604800,      // Week
    2.7379e-05,    0.14286,    1,          24,         1440,     86400,       // Day
    1.1408e-06,    0.0059524,  0.041667,   1,          60,       3600,        // Hour
    1.9013e-08,    9.9206e-05, 0.00069444, 0.016667,   1,        60,          // Minute (min)
    3.1689e-10,    1.6534e-06, 1.1574e-05, 0.00027778, 0.016667, 1,           // Second (sec)
};
// clang-format on

static_assert(std::size(kTimeFactors) == std::size(kTimeLabels) * std::size(kTimeLabels));

}  // namespace

const Category kTime{"Time", kTimeLabels, kTimeLabels, ValueKind::Real, SquareTable{kTimeFactors}};

}  // namespace convert
