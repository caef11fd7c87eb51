#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kHour;
using definitions::kPi;

// clang-format off
constexpr std::string_view kFrequencyLabels[]{
    "Cycle/second",
    "Degree/hour",
    "Degree/minute",
    "Degree/second",
    "Millihertz",
    "Hertz",
    "Kilohertz",
    "Megahertz",
    "Gigahertz",
    "Terrahertz",
    "Radian/hour",
    "Radian/minute",
    "Radian/second",
    "Revolution/hour",
    "Revolution/minute",
    "Revolution/second",
};

// One of each unit in hertz, cycles per second (SI). A cycle is one revolution: 360
// degrees or 2π radians.
constexpr double kFrequencySizes[]{
    1,                      // Cycle/second: 1 Hz
    1 / 360.0 / kHour,      // Degree/hour: 1/360 revolution an hour
    1 / 360.0 / 60,         // Degree/minute
    1 / 360.0,              // Degree/second
    1e-3,                   // Millihertz
    1,                      // Hertz: the SI unit
    1e3,                    // Kilohertz
    1e6,                    // Megahertz
    1e9,                    // Gigahertz
    1e12,                   // Terahertz
    1 / (2 * kPi) / kHour,  // Radian/hour: 1/2π revolution an hour
    1 / (2 * kPi) / 60,     // Radian/minute
    1 / (2 * kPi),          // Radian/second
    1 / kHour,              // Revolution/hour
    1 / 60.0,               // Revolution/minute
    1,                      // Revolution/second: 1 Hz
};
// clang-format on

static_assert(std::size(kFrequencySizes) == std::size(kFrequencyLabels));

}  // namespace

const Category kFrequency{"Frequency", kFrequencyLabels, kFrequencyLabels, ValueKind::Real,
                          kFrequencySizes};

}  // namespace convert
