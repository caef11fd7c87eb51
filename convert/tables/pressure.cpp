#include "convert/categories.h"

namespace convert {
namespace {

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

// Kg/square meter to Pascal is 9.8066 while Kg/square centimeter to Pascal is 98067; both
// are the table's own values, kept as the product has always shown them.
constexpr double kPressureFactors[]{
    // Bar         kPa        hPa       Millibar  Pa       kgf/cm2     kgf/m2   ksi         psi         lb/ft2
    1,             100,       1000,     1000,     100000,  1.0197,     10197,   0.014504,   14.504,     2088.5,    // Bar
    0.01,          1,         10,       10,       1000,    0.010197,   101.97,  0.00014504, 0.14504,    20.885,    // Kilopascal (kPa)
    0.001,         0.1,       1,        1,        100,     0.0010197,  10.197,  1.4504e-05, 0.014504,   2.0885,    // Hectopascal (hPa)
    0.001,         0.1,       1,        1,        100,     0.0010197,  10.197,  1.4504e-05, 0.014504,   2.0885,    // Millibar
    1e-05,         0.001,     0.01,     0.01,     1,       1.0197e-05, 0.10197, 1.4504e-07, 0.00014504, 0.020885,  // Pascal (Pa)
    0.98067,       98.067,    980.67,   980.67,   98067,   1,          10000,   0.014223,   14.223,     2048.2,    // Kg/square centimeter (kgf/cm²)
    9.8067e-05,    0.0098067, 0.098067, 0.098067, 9.8066,  0.0001,     1,       1.4223e-06, 0.0014223,  0.20482,   // Kg/square meter (kgf/m²)
    68.948,        6894.8,    68948,    68948,    6894800, 70.307,     703070,  1,          1000,       144000,    // Kilopound/square inch (ksi)
    0.068948,      6.8948,    68.948,   68.948,   6894.8,  0.070307,   703.07,  0.001,      1,          144,       // Pound/square inch (psi)
    0.0004788,     0.04788,   0.4788,   0.4788,   47.88,   0.00048824, 4.8824,  6.9444e-06, 0.0069444,  1,         // Pound/square foot
};
// clang-format on

static_assert(std::size(kPressureFactors) ==
              std::size(kPressureLabels) * std::size(kPressureLabels));
static_assert(std::size(kPressureListItems) == std::size(kPressureLabels));

}  // namespace

const Category kPressure{"Pressure", kPressureLabels, kPressureListItems, ValueKind::Real,
                         SquareTable{kPressureFactors}};

}  // namespace convert
