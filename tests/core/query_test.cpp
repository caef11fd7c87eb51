// Queries in the user's own words: what they are read as, what they are refused for,
// and that their answers are the category form's texts.
#include "convert/query.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "convert/categories.h"
#include "convert/temperature_formula.h"
#include "convert/unit_names.h"
#include "numbers/number_text.h"
#include "tests/support/lines.h"

namespace convert {
namespace {

struct Reading {
    std::string_view text;
    std::string_view caption;
    double value;
    std::string_view unit;                  // the source unit's label
    std::vector<std::string_view> targets;  // their labels
};

void PrintTo(const Reading& c, std::ostream* os)
{
    *os << "'" << c.text << "'";
}

std::string_view LabelOf(const ParsedQuery& query, int unit)
{
    if (query.category == nullptr) {
        return kTemperatureLabels.at(static_cast<std::size_t>(unit));
    }
    return query.category->labels[static_cast<std::size_t>(unit)];
}

std::vector<std::string_view> TargetLabels(const ParsedQuery& query)
{
    std::vector<std::string_view> labels;
    for (const int target : query.targets) {
        labels.push_back(LabelOf(query, target));
    }
    return labels;
}

class QueryReading : public ::testing::TestWithParam<Reading> {};

TEST_P(QueryReading, ReadsAsTheCategoryForm)
{
    const Reading& expected = GetParam();
    const auto parsed = ParseQuery(expected.text);
    ASSERT_TRUE(std::holds_alternative<ParsedQuery>(parsed))
        << std::get<QueryRefusal>(parsed).message;
    const ParsedQuery& query = std::get<ParsedQuery>(parsed);
    EXPECT_EQ(query.caption, expected.caption);
    EXPECT_DOUBLE_EQ(query.value, expected.value);
    EXPECT_EQ(LabelOf(query, query.unit), expected.unit);
    EXPECT_EQ(TargetLabels(query), expected.targets);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, QueryReading,
    ::testing::Values(
        Reading{"3 ft to m", "Length", 3, "Foot (ft)", {"Meter (m)"}},
        Reading{"3 ft in m", "Length", 3, "Foot (ft)", {"Meter (m)"}},
        Reading{"3 ft as m", "Length", 3, "Foot (ft)", {"Meter (m)"}},
        Reading{"3 ft into m", "Length", 3, "Foot (ft)", {"Meter (m)"}},
        Reading{"3 ft -> m", "Length", 3, "Foot (ft)", {"Meter (m)"}},
        Reading{"3ft->m", "Length", 3, "Foot (ft)", {"Meter (m)"}},
        Reading{"3 ft \u2192 m", "Length", 3, "Foot (ft)", {"Meter (m)"}},
        Reading{"3 ft = m", "Length", 3, "Foot (ft)", {"Meter (m)"}},
        Reading{"3 ft m", "Length", 3, "Foot (ft)", {"Meter (m)"}},
        Reading{"3 ft in", "Length", 3, "Foot (ft)", {"Inch (in)"}},
        Reading{"3 m in in", "Length", 3, "Meter (m)", {"Inch (in)"}},
        Reading{"3 ft", "Length", 3, "Foot (ft)", {}}, Reading{"3ft", "Length", 3, "Foot (ft)", {}},
        Reading{"350F", "Temperature", 350, "Farenheit(°F)", {}},
        Reading{"350 °F", "Temperature", 350, "Farenheit(°F)", {}},
        Reading{"350°F to C", "Temperature", 350, "Farenheit(°F)", {"Celsius(°C)"}},
        Reading{"-40 C", "Temperature", -40, "Celsius(°C)", {}},
        // Absolute zero itself, in each scale as it is written.
        Reading{"-273.15 C", "Temperature", -273.15, "Celsius(°C)", {}},
        Reading{"-459.67 F to K", "Temperature", -459.67, "Farenheit(°F)", {"Kelvin(K)"}},
        Reading{"0 K", "Temperature", 0, "Kelvin(K)", {}},
        Reading{"-0 K", "Temperature", 0, "Kelvin(K)", {}},
        Reading{"1e3 m", "Length", 1000, "Meter (m)", {}},
        Reading{".5 km", "Length", 0.5, "Kilometer (km)", {}},
        Reading{"1/2 cup to tbsp", "Cooking", 0.5, "Cup (US)", {"Tablespoon (US)"}},
        Reading{"1 1/2 cups in ml", "Cooking", 1.5, "Cup (US)", {"Milliliter"}},
        Reading{"-1 1/2 m", "Length", -1.5, "Meter (m)", {}},
        Reading{"2 cups to ml", "Cooking", 2, "Cup (US)", {"Milliliter"}},
        Reading{"100 lbs in kg", "Weight", 100, "Pound (lb) (Avoir)", {"Kilogram (kg)"}},
        Reading{"2 fl oz to ml", "Volume", 2, "Fluid ounce (oz) (US)", {"Milliliter (ml)"}},
        Reading{"2 fl oz to tsp", "Cooking", 2, "Fluid ounce (US)", {"Teaspoon (US)"}},
        Reading{"3 ft to m cm", "Length", 3, "Foot (ft)", {"Meter (m)", "Centimeter (cm)"}},
        Reading{"5 ft 3 in", "Length", 63, "Inch (in)", {}},
        Reading{"1 h 30 min", "Time", 90, "Minute (min)", {}},
        Reading{"2 lb 4 oz", "Weight", 36, "Ounce (Avoir)", {}},
        Reading{"5 ft 3 in to cm", "Length", 63, "Inch (in)", {"Centimeter (cm)"}},
        Reading{"5 ft. 3 in. to cm", "Length", 63, "Inch (in)", {"Centimeter (cm)"}},
        Reading{"2 lbs. in kg.", "Weight", 2, "Pound (lb) (Avoir)", {"Kilogram (kg)"}},
        Reading{"1500 kJ", "Energy", 1500, "Kilojoule (kJ)", {}},
        Reading{"1.5 kWh to J", "Energy", 1.5, "Kilowatt hour (kW*h)", {"Joule (J)"}},
        Reading{"1 kJ 1.5 J", "Energy", 1001.5, "Joule (J)", {}},
        // feet and inches as people write them
        Reading{"6'2\" to in", "Length", 74, "Inch (in)", {"Inch (in)"}},
        Reading{"6' 2\" to cm", "Length", 74, "Inch (in)", {"Centimeter (cm)"}},
        Reading{"5'11", "Length", 71, "Inch (in)", {}},
        Reading{"5'11 to m", "Length", 71, "Inch (in)", {"Meter (m)"}},
        Reading{"5\u2032"
                "11\u2033 to in",
                "Length",
                71,
                "Inch (in)",
                {"Inch (in)"}},
        Reading{"5\u2032"
                "11",
                "Length",
                71,
                "Inch (in)",
                {}},
        Reading{"6\u2019"
                "2\u201d",
                "Length",
                74,
                "Inch (in)",
                {}},
        Reading{"6'", "Length", 6, "Foot (ft)", {}}, Reading{"12\"", "Length", 12, "Inch (in)", {}},
        Reading{"30\u2032 to deg", "Angle", 30, "Minutes", {"Degrees"}},
        // characters pasted text brings
        Reading{"\u2212"
                "5 C to F",
                "Temperature",
                -5,
                "Celsius(°C)",
                {"Farenheit(°F)"}},
        Reading{"3\u00a0ft\u2009to\u202fm", "Length", 3, "Foot (ft)", {"Meter (m)"}},
        Reading{"\uff11\uff12\uff0e\uff15 m", "Length", 12.5, "Meter (m)", {}},
        Reading{"1\u00bd cups to ml", "Cooking", 1.5, "Cup (US)", {"Milliliter"}},
        Reading{"\u00be cup", "Cooking", 0.75, "Cup (US)", {}},
        Reading{"2 \u00bc cup", "Cooking", 2.25, "Cup (US)", {}},
        Reading{"\u2153 cup", "Cooking", 1.0 / 3, "Cup (US)", {}},
        Reading{"1\u2154 cup", "Cooking", 1 + 2.0 / 3, "Cup (US)", {}},
        Reading{"\u215b cup", "Cooking", 0.125, "Cup (US)", {}},
        Reading{"1 N\u00b7m to ft-lb", "Torque", 1, "Meter-Newtons", {"Foot-Pounds"}},
        Reading{"1 N\u00d7m to ft-lb", "Torque", 1, "Meter-Newtons", {"Foot-Pounds"}},
        Reading{"1 N\u22c5m to ft-lb", "Torque", 1, "Meter-Newtons", {"Foot-Pounds"}},
        // torque as people name it
        Reading{"1 in lb to N m", "Torque", 1, "Inch-Pounds", {"Meter-Newtons"}},
        Reading{"1 in-lb to N m", "Torque", 1, "Inch-Pounds", {"Meter-Newtons"}},
        Reading{"1 lbf in to N m", "Torque", 1, "Inch-Pounds", {"Meter-Newtons"}},
        Reading{"1 in\u00b7lbf to N m", "Torque", 1, "Inch-Pounds", {"Meter-Newtons"}},
        Reading{"1 kgf m to N m", "Torque", 1, "Kilogram-Meter", {"Meter-Newtons"}},
        Reading{"1 kgf\u00b7m to N m", "Torque", 1, "Kilogram-Meter", {"Meter-Newtons"}},
        Reading{"1 kg m to N m", "Torque", 1, "Kilogram-Meter", {"Meter-Newtons"}},
        Reading{"1 dyn cm to N m", "Torque", 1, "Dyne Centimeters", {"Meter-Newtons"}},
        // "in" that begins the target's name rather than separating it
        Reading{"1 N m in lbf", "Torque", 1, "Meter-Newtons", {"Inch-Pounds"}},
        // the binary names of the storage units, which are binary
        Reading{"1 GiB to MiB", "Computer Storage", 1, "Gigabyte (GB)", {"Megabyte (MB)"}},
        Reading{"1 KiB to Kibit", "Computer Storage", 1, "kilobyte (KB)", {"Kilobit"}},
        Reading{"1 Gibit to Mibit", "Computer Storage", 1, "Gigabit", {"Megabit"}},
        // "oz" beside a unit of volume is the fluid ounce
        Reading{"1 cup to oz", "Cooking", 1, "Cup (US)", {"Fluid ounce (US)"}},
        Reading{"1 oz to ml", "Volume", 1, "Fluid ounce (oz) (US)", {"Milliliter (ml)"}},
        Reading{"1 oz to g", "Weight", 1, "Ounce (Avoir)", {"Gram (g)"}},
        Reading{"10 MB to Mb", "Computer Storage", 10, "Megabyte (MB)", {"Megabit"}},
        // more parts, targets and words than a query usually has
        Reading{"1 yd 1 yd 1 yd 1 yd 1 yd 1 yd 1 yd 1 yd 1 yd 1 ft to ft",
                "Length",
                28,
                "Foot (ft)",
                {"Foot (ft)"}},
        Reading{"1 ft to m cm mm km mi yd in",
                "Length",
                1,
                "Foot (ft)",
                {"Meter (m)", "Centimeter (cm)", "Millimeter (mm)", "Kilometer (km)", "Mile (mi)",
                 "Yard (yd)", "Inch (in)"}}));

struct Refused {
    std::string_view text;
    QueryRefusal::Kind kind;
    std::string_view part;     // the refused part of the text
    std::string_view message;  // a piece of the message
};

void PrintTo(const Refused& c, std::ostream* os)
{
    *os << "'" << c.text << "'";
}

class QueryRefused : public ::testing::TestWithParam<Refused> {};

TEST_P(QueryRefused, SaysWhyAndWhere)
{
    const Refused& expected = GetParam();
    const auto parsed = ParseQuery(expected.text);
    ASSERT_TRUE(std::holds_alternative<QueryRefusal>(parsed));
    const QueryRefusal& refusal = std::get<QueryRefusal>(parsed);
    EXPECT_EQ(refusal.kind, expected.kind);
    ASSERT_LE(refusal.begin, refusal.end);
    ASSERT_LE(refusal.end, expected.text.size());
    EXPECT_EQ(expected.text.substr(refusal.begin, refusal.end - refusal.begin), expected.part);
    EXPECT_NE(refusal.message.find(expected.message), std::string::npos) << refusal.message;
}

constexpr auto kNotAQuery = QueryRefusal::Kind::NotAQuery;
constexpr auto kRefused = QueryRefusal::Kind::Refused;

INSTANTIATE_TEST_SUITE_P(
    Refusals, QueryRefused,
    ::testing::Values(
        Refused{"", kNotAQuery, "", "empty"}, Refused{"firefox", kNotAQuery, "firefox", "amount"},
        Refused{"ft to m", kNotAQuery, "ft", "amount"},
        Refused{"3 fet", kRefused, "fet", "\"feet\""},
        Refused{"3 ft to kg", kRefused, "kg", "\"ft\" is a Length unit, \"kg\" a Weight unit"},
        Refused{"3", kRefused, "", "unit is missing"},
        Refused{"3 ft to", kRefused, "to", "target unit is missing"},
        Refused{"5 knots", kRefused, "knots", "not a unit this converter has"},
        Refused{"3 nautical miles to km", kRefused, "nautical miles", "not a unit this"},
        Refused{"1 year", kRefused, "year", "not a unit this"},
        Refused{"20 ms", kRefused, "ms", "not a unit this"},
        // numbers as other programs write them, and the ones pasted characters make
        Refused{"1,5 km to m", kRefused, "1,5", "write the decimal point as \".\""},
        Refused{"1.000,5 m", kRefused, "1.000,5", "the decimal point as \".\""},
        Refused{"1,000 m", kRefused, "1,000", "write the number without separators"},
        Refused{"1,000,000 m", kRefused, "1,000,000", "write the number without separators"},
        Refused{"1_000 m", kRefused, "1_000", "write the number without separators"},
        Refused{"0x10 m", kRefused, "0x10", "write the number in decimal digits"},
        Refused{"1 000 m to km", kRefused, "1 000", "write the number without separators"},
        Refused{"1\u2009000 m", kRefused, "1\u2009000", "write the number without separators"},
        Refused{"\u2212"
                "5 fet",
                kRefused, "fet", "\"feet\""},
        Refused{"3 ft 1 000 in", kRefused, "1 000", "without separators"},
        // lower-case storage names, whose case tells a byte from a bit
        Refused{"1 kb to B", kRefused, "kb", "did you mean \"KB\" (kilobyte) or \"Kb\" (kilobit)?"},
        Refused{"1 mb", kRefused, "mb", "did you mean \"MB\" (megabyte) or \"Mb\" (megabit)?"},
        Refused{"1 GB to gb", kRefused, "gb",
                "did you mean \"GB\" (gigabyte) or \"Gb\" (gigabit)?"},
        // real units this converter lacks, with the nearest it has
        Refused{"1 BTU to J", kRefused, "BTU",
                "not a unit this converter has; the nearest it has: \"kJ\", \"kcal\""},
        Refused{"1 hand to in", kRefused, "hand",
                "not a unit this converter has; the nearest it has: \"in\""},
        Refused{"1 light year to km", kRefused, "light year", "not a unit this converter has"},
        Refused{"1 short ton to kg", kRefused, "short ton", "not a unit this converter has"},
        Refused{"1 TiB to GiB", kRefused, "TiB", "not a unit this converter has"},
        Refused{"3 mB", kRefused, "mB", "\"MB\""},
        Refused{"3 C to C", kRefused, "C", "two other scales"},
        Refused{"1 C 3 K", kRefused, "3 K", "do not add"},
        Refused{"-5 K to C", kRefused, "-5 K", "below absolute zero (0 K)"},
        Refused{"-273.16 C", kRefused, "-273.16 C", "below absolute zero (-273.15 °C)"},
        Refused{"-460°F in K", kRefused, "-460°F", "below absolute zero (-459.67 °F)"},
        Refused{"-1/2 K", kRefused, "-1/2 K", "below absolute zero (0 K)"},
        Refused{"1e308 C to F", kRefused, "1e308 C", "too large to show"},
        Refused{"1 m -3 cm", kRefused, "-3", "sign"},
        Refused{"1/0 cup", kRefused, "1/0", "fraction"},
        Refused{"3 ft to 5 m", kRefused, "5", "unit alone"},
        Refused{"3 \xc0\xafx\x1b", kRefused, "\xc0\xafx\x1b", "\"\uFFFD\uFFFDx\uFFFD\""}));

// A unit the converter lacks is refused as such, never taken for a name like it.
TEST(QueryRefusedUnits, UnitsNotHereAreNamedAsSuch)
{
    for (const std::string_view name : UnitsNotHere()) {
        EXPECT_TRUE(UnitsNamed(name).empty()) << name;
        const std::string query = "1 " + std::string(name) + " to m";
        const auto parsed = ParseQuery(query);
        ASSERT_TRUE(std::holds_alternative<QueryRefusal>(parsed)) << name;
        const QueryRefusal& refusal = std::get<QueryRefusal>(parsed);
        EXPECT_EQ(query.substr(refusal.begin, refusal.end - refusal.begin), name);
        EXPECT_NE(refusal.message.find("not a unit this converter has"), std::string::npos)
            << refusal.message;
    }
    // What a refusal offers instead is a unit the converter has.
    for (const MissingUnit& missing : MissingUnits()) {
        for (const std::string_view nearest :
             NearestUnitsTo(missing.names.substr(0, missing.names.find(';')))) {
            EXPECT_FALSE(UnitsNamed(nearest).empty()) << missing.names << ": " << nearest;
        }
    }
    // Every unit the issue of common units named is among them.
    for (const std::string_view name :
         {"BTU",           "therm",    "mmHg",  "inHg",        "torr",       "atm",   "knot",
          "nautical mile", "year",     "month", "millisecond", "light year", "stone", "ton",
          "short ton",     "long ton", "grain", "lux",         "footcandle", "TB",    "TiB",
          "hand",          "furlong"}) {
        EXPECT_TRUE(IsUnitNotHere(name)) << name;
        EXPECT_FALSE(NearestUnitsTo(name).empty()) << name;
    }
}

// Every name held by several tabs, found by walking every name of every unit, by the
// set of tabs that hold it.
std::map<std::set<std::string_view>, std::set<std::string>> Clashes()
{
    std::map<std::set<std::string_view>, std::set<std::string>> clashes;
    for (const ConverterTab& tab : ConverterTabs()) {
        for (std::size_t unit = 0; unit < tab.texts.labels.size(); ++unit) {
            for (const std::string& name : UnitNames(tab.caption, static_cast<int>(unit))) {
                std::set<std::string_view> tabs;
                for (const UnitName& named : UnitsNamed(name)) {
                    tabs.insert(ConverterTabs()[static_cast<std::size_t>(named.tab)].caption);
                }
                if (tabs.size() > 1) {
                    clashes[tabs].insert(name);
                }
            }
        }
    }
    return clashes;
}

TEST(QueryClashes, OnlyTheTabsWithARuleShareNames)
{
    std::set<std::set<std::string_view>> shared;
    for (const auto& [tabs, names] : Clashes()) {
        shared.insert(tabs);
    }
    const std::set<std::set<std::string_view>> ruled{
        {"Cooking", "Volume"}, {"Angle", "Time"}, {"Cooking", "Volume", "Weight"}};
    EXPECT_EQ(shared, ruled);
    const auto clashes = Clashes();
    EXPECT_TRUE(clashes.at({"Cooking", "Volume"}).contains("liter"));
    EXPECT_TRUE(clashes.at({"Angle", "Time"}).contains("minutes"));
}

// Alone, a shared name is settled by its rules and the query says so; with a target
// that only another tab has, that tab is used without a word, unless the name alone is a
// unit of Weight ("oz"), which a unit of volume turns into another quantity.
TEST(QueryClashes, EverySharedNameIsSettled)
{
    const auto rule = [](std::string_view preferred, std::string_view other) {
        return std::find_if(ClashRules().begin(), ClashRules().end(), [&](const ClashRule& r) {
            return r.preferred == preferred && r.other == other;
        });
    };
    for (const auto& [tabs, names] : Clashes()) {
        // the tab whose rules put it before each other one
        std::string_view preferred;
        for (const std::string_view tab : tabs) {
            if (std::all_of(tabs.begin(), tabs.end(), [&](std::string_view other) {
                    return other == tab || rule(tab, other) != ClashRules().end();
                })) {
                preferred = tab;
            }
        }
        ASSERT_FALSE(preferred.empty());
        for (const std::string& name : names) {
            const auto alone = ParseQuery("2 " + name);
            ASSERT_TRUE(std::holds_alternative<ParsedQuery>(alone)) << name;
            EXPECT_EQ(std::get<ParsedQuery>(alone).caption, preferred) << name;
            for (const std::string_view other : tabs) {
                if (other == preferred) {
                    continue;
                }
                EXPECT_NE(std::get<ParsedQuery>(alone).preference.find(other), std::string::npos)
                    << name;
                const auto asked =
                    ParseQuery("2 " + name + " to " + std::string(rule(preferred, other)->example));
                ASSERT_TRUE(std::holds_alternative<ParsedQuery>(asked)) << name;
                EXPECT_NE(std::get<ParsedQuery>(asked).caption, preferred) << name;
                const std::string& note = std::get<ParsedQuery>(asked).preference;
                if (preferred == "Weight") {
                    EXPECT_NE(note.find("of Weight, convert into a unit of Weight"),
                              std::string::npos)
                        << name << ": " << note;
                } else {
                    EXPECT_EQ(note, "") << name;
                }
            }
        }
    }
}

// A value as people type it: whole, decimal, with an exponent, or negative.
std::string RandomValue(std::mt19937& random, bool whole)
{
    std::uniform_int_distribution<int> form(0, 3);
    std::uniform_int_distribution<int> digits(0, 99999);
    switch (whole ? 0 : form(random)) {
        case 0:
            return std::to_string(digits(random));
        case 1:
            return std::to_string(digits(random)) + "." + std::to_string(digits(random) % 1000);
        case 2:
            return std::to_string(digits(random) % 100) + "e" +
                   std::to_string(digits(random) % 20 - 10);
        default:
            return "-" + std::to_string(digits(random) % 500) + "." +
                   std::to_string(digits(random) % 100);
    }
}

template <typename T>
const T& Pick(std::mt19937& random, const std::vector<T>& items)
{
    return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(random)];
}

// Random queries with every name of every unit give the category form's texts for the
// category, value, unit and target they are read as.
TEST(QueryAgainstCategoryForm, RandomQueriesGiveTheSameTexts)
{
    std::mt19937 random(21);
    const auto tabs = ConverterTabs();
    int compared = 0;
    for (int n = 0; n < 4000; ++n) {
        const ConverterTab& tab = tabs[random() % tabs.size()];
        const int count = static_cast<int>(tab.texts.labels.size());
        const int unit = static_cast<int>(random() % static_cast<unsigned>(count));
        int target =
            random() % 3 == 0 ? -1 : static_cast<int>(random() % static_cast<unsigned>(count));
        if (tab.category == nullptr && target == unit) {
            target = -1;
        }
        const bool whole =
            tab.category != nullptr && tab.category->valueKind == ValueKind::WholeNumber;
        const std::string value = RandomValue(random, whole);
        const std::string source = Pick(random, UnitNames(tab.caption, unit));
        std::string query = value + (random() % 4 == 0 ? "" : " ") + source;
        if (target >= 0) {
            const char* separators[]{" to ", " in ", " -> ", " = ", " "};
            const std::string name = Pick(random, UnitNames(tab.caption, target));
            // "N m in lbs" reads as newton metres into pounds: a target beginning with
            // "in" is written after a word that says it is the target.
            query += (name.starts_with("in ") ? " to " : separators[random() % 5]) + name;
        }
        const auto parsed = ParseQuery(query);
        // Below absolute zero the category form refuses the value, and so does the query.
        if (tab.category == nullptr) {
            if (const auto refusal = TemperatureRefusal(*ReadReal(value).value, unit)) {
                ASSERT_TRUE(std::holds_alternative<QueryRefusal>(parsed)) << query;
                EXPECT_EQ(std::get<QueryRefusal>(parsed).message, *refusal) << query;
                ++compared;
                continue;
            }
        }
        ASSERT_TRUE(std::holds_alternative<ParsedQuery>(parsed))
            << query << ": " << std::get<QueryRefusal>(parsed).message;
        const ParsedQuery& read = std::get<ParsedQuery>(parsed);
        if (read.preference.empty()) {
            EXPECT_EQ(read.caption, tab.caption) << query;
            EXPECT_EQ(read.unit, unit) << query;
            EXPECT_EQ(read.targets, target < 0 ? std::vector<int>{} : std::vector<int>{target})
                << query;
        }
        const double typed = *ReadReal(value).value;
        ASSERT_EQ(read.value, typed) << query;
        const int scientific = static_cast<int>(random() % 2);
        const int decimals = static_cast<int>(random() % 10) - 1;
        std::vector<std::string> expected;
        std::vector<std::string> labels;
        if (read.category == nullptr) {
            const auto text = ConvertTemperature(read.value, read.unit).value();
            expected = testing_support::SplitLines(text.values);
            labels = testing_support::SplitLines(text.labels);
        } else {
            const auto text =
                ConvertAll(*read.category, read.value, read.unit, scientific, decimals).value();
            expected = testing_support::SplitLines(text.values);
            labels = testing_support::SplitLines(text.labels);
        }
        std::vector<std::string> answered;
        for (const QueryAnswer& answer : AnswerQuery(read, scientific, decimals)) {
            answered.push_back(answer.text);
            const auto line = std::find(labels.begin(), labels.end(), answer.label);
            ASSERT_NE(line, labels.end()) << query;
            EXPECT_EQ(answer.text, expected[static_cast<std::size_t>(line - labels.begin())])
                << query;
        }
        EXPECT_EQ(answered.size(), read.targets.empty() ? expected.size() : 1U) << query;
        ++compared;
    }
    EXPECT_EQ(compared, 4000);
}

// What a QueryReader gives for each query of a stream is what ParseQuery gives for it
// alone: a query that repeats the words of the one before in another amount reuses their
// reading only where that cannot change the result.
void ExpectReadAlike(QueryReader& reader, const std::string& text)
{
    const auto streamed = reader.Read(text);
    const auto alone = ParseQuery(text);
    ASSERT_EQ(streamed.index(), alone.index()) << text;
    if (const auto* query = std::get_if<ParsedQuery>(&alone)) {
        const ParsedQuery& read = std::get<ParsedQuery>(streamed);
        EXPECT_EQ(read.caption, query->caption) << text;
        EXPECT_EQ(read.category, query->category) << text;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read.value),
                  std::bit_cast<std::uint64_t>(query->value))
            << text;
        EXPECT_EQ(read.unit, query->unit) << text;
        EXPECT_EQ(read.targets, query->targets) << text;
        EXPECT_EQ(read.preference, query->preference) << text;
        return;
    }
    const QueryRefusal& refused = std::get<QueryRefusal>(streamed);
    const QueryRefusal& refusal = std::get<QueryRefusal>(alone);
    EXPECT_EQ(refused.kind, refusal.kind) << text;
    EXPECT_EQ(refused.message, refusal.message) << text;
    EXPECT_EQ(refused.begin, refusal.begin) << text;
    EXPECT_EQ(refused.end, refusal.end) << text;
}

