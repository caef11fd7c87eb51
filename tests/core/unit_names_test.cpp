// The names velkari-cli takes for a unit: what people type, and never a guess between
// two units.
#include "convert/unit_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "convert/categories.h"
#include "convert/name_index.h"
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

// The names of the query grammar, the window's unit lists and velkari-cli's UNIT.
struct Spelled {
    std::string_view caption;
    std::string_view text;
    std::string_view label;
};

void PrintTo(const Spelled& c, std::ostream* os)
{
    *os << c.caption << " '" << c.text << "'";
}

class NameOfUnit : public ::testing::TestWithParam<Spelled> {};

TEST_P(NameOfUnit, NamesItsUnit)
{
    const UnitTexts units = Named(GetParam().caption);
    EXPECT_EQ(UnitNamed(GetParam().caption, GetParam().text),
              static_cast<int>(IndexOf(units, GetParam().label)));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    CommonUse, NameOfUnit,
    ::testing::Values(
        Spelled{"Angle", "°", "Degrees"}, Spelled{"Angle", "grad", "Gradients"},
        Spelled{"Angle", "gon", "Gradients"}, Spelled{"Angle", "′", "Minutes"},
        Spelled{"Angle", "″", "Seconds"}, Spelled{"Angle", "arcmin", "Minutes"},
        Spelled{"Area", "ha", "Hectare"}, Spelled{"Area", "sq ft", "Square foot (ft²)"},
        Spelled{"Area", "ft²", "Square foot (ft²)"}, Spelled{"Area", "square feet", "Square foot (ft²)"},
        Spelled{"Area", "sq mi", "Square mile"}, Spelled{"Area", "acres", "Acre"},
        Spelled{"Computer Storage", "B", "Byte (octet)"}, Spelled{"Computer Storage", "b", "Bit"},
        Spelled{"Computer Storage", "kB", "kilobyte (KB)"}, Spelled{"Computer Storage", "KB", "kilobyte (KB)"},
        Spelled{"Computer Storage", "Kb", "Kilobit"}, Spelled{"Computer Storage", "Kbit", "Kilobit"},
        Spelled{"Computer Storage", "GiB", "Gigabyte (GB)"}, Spelled{"Computer Storage", "MiB", "Megabyte (MB)"},
        Spelled{"Computer Storage", "KiB", "kilobyte (KB)"}, Spelled{"Computer Storage", "Gibit", "Gigabit"},
        Spelled{"Computer Storage", "Mibit", "Megabit"}, Spelled{"Computer Storage", "Kibit", "Kilobit"},
        Spelled{"Computer Storage", "gibibytes", "Gigabyte (GB)"},
        Spelled{"Torque", "in lb", "Inch-Pounds"}, Spelled{"Torque", "lbf in", "Inch-Pounds"},
        Spelled{"Torque", "in-lb", "Inch-Pounds"}, Spelled{"Torque", "in·lbf", "Inch-Pounds"},
        Spelled{"Torque", "kgf m", "Kilogram-Meter"}, Spelled{"Torque", "kg m", "Kilogram-Meter"},
        Spelled{"Torque", "kgf·m", "Kilogram-Meter"}, Spelled{"Torque", "dyn cm", "Dyne Centimeters"},
        Spelled{"Torque", "N·m", "Meter-Newtons"}, Spelled{"Cooking", "oz", "Fluid ounce (US)"},
        Spelled{"Computer Storage", "MB", "Megabyte (MB)"}, Spelled{"Computer Storage", "Mb", "Megabit"},
        Spelled{"Computer Storage", "GB", "Gigabyte (GB)"}, Spelled{"Computer Storage", "Gbit", "Gigabit"},
        Spelled{"Computer Storage", "bytes", "Byte (octet)"},
        Spelled{"Cooking", "cups", "Cup (US)"}, Spelled{"Cooking", "tbsp", "Tablespoon (US)"},
        Spelled{"Cooking", "tsp", "Teaspoon (US)"}, Spelled{"Cooking", "fl oz", "Fluid ounce (US)"},
        Spelled{"Cooking", "fl dr", "Fluid dram"}, Spelled{"Cooking", "pinches", "Pinch"},
        Spelled{"Cooking", "mL", "Milliliter"}, Spelled{"Cooking", "L", "Liter"},
        Spelled{"Energy", "kWh", "Kilowatt hour (kW*h)"}, Spelled{"Energy", "kcal", "Kilocalorie (kcal)"},
        Spelled{"Energy", "Mcal", "Megacalorie (Mcal)"}, Spelled{"Energy", "MJ", "Megajoule (MJ)"},
        Spelled{"Energy", "joules", "Joule (J)"}, Spelled{"Energy", "Wh", "Watt hour (W*h)"},
        Spelled{"Frequency", "Hz", "Hertz"}, Spelled{"Frequency", "kHz", "Kilohertz"},
        Spelled{"Frequency", "MHz", "Megahertz"}, Spelled{"Frequency", "mHz", "Millihertz"},
        Spelled{"Frequency", "GHz", "Gigahertz"}, Spelled{"Frequency", "THz", "Terrahertz"},
        Spelled{"Frequency", "rpm", "Revolution/minute"}, Spelled{"Frequency", "rps", "Revolution/second"},
        Spelled{"Frequency", "rph", "Revolution/hour"}, Spelled{"Frequency", "cycles per second", "Cycle/second"},
        Spelled{"Length", "µm", "Micron"}, Spelled{"Length", "um", "Micron"},
        Spelled{"Length", "Å", "Angstrom"}, Spelled{"Length", "inches", "Inch (in)"},
        Spelled{"Length", "in", "Inch (in)"}, Spelled{"Length", "miles", "Mile (mi)"},
        Spelled{"Light", "fL", "Footlambert"}, Spelled{"Light", "cd/m²", "Candela/m²"},
        Spelled{"Light", "cd/m2", "Candela/m²"}, Spelled{"Light", "nits", "Nit"},
        Spelled{"Power", "W", "Watt (W)"}, Spelled{"Power", "kW", "Kilowatt (kW)"},
        Spelled{"Power", "MW", "Megawatt (MW)"}, Spelled{"Power", "hp", "Horsepower (hp)"},
        Spelled{"Pressure", "mbar", "Millibar"}, 
        Spelled{"Pressure", "hPa", "Hectopascal (hPa)"}, Spelled{"Pressure", "Pa", "Pascal (Pa)"},
        Spelled{"Pressure", "bar", "Bar"}, Spelled{"Pressure", "pounds per square inch", "Pound/square inch (psi)"},
        Spelled{"Speed", "ft/s", "Foot per second"}, Spelled{"Speed", "fps", "Foot per second"},
        Spelled{"Speed", "feet per second", "Foot per second"}, Spelled{"Speed", "kph", "Kilometer per hour"},
        Spelled{"Speed", "miles per hour", "Mile per hour (mph)"},
        Spelled{"Temperature", "°F", "Farenheit(°F)"}, Spelled{"Temperature", "F", "Farenheit(°F)"},
        Spelled{"Temperature", "C", "Celsius(°C)"}, Spelled{"Temperature", "celsius", "Celsius(°C)"},
        Spelled{"Temperature", "kelvins", "Kelvin(K)"}, Spelled{"Temperature", "Celsius (°C)", "Celsius(°C)"},
        Spelled{"Time", "hr", "Hour"}, Spelled{"Time", "h", "Hour"}, Spelled{"Time", "d", "Day"},
        Spelled{"Time", "wk", "Week"}, Spelled{"Time", "sec", "Second (sec)"},
        Spelled{"Time", "min", "Minute (min)"}, Spelled{"Time", "centuries", "Century"},
        Spelled{"Torque", "Nm", "Meter-Newtons"}, Spelled{"Torque", "N·m", "Meter-Newtons"},
        Spelled{"Torque", "ft-lb", "Foot-Pounds"}, Spelled{"Torque", "ft·lb", "Foot-Pounds"},
        Spelled{"Torque", "lbf·ft", "Foot-Pounds"}, Spelled{"Torque", "pound-feet", "Foot-Pounds"},
        Spelled{"Torque", "in-lb", "Inch-Pounds"}, Spelled{"Torque", "kgf·m", "Kilogram-Meter"},
        Spelled{"Torque", "dyn·cm", "Dyne Centimeters"},
        Spelled{"Volume", "bbl", "Barrel (petroleum)"}, Spelled{"Volume", "cu in", "Cubic inch (in³)"},
        Spelled{"Volume", "in³", "Cubic inch (in³)"}, Spelled{"Volume", "cu ft", "Cubic foot (ft³)"},
        Spelled{"Volume", "fl oz", "Fluid ounce (oz) (US)"}, Spelled{"Volume", "gal", "Gallon, liquid (gal) (US)"},
        Spelled{"Volume", "cl", "Centiliter (cl)"}, Spelled{"Volume", "hl", "Hectoliter (hl)"},
        Spelled{"Volume", "acre-feet", "Acre foot"},
        Spelled{"Weight", "t", "Tonne"}, Spelled{"Weight", "oz", "Ounce (Avoir)"},
        Spelled{"Weight", "ct", "Carat"}, Spelled{"Weight", "µg", "Microgram (mcg)"},
        Spelled{"Weight", "N", "Newton (N)"}, Spelled{"Weight", "lb", "Pound (lb) (Avoir)"},
        Spelled{"Weight", "lbs", "Pound (lb) (Avoir)"}, Spelled{"Weight", "Pound (lb)  (Avoir)*", "Pound (lb) (Avoir)"},
        // list items and labels in any case, without their parts in parentheses, and the
        // spellings of ², ³ and µ
        Spelled{"Length", " FOOT (FT) ", "Foot (ft)"},
        Spelled{"Length", "ft", "Foot (ft)"},
        Spelled{"Length", "Feet", "Foot (ft)"},
        Spelled{"Length", "metres", "Meter (m)"},
        Spelled{"Length", "km", "Kilometer (km)"},
        Spelled{"Pressure", "Kilogram/square centimeter", "Kg/square centimeter (kgf/cm²)"},
        Spelled{"Pressure", "kgf/cm2", "Kg/square centimeter (kgf/cm²)"},
        Spelled{"Pressure", "psi", "Pound/square inch (psi)"},
        Spelled{"Volume", "Cubic yard", "Cubic yard (yd³)"},
        Spelled{"Volume", "m³", "Cubic meter (m³)"},
        Spelled{"Volume", "in^3", "Cubic inch (in³)"},
        Spelled{"Volume", "cm3", "Cubic centimeter (cc)"},
        Spelled{"Volume", "ul", "Microliter (µl)"},
        Spelled{"Volume", "μl", "Microliter (µl)"},
        Spelled{"Volume", "litres", "Liter (l)"},
        Spelled{"Area", "m2", "Square meter (m²)"},
        Spelled{"Area", "yd²", "Square yard (yd²)"},
        Spelled{"Area", "Square", "Square"},
        Spelled{"Weight", "mcg", "Microgram (mcg)"},
        Spelled{"Weight", "grams", "Gram (g)"},
        Spelled{"Weight", "Pound", "Pound (lb) (Avoir)"},
        Spelled{"Speed", "mph", "Mile per hour (mph)"},
        Spelled{"Temperature", "Fahrenheit", "Farenheit(°F)"},
        Spelled{"Temperature", "°C", "Celsius(°C)"},
        Spelled{"Temperature", "degC", "Celsius(°C)"},
        Spelled{"Temperature", "K", "Kelvin(K)"},
        // an abbreviation's closing period
        Spelled{"Length", "ft.", "Foot (ft)"},
        Spelled{"Length", "in.", "Inch (in)"},
        Spelled{"Weight", "lbs.", "Pound (lb) (Avoir)"},
        Spelled{"Area", "sq. ft.", "Square foot (ft²)"},
        Spelled{"Cooking", "fl. oz.", "Fluid ounce (US)"},
        Spelled{"Cooking", "Tbsp.", "Tablespoon (US)"}));
