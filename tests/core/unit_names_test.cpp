// The names velkari-cli takes for a unit: what people type, and never a guess between
// two units.
#include "convert/unit_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "convert/categories.h"
#include "convert/temperature_formula.h"

namespace convert {
namespace {

std::vector<UnitTexts> AllCategories()
{
    std::vector<UnitTexts> all;
    for (const convert::Category* category : convert::kConverterCategories) {
        all.push_back({category->caption, category->labels, category->listItems});
    }
    all.push_back({"Temperature", convert::kTemperatureLabels, convert::kTemperatureListItems});
    return all;
}

UnitTexts Named(std::string_view caption)
{
    const auto all = AllCategories();
    return *std::find_if(all.begin(), all.end(),
                         [&](const UnitTexts& units) { return units.caption == caption; });
}

std::size_t IndexOf(const UnitTexts& units, std::string_view label)
{
    return static_cast<std::size_t>(std::find(units.labels.begin(), units.labels.end(), label) -
                                    units.labels.begin());
}

TEST(UnitNames, NoNameFitsTwoUnitsOfACategoryAndEveryAliasNamesAUnit)
{
    for (const UnitTexts& units : AllCategories()) {
        EXPECT_EQ(AmbiguousNames(units, UnitAliases()), std::vector<std::string>{})
            << units.caption;
    }
    for (const UnitAlias& alias : UnitAliases()) {
        const UnitTexts units = Named(alias.category);
        EXPECT_LT(IndexOf(units, alias.label), units.labels.size()) << alias.alias;
    }
}

TEST(UnitNames, ANameGivenToTwoUnitsIsFoundAndMatchesBoth)
{
    std::vector<UnitAlias> aliases(UnitAliases().begin(), UnitAliases().end());
    aliases.push_back({"Length", "FT", "Meter (m)"});
    const UnitTexts length = Named("Length");
    EXPECT_EQ(AmbiguousNames(length, aliases), std::vector<std::string>{"ft"});
    EXPECT_EQ(MatchUnit(length, aliases, "ft"), (std::vector<std::size_t>{1, 10}));
}

struct Typed {
    std::string_view category;
    std::string_view text;
    std::string_view label;
};

void PrintTo(const Typed& c, std::ostream* os)
{
    *os << c.category << " '" << c.text << "'";
}

class TypedName : public ::testing::TestWithParam<Typed> {};

TEST_P(TypedName, FindsItsUnit)
{
    const UnitTexts units = Named(GetParam().category);
    EXPECT_EQ(MatchUnit(units, UnitAliases(), GetParam().text),
              std::vector<std::size_t>{IndexOf(units, GetParam().label)});
}

INSTANTIATE_TEST_SUITE_P(
    WhatPeopleType, TypedName,
    ::testing::Values(
        Typed{"Length", " FOOT (FT) ", "Foot (ft)"}, Typed{"Length", "ft", "Foot (ft)"},
        Typed{"Length", "Feet", "Foot (ft)"}, Typed{"Length", "metres", "Meter (m)"},
        Typed{"Length", "km", "Kilometer (km)"},
        Typed{"Pressure", "Kilogram/square centimeter", "Kg/square centimeter (kgf/cm²)"},
        Typed{"Pressure", "kgf/cm2", "Kg/square centimeter (kgf/cm²)"},
        Typed{"Pressure", "psi", "Pound/square inch (psi)"},
        Typed{"Volume", "Cubic yard", "Cubic yard (yd³)"},
        Typed{"Volume", "m³", "Cubic meter (m³)"}, Typed{"Volume", "in^3", "Cubic inch (in³)"},
        Typed{"Volume", "cm3", "Cubic centimeter (cc)"}, Typed{"Volume", "ul", "Microliter (µl)"},
        Typed{"Volume", "μl", "Microliter (µl)"}, Typed{"Volume", "litres", "Liter (l)"},
        Typed{"Area", "m2", "Square meter (m²)"}, Typed{"Area", "yd²", "Square yard (yd²)"},
        Typed{"Area", "Square", "Square"}, Typed{"Weight", "mcg", "Microgram (mcg)"},
        Typed{"Weight", "grams", "Gram (g)"}, Typed{"Weight", "Pound", "Pound (lb) (Avoir)"},
        Typed{"Speed", "mph", "Mile per hour (mph)"},
        Typed{"Temperature", "Fahrenheit", "Farenheit(°F)"},
        Typed{"Temperature", "°C", "Celsius(°C)"}, Typed{"Temperature", "degC", "Celsius(°C)"},
        Typed{"Temperature", "K", "Kelvin(K)"}));

}  // namespace
}  // namespace convert