TEST(QueryReaderStream, ReadsEachQueryAsParseQueryDoes)
{
    // Each stream's queries share their words after the amount, the amounts chosen to
    // change what those words mean: fractions and sums, a whole-number tab, a preference
    // that quotes the amount, numbers too large or not numbers, signs and blanks.
    const std::vector<std::vector<std::string>> streams{
        {"12 ft to m", "13 ft to m", "-0 ft to m", "+2.5e3 ft to m", "1e999 ft to m", "1/2 ft to m",
         "1 1/2 ft to m", "  7 ft to m", "7 ft to m ", "abc ft to m", "8 ft to m"},
        {"3ft", "3.5ft", "3e2ft", "3eft", "0x10ft", "1.5.5ft", ".5ft", "5.ft"},
        {"350F", "-40F", "451 F to C", "452 F to C", "453 F to F"},
        // Across absolute zero and back: the repeated words must not carry a refused value.
        {"-459 F to C", "-459.67 F to C", "-459.68 F to C", "-460 F to C", "-400 F to C"},
        {"1 K", "-1 K", "0 K", "1e308 K", "2 K"},
        {"5 kJ to J", "6 kJ to J", "5.5 kJ to J", "2147483648 kJ to J"},
        {"3 gal", "4 gal", "4 gal to cup", "5 gal to cup"},
        {"5 ft 3 in", "6 ft 3 in", "6 ft 3 in to cm", "7 ft 3 in to cm"},
        {"1 fl oz to ml", "2 fl oz to ml", "2 fl oz to kg", "3 fl oz to kg"},
        {"3 fet", "4 fet", "1 1/2 cups in ml", "2 1/2 cups in ml", "2 cups in ml", "3 cups in ml"},
        {"6'2\"",
         "7'2\"",
         "12\"",
         "13\"",
         "5'11",
         "6'11",
         "5'",
         "6'",
         "1,5 km",
         "1 km",
         "2 km",
         "1 000 km",
         "\u2212"
         "5 C",
         "\u2212"
         "6 C",
         "1\u00bd cups",
         "2\u00bd cups",
         "\uff11 m",
         "2 m",
         "0x10 m",
         "1 m"},
    };
    for (const auto& stream : streams) {
        QueryReader reader;
        for (const std::string& text : stream) {
            ExpectReadAlike(reader, text);
        }
    }
}

