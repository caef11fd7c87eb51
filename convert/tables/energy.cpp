#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kCalorie;
using definitions::kHour;

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

// One of each unit in joules (SI). The calorie is the International Steam Table calorie,
// 4.1868 J; a watt second is a joule, a watt hour 3600 of them.
constexpr double kEnergySizes[]{
    1e6,             // Megajoule
    1e3,             // Kilojoule
    1,               // Joule: the SI unit
    1e6 * kCalorie,  // Megacalorie: 10⁶ IT calories
    1e3 * kCalorie,  // Kilocalorie: 1000 IT calories
    kCalorie,        // Calorie: the IT calorie, 4.1868 J
    1e3 * kHour,     // Kilowatt hour: 3.6 MJ
    kHour,           // Watt hour: 3600 J
    1,               // Watt second: 1 J
};
// clang-format on

static_assert(std::size(kEnergySizes) == std::size(kEnergyLabels));
static_assert(std::size(kEnergyListItems) == std::size(kEnergyLabels));

}  // namespace

const Category kEnergy{"Energy", kEnergyLabels, kEnergyListItems, ValueKind::WholeNumber,
                       kEnergySizes};

}  // namespace convert
