#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kFoot;
using definitions::kInch;
using definitions::kMile;
using definitions::kYard;

// clang-format off
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

// One of each unit in metres (SI). Mile, yard, foot and inch are the international ones
// of 1959: the inch is 25.4 mm.
constexpr double kLengthSizes[]{
    1e3,    // Kilometer
    1,      // Meter: the SI unit
    1e-1,   // Decimeter
    1e-2,   // Centimeter
    1e-3,   // Millimeter
    1e-6,   // Micron: the micrometre
    1e-9,   // Nanometer
    1e-10,  // Angstrom: 0.1 nm
    kMile,  // Mile: 1760 yards, 1609.344 m
    kYard,  // Yard: 3 feet, 0.9144 m
    kFoot,  // Foot: 12 inches, 0.3048 m
    kInch,  // Inch: 25.4 mm
};
// clang-format on

static_assert(std::size(kLengthSizes) == std::size(kLengthLabels));

}  // namespace

const Category kLength{"Length", kLengthLabels, kLengthLabels, ValueKind::Real, kLengthSizes};

}  // namespace convert