TEST(QueryReaderStream, RandomStreamsReadAsParseQueryReads)
{
    std::mt19937 random(24);
    const auto tabs = ConverterTabs();
    QueryReader reader;
    for (int n = 0; n < 2000; ++n) {
        const ConverterTab& tab = tabs[random() % tabs.size()];
        const int unit = static_cast<int>(random() % tab.texts.labels.size());
        const std::string words = " " + Pick(random, UnitNames(tab.caption, unit));
        // A run of amounts in the same words, some of them of the other kinds.
        for (int k = static_cast<int>(random() % 4); k >= 0; --k) {
            const char* odd[]{"1/3", "-0", "1e400", "2 1/4", "x"};
            const std::string amount =
                random() % 5 == 0 ? odd[random() % 5] : RandomValue(random, random() % 2 == 0);
            ExpectReadAlike(reader, amount + words);
        }
    }
}

int TabNamed(std::string_view caption)
{
    const auto tabs = ConverterTabs();
    for (std::size_t t = 0; t < tabs.size(); ++t) {
        if (tabs[t].caption == caption) {
            return static_cast<int>(t);
        }
    }
    ADD_FAILURE() << "no tab " << caption;
    return -1;
}

struct OnTab {
    std::string_view tab;
    Reading reading;
};

void PrintTo(const OnTab& c, std::ostream* os)
{
    *os << c.tab << ": '" << c.reading.text << "'";
}

