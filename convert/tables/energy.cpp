#include "convert/categories.h"

namespace convert {
namespace {

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

}  // namespace

const Category kEnergy{"Energy", kEnergyLabels, kEnergyListItems, ValueKind::WholeNumber, SquareTable{}};

}  // namespace convert
