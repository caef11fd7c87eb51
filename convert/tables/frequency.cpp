#include "convert/categories.h"

namespace convert {
namespace {

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

}  // namespace

const Category kFrequency{"Frequency", kFrequencyLabels, kFrequencyLabels, ValueKind::Real, SquareTable{}};

}  // namespace convert
