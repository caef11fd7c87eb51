// The unit list and the labels box spell a few units differently, trailing blanks
// included; everywhere else the two texts are the same.
#include <gtest/gtest.h>

#include <map>
#include <string_view>
#include <utility>

#include "convert/categories.h"
#include "convert/temperature_formula.h"

namespace convert {
namespace {

using Spellings = std::map<std::size_t, std::pair<std::string_view, std::string_view>>;

struct NamesCase {
    const Category* category;
    Spellings differences;  // unit index: (list item, label)
};

void PrintTo(const NamesCase& c, std::ostream* os)
{
    *os << c.category->caption;
}

class UnitNamesTest : public ::testing::TestWithParam<NamesCase> {};

TEST_P(UnitNamesTest, ListItemsDifferFromLabelsOnlyWhereTheyShould)
{
    const NamesCase& c = GetParam();
    for (std::size_t k = 0; k < c.category->labels.size(); ++k) {
        const auto difference = c.differences.find(k);
        if (difference == c.differences.end()) {
            EXPECT_EQ(c.category->listItems[k], c.category->labels[k]) << "unit " << k;
        } else {
            EXPECT_EQ(c.category->listItems[k], difference->second.first) << "unit " << k;
            EXPECT_EQ(c.category->labels[k], difference->second.second) << "unit " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Categories, UnitNamesTest,
    ::testing::Values(
        NamesCase{&kAngle, {}}, NamesCase{&kArea, {}},
        NamesCase{&kComputerStorage, {{6, {"Kilobyte (KB)", "kilobyte (KB)"}}}},
        NamesCase{&kCooking, {}},
        NamesCase{&kEnergy, {{7, {"Watt hour (W*h)    ", "Watt hour (W*h)"}}}},
        NamesCase{&kFrequency, {}}, NamesCase{&kLength, {}},
        NamesCase{&kLight,
                  {{4, {"Candela / m²", "Candela/m²"}},
                   {5, {"Candela / cm²", "Candela/cm²"}},
                   {6, {"Candela / ft²", "Candela/ft²"}},
                   {7, {"Candela / in²", "Candela/in²"}}}},
        NamesCase{&kPower, {}},
        NamesCase{&kPressure,
                  {{5, {"Kilogram/square centimeter (kgf/cm²)", "Kg/square centimeter (kgf/cm²)"}},
                   {6, {"Kilogram/square meter (kgf/m²)", "Kg/square meter (kgf/m²)"}},
                   {9, {"Pound per square foot", "Pound/square foot"}}}},
        NamesCase{&kSpeed, {}}, NamesCase{&kTime, {}}, NamesCase{&kTorque, {}},
        NamesCase{&kVolume,
                  {{9, {"Milliliter (ml) ", "Milliliter (ml)"}},
                   {12, {"Cubic yard (yd³) ", "Cubic yard (yd³)"}},
                   {14, {"Cubic inch (in³)  ", "Cubic inch (in³)"}},
                   {15, {"Barrel (petroleum) ", "Barrel (petroleum)"}},
                   {16, {"Gallon, liquid (gal) (US)  ", "Gallon, liquid (gal) (US)"}},
                   {17, {"Quart, liquid (qt) (US) ", "Quart, liquid (qt) (US)"}},
                   {18, {"Pint, liquid (pt) (US) ", "Pint, liquid (pt) (US)"}}}},
        NamesCase{&kWeight,
                  {{8, {"Pound (lb)  (Avoir)*", "Pound (lb) (Avoir)"}},
                   {9, {"Ounce (Avoir)*", "Ounce (Avoir)"}}}}));

TEST(TemperatureNamesTest, LabelsHaveNoBlankBeforeTheParenthesis)
{
    EXPECT_EQ(kTemperatureListItems,
              (std::array<std::string_view, 3>{"Celsius (°C)", "Farenheit (°F)", "Kelvin (K)"}));
    EXPECT_EQ(kTemperatureLabels,
              (std::array<std::string_view, 3>{"Celsius(°C)", "Farenheit(°F)", "Kelvin(K)"}));
}

}  // namespace
}  // namespace convert