// clang-format on

struct Unnamed {
    std::string_view caption;
    std::string_view text;
};

void PrintTo(const Unnamed& c, std::ostream* os)
{
    *os << c.caption << " '" << c.text << "'";
}

class NotANameOfUnit : public ::testing::TestWithParam<Unnamed> {};

// Where case tells two units apart, any other spelling names neither; a unit of
// another tab is not one of this tab's.
TEST_P(NotANameOfUnit, NamesNone)
{
    EXPECT_EQ(UnitNamed(GetParam().caption, GetParam().text), -1);
}

INSTANTIATE_TEST_SUITE_P(
    CaseAndTab, NotANameOfUnit,
    ::testing::Values(Unnamed{"Computer Storage", "mB"}, Unnamed{"Computer Storage", "gb"},
                      Unnamed{"Computer Storage", "mb"}, Unnamed{"Computer Storage", "kb"},
                      Unnamed{"Pressure", "mb"}, Unnamed{"Computer Storage", "gib"},
                      Unnamed{"Weight", "T"}, Unnamed{"Power", "mW"}, Unnamed{"Frequency", "mhz"},
                      Unnamed{"Length", "kg"}, Unnamed{"Length", ""}, Unnamed{"Length", "3"},
                      Unnamed{"No such tab", "m"}, Unnamed{"Length", "ft.."},
                      Unnamed{"Length", ".ft"}, Unnamed{"Length", "."}));

