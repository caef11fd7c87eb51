#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kDay;
using definitions::kGregorianYear;
using definitions::kHour;

// clang-format off
constexpr std::string_view kTimeLabels[]{
    "Century",
    "Week",
    "Day",
    "Hour",
    "Minute (min)",
    "Second (sec)",
};

// One of each unit in seconds (SI). A century is 100 Gregorian years of 365.2425 days.
constexpr double kTimeSizes[]{
    100 * kGregorianYear,  // Century: 36,524.25 days
    7 * kDay,              // Week
    kDay,                  // Day: 86,400 s
    kHour,                 // Hour
    60,                    // Minute
    1,                     // Second: the SI unit
};
// clang-format on

static_assert(std::size(kTimeSizes) == std::size(kTimeLabels));

}  // namespace

const Category kTime{"Time", kTimeLabels, kTimeLabels, ValueKind::Real, kTimeSizes};

}  // namespace convert
