#include "convert/categories.h"

namespace convert {
namespace {

constexpr std::string_view kTimeLabels[]{
    "Century",
    "Week",
    "Day",
    "Hour",
    "Minute (min)",
    "Second (sec)",
};

}  // namespace

const Category kTime{"Time", kTimeLabels, kTimeLabels, ValueKind::Real, SquareTable{}};

}  // namespace convert
