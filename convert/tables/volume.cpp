#include "convert/categories.h"

namespace convert {
namespace {

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

}  // namespace

const Category kVolume{"Volume", kVolumeLabels, kVolumeListItems, ValueKind::Real, TwoGroupTable{{}, {}, {}, 11}};

}  // namespace convert