// Every name a unit offers for completion names that unit and no other of its tab.
TEST(UnitNames, EveryNameOfferedNamesItsOwnUnit)
{
    for (const ConverterTab& tab : ConverterTabs()) {
        for (std::size_t unit = 0; unit < tab.texts.labels.size(); ++unit) {
            const auto names = UnitNames(tab.caption, static_cast<int>(unit));
            EXPECT_GE(names.size(), 2U) << tab.caption << " " << unit;
            for (const std::string& name : names) {
                EXPECT_EQ(UnitNamed(tab.caption, name), static_cast<int>(unit))
                    << tab.caption << " '" << name << "'";
            }
        }
    }
}

// A tab's unit list reads a name as the queries do, in every case: the tab's own unit
// that the name names, and none where it names none or two of them.
TEST(UnitNames, ATabReadsEachNameAsTheQueriesRead)
{
    auto caseOf = [](std::string name, int (*change)(int)) {
        std::transform(name.begin(), name.end(), name.begin(), [&](char c) {
            return static_cast<char>(change(static_cast<unsigned char>(c)));
        });
        return name;
    };
    for (const ConverterTab& tab : ConverterTabs()) {
        const int t = static_cast<int>(&tab - ConverterTabs().data());
        for (std::size_t unit = 0; unit < tab.texts.labels.size(); ++unit) {
            for (const std::string& name : UnitNames(tab.caption, static_cast<int>(unit))) {
                for (const std::string& typed :
                     {name, caseOf(name, ::toupper), caseOf(name, ::tolower)}) {
                    int queries = -1;
                    int units = 0;
                    for (const UnitName& named : UnitsNamed(typed)) {
                        if (named.tab == t) {
                            queries = named.unit;
                            ++units;
                        }
                    }
                    EXPECT_EQ(UnitNamed(tab.caption, typed), units == 1 ? queries : -1)
                        << tab.caption << " '" << typed << "'";
                }
            }
        }
    }
}