class ValueBoxReading : public ::testing::TestWithParam<OnTab> {};

// A tab's value box reads a query with that tab's units only: a name two tabs share is
// this tab's, whatever the preference between tabs says elsewhere.
TEST_P(ValueBoxReading, ReadsWithTheTabsOwnUnits)
{
    const Reading& expected = GetParam().reading;
    const auto parsed = ParseQueryOnTab(expected.text, TabNamed(GetParam().tab));
    ASSERT_TRUE(std::holds_alternative<ParsedQuery>(parsed))
        << std::get<QueryRefusal>(parsed).message;
    const ParsedQuery& query = std::get<ParsedQuery>(parsed);
    EXPECT_EQ(query.caption, GetParam().tab);
    EXPECT_DOUBLE_EQ(query.value, expected.value);
    EXPECT_EQ(LabelOf(query, query.unit), expected.unit);
    EXPECT_EQ(TargetLabels(query), expected.targets);
    EXPECT_EQ(query.preference, "");
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, ValueBoxReading,
    ::testing::Values(OnTab{"Length", {"3.5 m", "", 3.5, "Meter (m)", {}}},
                      OnTab{"Length", {"6 ft 2 in", "", 74, "Inch (in)", {}}},
                      OnTab{"Length", {"5 km to miles", "", 5, "Kilometer (km)", {"Mile (mi)"}}},
                      OnTab{"Cooking", {"1 1/2 cups", "", 1.5, "Cup (US)", {}}},
                      OnTab{"Cooking", {"1 gallon", "", 1, "Gallon (US)", {}}},
                      OnTab{"Volume", {"1 gallon", "", 1, "Gallon, liquid (gal) (US)", {}}},
                      OnTab{"Angle", {"30 minutes", "", 30, "Minutes", {}}},
                      OnTab{"Time", {"30 minutes", "", 30, "Minute (min)", {}}},
                      OnTab{"Temperature", {"350F", "", 350, "Farenheit(°F)", {}}}));

