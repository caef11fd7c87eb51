#include "convert/categories.h"

namespace convert {
namespace {

constexpr std::string_view kPressureLabels[]{
    "Bar",
    "Kilopascal (kPa)",
    "Hectopascal (hPa)",
    "Millibar",
    "Pascal (Pa)",
    "Kg/square centimeter (kgf/cm²)",
    "Kg/square meter (kgf/m²)",
    "Kilopound/square inch (ksi)",
    "Pound/square inch (psi)",
    "Pound/square foot",
};

// The unit list keeps its own spelling where it differs from the label.
constexpr std::string_view kPressureListItems[]{
    "Bar",
    "Kilopascal (kPa)",
    "Hectopascal (hPa)",
    "Millibar",
    "Pascal (Pa)",
    "Kilogram/square centimeter (kgf/cm²)",
    "Kilogram/square meter (kgf/m²)",
    "Kilopound/square inch (ksi)",
    "Pound/square inch (psi)",
    "Pound per square foot",
};

}  // namespace

const Category kPressure{"Pressure", kPressureLabels, kPressureListItems, ValueKind::Real, SquareTable{}};

}  // namespace convert
