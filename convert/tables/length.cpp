#include "convert/categories.h"

namespace convert {
namespace {

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

// One unit in kilometres. A mile is 1.6093 here, not 1.609344.
constexpr double kLengthSourceFactors[]{
    1,         // Kilometer (km)
    0.001,     // Meter (m)
    0.0001,    // Decimeter (dm)
    1e-05,     // Centimeter (cm)
    1e-06,     // Millimeter (mm)
    1e-09,     // Micron
    1e-12,     // Nanometer (nm)
    1e-13,     // Angstrom
    1.6093,    // Mile (mi)
    0.0009144, // Yard (yd)
    0.0003048, // Foot (ft)
    2.54e-05,  // Inch (in)
};

// One kilometre in each unit.
constexpr double kLengthBaseRow[]{
    1,              // Kilometer (km)
    1000,           // Meter (m)
    10000,          // Decimeter (dm)
    100000,         // Centimeter (cm)
    1000000,        // Millimeter (mm)
    1000000000,     // Micron
    1000000000000,  // Nanometer (nm)
    10000000000000, // Angstrom
    0.62137,        // Mile (mi)
    1093.6,         // Yard (yd)
    3280.8,         // Foot (ft)
    39370,          // Inch (in)
};

// The imperial units among themselves.
constexpr double kLengthGroupFactors[]{
    // Mile        Yard      Foot      Inch
    1,             1760,     5280,     63360,  // Mile (mi)
    0.00056818,    1,        3,        36,     // Yard (yd)
    0.00018939,    0.33333,  1,        12,     // Foot (ft)
    1.5783e-05,    0.027778, 0.083333, 1,      // Inch (in)
};
// clang-format on

// The metric units come first; the second group starts at the first unit that is not one.
constexpr std::size_t kLengthFirstGroup = IndexOfLabel(kLengthLabels, "Mile (mi)");
constexpr std::size_t kLengthSecondGroup = std::size(kLengthLabels) - kLengthFirstGroup;
static_assert(std::size(kLengthSourceFactors) == std::size(kLengthLabels));
static_assert(std::size(kLengthBaseRow) == std::size(kLengthLabels));
static_assert(std::size(kLengthGroupFactors) == kLengthSecondGroup * kLengthSecondGroup);

}  // namespace

const Category kLength{
    "Length", kLengthLabels, kLengthLabels, ValueKind::Real,
    TwoGroupTable{kLengthSourceFactors, kLengthBaseRow, kLengthGroupFactors, kLengthFirstGroup}};

}  // namespace convert
