#include "convert/categories.h"

namespace convert {
namespace {

// clang-format off
constexpr std::string_view kEnergyLabels[]{
    "Megajoule (MJ)",
    "Kilojoule (kJ)",
    "Joule (J)",
    "Megacalorie (Mcal)",
    "Kilocalorie (kcal)",
    "Calorie (cal)",
    "Kilowatt hour (kW*h)",
    "Watt hour (W*h)",
    "Watt second (W*s)",
};

// The unit list keeps its own spelling where it differs from the label.
constexpr std::string_view kEnergyListItems[]{
    "Megajoule (MJ)",
    "Kilojoule (kJ)",
    "Joule (J)",
    "Megacalorie (Mcal)",
    "Kilocalorie (kcal)",
    "Calorie (cal)",
    "Kilowatt hour (kW*h)",
    "Watt hour (W*h)    ",
    "Watt second (W*s)",
};

// One calorie is 4.1868 joules; Joule and Watt second share their row and column.
constexpr double kEnergyFactors[]{
    // MJ          kJ         J        Mcal        kcal        cal      kWh         Wh          Ws
    1,             1000,      1000000, 0.23885,    238.85,     238850,  0.27778,    277.78,     1000000,  // Megajoule (MJ)
    0.001,         1,         1000,    0.00023885, 0.23885,    238.85,  0.00027778, 0.27778,    1000,     // Kilojoule (kJ)
    1e-06,         0.001,     1,       2.3885e-07, 0.00023885, 0.23885, 2.7778e-07, 0.00027778, 1,        // Joule (J)
    4.1868,        4186.8,    4186800, 1,          1000,       1000000, 1.163,      1163,       4186800,  // Megacalorie (Mcal)
    0.0041868,     4.1868,    4186.8,  0.001,      1,          1000,    0.001163,   1.163,      4186.8,   // Kilocalorie (kcal)
    4.1868e-06,    0.0041868, 4.1868,  1e-06,      0.001,      1,       1.163e-06,  0.001163,   4.1868,   // Calorie (cal)
    3.6,           3600,      3600000, 0.85985,    859.85,     859850,  1,          1000,       3600000,  // Kilowatt hour (kW*h)
    0.0036,        3.6,       3600,    0.00085985, 0.85985,    859.85,  0.001,      1,          3600,     // Watt hour (W*h)
    1e-06,         0.001,     1,       2.3885e-07, 0.00023885, 0.23885, 2.7778e-07, 0.00027778, 1,        // Watt second (W*s)
};
// clang-format on

static_assert(std::size(kEnergyFactors) == std::size(kEnergyLabels) * std::size(kEnergyLabels));
static_assert(std::size(kEnergyListItems) == std::size(kEnergyLabels));

}  // namespace

const Category kEnergy{"Energy", kEnergyLabels, kEnergyListItems, ValueKind::WholeNumber,
                       SquareTable{kEnergyFactors}};

}  // namespace convert