struct OffTab {
    std::string_view tab;
    std::string_view text;
    std::string_view message;
};

void PrintTo(const OffTab& c, std::ostream* os)
{
    *os << c.tab << ": '" << c.text << "'";
}

class ValueBoxRefusal : public ::testing::TestWithParam<OffTab> {};

TEST_P(ValueBoxRefusal, NamesTheTabThatHasTheUnit)
{
    QueryRefusal refusal{};
    EXPECT_FALSE(ReadValueBox(GetParam().text, TabNamed(GetParam().tab), &refusal));
    EXPECT_EQ(refusal.message, GetParam().message);
}

// A plain number reads exactly as the box has always read it, a whole number on Energy;
// an amount with a unit picks the unit and keeps its targets.
TEST(ValueBox, PlainNumbersAndAmountsWithUnits)
{
    const int length = TabNamed("Length");
    const int energy = TabNamed("Energy");
    struct Case {
        int tab;
        std::string_view text;
        bool read;
        double value;
        int unit;
        std::vector<int> targets;
    };
    for (const Case& c :
         {Case{length, " 3.5 ", true, 3.5, -1, {}}, Case{length, "-2e3", true, -2000, -1, {}},
          Case{length, "5 km to mi", true, 5, 0, {8}}, Case{length, "1.5.5", false, 0, 0, {}},
          Case{length, "", false, 0, 0, {}}, Case{energy, "3", true, 3, -1, {}},
          Case{energy, "2.5", false, 0, 0, {}}, Case{energy, "2 kJ", true, 2, 1, {}},
          Case{energy, "1.5 kJ", false, 0, 0, {}}}) {
        const auto reading = ReadValueBox(c.text, c.tab);
        ASSERT_EQ(reading.has_value(), c.read) << c.text;
        if (reading) {
            EXPECT_EQ(reading->value, c.value) << c.text;
            EXPECT_EQ(reading->unit, c.unit) << c.text;
            EXPECT_EQ(reading->targets, c.targets) << c.text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, ValueBoxRefusal,
    ::testing::Values(
        OffTab{"Length", "3 kg", "\"kg\" is a Weight unit, not a Length one"},
        OffTab{"Weight", "1 gallon", "\"gallon\" is a Cooking or Volume unit, not a Weight one"},
        OffTab{"Angle", "350F", "\"F\" is a Temperature unit, not an Angle one"},
        OffTab{"Length", "3 ft to kg", "\"ft\" is a Length unit, \"kg\" a Weight unit"}));

}  // namespace
}  // namespace convert
