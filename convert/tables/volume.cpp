#include "convert/categories.h"

namespace convert {
namespace {

// clang-format off
constexpr std::string_view kVolumeLabels[]{
    "Cubic meter (m³)",
    "Cubic decimeter (dm³)",
    "Cubic centimeter (cc)",
    "Cubic millimeter (mm³)",
    "Hectoliter (hl)",
    "Decaliter",
    "Liter (l)",
    "Deciliter (dl)",
    "Centiliter (cl)",
    "Milliliter (ml)",
    "Microliter (µl)",
    "Acre foot",
    "Cubic yard (yd³)",
    "Cubic foot (ft³)",
    "Cubic inch (in³)",
    "Barrel (petroleum)",
    "Gallon, liquid (gal) (US)",
    "Quart, liquid (qt) (US)",
    "Pint, liquid (pt) (US)",
    "Fluid ounce (oz) (US)",
};

// The unit list keeps its own spelling where it differs from the label.
constexpr std::string_view kVolumeListItems[]{
    "Cubic meter (m³)",
    "Cubic decimeter (dm³)",
    "Cubic centimeter (cc)",
    "Cubic millimeter (mm³)",
    "Hectoliter (hl)",
    "Decaliter",
    "Liter (l)",
    "Deciliter (dl)",
    "Centiliter (cl)",
    "Milliliter (ml) ",
    "Microliter (µl)",
    "Acre foot",
    "Cubic yard (yd³) ",
    "Cubic foot (ft³)",
    "Cubic inch (in³)  ",
    "Barrel (petroleum) ",
    "Gallon, liquid (gal) (US)  ",
    "Quart, liquid (qt) (US) ",
    "Pint, liquid (pt) (US) ",
    "Fluid ounce (oz) (US)",
};

// One unit in cubic metres.
constexpr double kVolumeSourceFactors[]{
    1,          // Cubic meter (m³)
    0.001,      // Cubic decimeter (dm³)
    1e-06,      // Cubic centimeter (cc)
    1e-09,      // Cubic millimeter (mm³)
    0.1,        // Hectoliter (hl)
    0.01,       // Decaliter
    0.001,      // Liter (l)
    0.0001,     // Deciliter (dl)
    1e-05,      // Centiliter (cl)
    1e-06,      // Milliliter (ml)
    1e-09,      // Microliter (µl)
    1233.5,     // Acre foot
    0.76455,    // Cubic yard (yd³)
    0.028317,   // Cubic foot (ft³)
    1.6387e-05, // Cubic inch (in³)
    0.15899,    // Barrel (petroleum)
    0.0037854,  // Gallon, liquid (gal) (US)
    0.00094635, // Quart, liquid (qt) (US)
    0.00047318, // Pint, liquid (pt) (US)
    2.9574e-05, // Fluid ounce (oz) (US)
};

// One cubic metre in each unit.
constexpr double kVolumeBaseRow[]{
    1,          // Cubic meter (m³)
    1000,       // Cubic decimeter (dm³)
    1000000,    // Cubic centimeter (cc)
    1000000000, // Cubic millimeter (mm³)
    10,         // Hectoliter (hl)
    100,        // Decaliter
    1000,       // Liter (l)
    10000,      // Deciliter (dl)
    100000,     // Centiliter (cl)
    1000000,    // Milliliter (ml)
    1000000000, // Microliter (µl)
    0.00081071, // Acre foot
    1.308,      // Cubic yard (yd³)
    35.315,     // Cubic foot (ft³)
    61024,      // Cubic inch (in³)
    6.2898,     // Barrel (petroleum)
    264.17,     // Gallon, liquid (gal) (US)
    1056.7,     // Quart, liquid (qt) (US)
    2113.4,     // Pint, liquid (pt) (US)
    33814,      // Fluid ounce (oz) (US)
};

// The US measures among themselves: a gallon is 231 cubic inches, a barrel 42 gallons.
constexpr double kVolumeGroupFactors[]{
    // Acre foot   Cubic yard  Cubic foot Cubic inch Barrel      Gallon         Quart         Pint         Fluid ounce
    1,             1613.3,     43560,     75272000,  7758.4,     325850,        1303400,      2606800,     41709000,    // Acre foot
    0.00061983,    1,          27,        46656,     4.8089,     201.97,        807.9,        1615.8,      25853,       // Cubic yard (yd³)
    2.2957e-05,    0.037037,   1,         1728,      0.17811,    7.4805,        29.922,       59.844,      957.51,      // Cubic foot (ft³)
    1.3285e-08,    2.1433e-05, 0.0005787, 1,         0.00010307, 0.004329,      0.017316,     0.034632,    0.55411,     // Cubic inch (in³)
    0.00012889,    0.20795,    5.6146,    9702,      1,          42,            168,          336,         5376,        // Barrel (petroleum)
    3.0689e-06,    0.0049511,  0.13368,   231,       0.02381,    1,             4,            8,           128,         // Gallon, liquid (gal) (US)
    7.6722e-07,    0.0012378,  0.03342,   57.75,     0.0059524,  0.25,          1,            2,           32,          // Quart, liquid (qt) (US)
    3.8361e-07,    0.00061889, 0.01671,   28.875,    0.0029762,  0.125,         0.5,          1,           16,          // Pint, liquid (pt) (US)
    2.3976e-08,    3.8681e-05, 0.0010444, 1.8047,    0.00018601, 0.0078125,     0.03125,      0.0625,      1,           // Fluid ounce (oz) (US)
};
// clang-format on

// The metric units come first; the second group starts at the first unit that is not one.
constexpr std::size_t kVolumeFirstGroup = IndexOfLabel(kVolumeLabels, "Acre foot");
constexpr std::size_t kVolumeSecondGroup = std::size(kVolumeLabels) - kVolumeFirstGroup;
static_assert(std::size(kVolumeSourceFactors) == std::size(kVolumeLabels));
static_assert(std::size(kVolumeBaseRow) == std::size(kVolumeLabels));
static_assert(std::size(kVolumeGroupFactors) == kVolumeSecondGroup * kVolumeSecondGroup);
static_assert(std::size(kVolumeListItems) == std::size(kVolumeLabels));

}  // namespace

const Category kVolume{
    "Volume", kVolumeLabels, kVolumeListItems, ValueKind::Real,
    TwoGroupTable{kVolumeSourceFactors, kVolumeBaseRow, kVolumeGroupFactors, kVolumeFirstGroup}};

}  // namespace convert
