#include "convert/categories.h"

namespace convert {
namespace {

constexpr std::string_view kLengthLabels[]{
    "Kilometer (km)",
    "Meter (m)",
    "Decimeter (dm)",
    "Centimeter (cm)",
    "Millimeter (mm)",
    "Micron",
    "Nanometer (nm)",
    "Angstrom",
    "Mile (mi)",
    "Yard (yd)",
    "Foot (ft)",
    "Inch (in)",
};

}  // namespace

const Category kLength{"Length", kLengthLabels, kLengthLabels, ValueKind::Real, TwoGroupTable{{}, {}, {}, 8}};

}  // namespace convert
