// Queries in the user's own words: what they are read as, what they are refused for,
// and that their answers are the category form's texts.
#include "convert/query.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "convert/categories.h"
#include "convert/temperature_formula.h"

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
    std::vector<std::string_view> targets;
    for (const int target : query.targets) {
        targets.push_back(LabelOf(query, target));
    }
    EXPECT_EQ(targets, expected.targets);
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
        Reading{"1500 kJ", "Energy", 1500, "Kilojoule (kJ)", {}},
        Reading{"10 MB to Mb", "Computer Storage", 10, "Megabyte (MB)", {"Megabit"}}));

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
        Refused{"3 fet", kRefused, "fet", "did you mean \"feet\""},
        Refused{"3 ft to kg", kRefused, "kg", "\"ft\" is a Length unit, \"kg\" a Weight unit"},
        Refused{"3", kRefused, "", "unit is missing"},
        Refused{"3 ft to", kRefused, "to", "target unit is missing"},
        Refused{"5 knots", kRefused, "knots", "not a unit this converter has"},
        Refused{"3 nautical miles to km", kRefused, "nautical miles", "not a unit this"},
        Refused{"1 year", kRefused, "year", "not a unit this"},
        Refused{"20 ms", kRefused, "ms", "not a unit this"},
        Refused{"1.5 kJ", kRefused, "1.5", "whole number"},
        Refused{"3 mB", kRefused, "mB", "\"MB\""},
        Refused{"3 C to C", kRefused, "C", "two other scales"},
        Refused{"1 C 3 K", kRefused, "3 K", "do not add"},
        Refused{"1 m -3 cm", kRefused, "-3", "sign"},
        Refused{"1/0 cup", kRefused, "1/0", "fraction"},
        Refused{"3 ft to 5 m", kRefused, "5", "unit alone"}));

}  // namespace
}  // namespace convert
