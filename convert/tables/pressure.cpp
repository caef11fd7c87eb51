#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kFoot;
using definitions::kInch;
using definitions::kPoundForce;
using definitions::kStandardGravity;

// clang-format off
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

// One of each unit in pascals (SI). The kilogram-force and the pound-force weigh a
// kilogram and an avoirdupois pound under standard gravity, 9.80665 m/s².
constexpr double kPressureSizes[]{
    1e5,                                  // Bar: 100 kPa
    1e3,                                  // Kilopascal
    1e2,                                  // Hectopascal
    1e2,                                  // Millibar: 100 Pa
    1,                                    // Pascal: the SI unit
    kStandardGravity / 1e-4,              // Kg/square centimeter: 1 kgf/cm², 98066.5 Pa
    kStandardGravity,                     // Kg/square meter: 1 kgf/m²
    1e3 * kPoundForce / (kInch * kInch),  // Kilopound/square inch: 1000 lbf/in²
    kPoundForce / (kInch * kInch),        // Pound/square inch: 1 lbf/in², 6894.757 Pa
    kPoundForce / (kFoot * kFoot),        // Pound/square foot: 1 lbf/ft²
};
// clang-format on

static_assert(std::size(kPressureSizes) == std::size(kPressureLabels));
static_assert(std::size(kPressureListItems) == std::size(kPressureLabels));

}  // namespace

const Category kPressure{"Pressure", kPressureLabels, kPressureListItems, ValueKind::Real,
                         kPressureSizes};

}  // namespace convert
