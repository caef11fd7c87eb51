#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kCubicInch;
using definitions::kFoot;
using definitions::kUsFluidOunce;
using definitions::kUsGallon;
using definitions::kYard;

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

// One of each unit in cubic metres (SI). The litre is 1 dm³ (1964); the acre foot, cubic
// yard, foot and inch come from the international foot; the US liquid measures from the
// gallon of 231 in³, and a petroleum barrel is 42 of those gallons.
constexpr double kVolumeSizes[]{
    1,                              // Cubic meter: the SI unit
    1e-3,                           // Cubic decimeter
    1e-6,                           // Cubic centimeter
    1e-9,                           // Cubic millimeter
    1e-1,                           // Hectoliter
    1e-2,                           // Decaliter
    1e-3,                           // Liter: 1 dm³
    1e-4,                           // Deciliter
    1e-5,                           // Centiliter
    1e-6,                           // Milliliter
    1e-9,                           // Microliter
    43560 * kFoot * kFoot * kFoot,  // Acre foot: an acre of 43,560 ft², one foot deep
    kYard * kYard * kYard,          // Cubic yard
    kFoot * kFoot * kFoot,          // Cubic foot
    kCubicInch,                     // Cubic inch
    42 * kUsGallon,                 // Barrel (petroleum): 42 US gallons
    kUsGallon,                      // Gallon, liquid (US): 231 in³
    kUsGallon / 4,                  // Quart, liquid (US)
    kUsGallon / 8,                  // Pint, liquid (US)
    kUsFluidOunce,                  // Fluid ounce (US): 1/128 gallon
};
// clang-format on

static_assert(std::size(kVolumeSizes) == std::size(kVolumeLabels));
static_assert(std::size(kVolumeListItems) == std::size(kVolumeLabels));

}  // namespace

const Category kVolume{"Volume", kVolumeLabels, kVolumeListItems, ValueKind::Real, kVolumeSizes};

}  // namespace convert