// Every row of the name table belongs to a unit that exists.
TEST(UnitNames, EveryRowNamesAUnitOfItsTab)
{
    for (const UnitNameRow& row : UnitNameRows()) {
        const UnitTexts units = Named(row.caption);
        EXPECT_LT(IndexOf(units, row.label), units.labels.size()) << row.label;
    }
}

// The table the build wrote into the program is the one the core builds from its tables,
// slot for slot: a name added, a spelling escaped wrongly or a table written from an
// older build shows here.
TEST(UnitNames, TheCompiledTableIsTheBuiltOne)
{
    const names::Index built = names::BuiltIndex();
    const names::Index compiled = names::CompiledIndex();
    ASSERT_EQ(compiled.slots.size(), built.slots.size());
    ASSERT_EQ(compiled.byKey.size(), built.byKey.size());
    ASSERT_EQ(compiled.units.size(), built.units.size());
    EXPECT_GT(built.byKey.size(), 500U);
    for (std::size_t at = 0; at < built.slots.size(); ++at) {
        const names::Slot& a = compiled.slots[at];
        const names::Slot& b = built.slots[at];
        SCOPED_TRACE(std::string(built(b.key)));
        EXPECT_EQ(compiled(a.key), built(b.key));
        if (b.key.size != 0) {  // a free slot holds nothing else that is read
            EXPECT_EQ(std::make_tuple(a.first, a.count, a.longest, a.exact),
                      std::make_tuple(b.first, b.count, b.longest, b.exact));
        }
    }
    for (std::size_t at = 0; at < built.byKey.size(); ++at) {
        const names::Name& a = compiled.byKey[at];
        const names::Name& b = built.byKey[at];
        SCOPED_TRACE(std::string(built(b.written)));
        EXPECT_EQ(
            std::make_tuple(compiled(a.key), compiled(a.written), a.exact, a.unit.tab, a.unit.unit),
            std::make_tuple(built(b.key), built(b.written), b.exact, b.unit.tab, b.unit.unit));
        EXPECT_EQ(std::make_pair(compiled.units[at].tab, compiled.units[at].unit),
                  std::make_pair(built.units[at].tab, built.units[at].unit));
    }
}

TEST(UnitNames, PluralsOfWordNames)
{
    const std::pair<std::string_view, std::string_view> cases[]{
        {"foot", "feet"},
        {"square foot", "square feet"},
        {"pound-foot", "pound-feet"},
        {"inch", "inches"},
        {"century", "centuries"},
        {"day", "days"},
        {"mile per hour", "miles per hour"},
        {"cycle/second", "cycles/second"},
        {"kilohertz", "kilohertz"},
    };
    for (const auto& [singular, plural] : cases) {
        EXPECT_EQ(PluralOf(singular), plural);
    }
}

TEST(UnitNames, ClosestNamesForATypingSlip)
{
    const auto fet = ClosestUnitNames("fet");
    EXPECT_NE(std::find(fet.begin(), fet.end(), "feet"), fet.end());
    EXPECT_EQ(ClosestUnitNames("xyzzyq"), std::vector<std::string>{});
    // Every one-letter name is one edit from a lone mark; none of them is its slip.
    for (const std::string_view mark : {"'", "\"", "x", "#"}) {
        EXPECT_EQ(ClosestUnitNames(mark), std::vector<std::string>{}) << mark;
    }
    const auto mB = ClosestUnitNames("mB");
    EXPECT_NE(std::find(mB.begin(), mB.end(), "MB"), mB.end());
    EXPECT_EQ(ClosestUnitNames(std::string(100000, 'f')), std::vector<std::string>{});
}

}  // namespace
}  // namespace convert
