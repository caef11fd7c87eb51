// The order of a bare amount's answers in the desktop search: the examples a person
// would try, each with the units that must lead, that must be among the first five and
// that must not be.
#include "convert/answer_rank.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "convert/categories.h"
#include "convert/temperature_formula.h"

namespace convert {
namespace {

struct RankCase {
    std::string_view query;
    std::vector<std::string_view> first;   // the leading answers, in order
    std::vector<std::string_view> inFive;  // among the first five, any order
    std::vector<std::string_view> notInFive;
};

void PrintTo(const RankCase& c, std::ostream* os)
{
    *os << "'" << c.query << "'";
}

ParsedQuery Parse(std::string_view text)
{
    const auto parsed = ParseQuery(text);
    if (const auto* refusal = std::get_if<QueryRefusal>(&parsed)) {
        ADD_FAILURE() << text << ": " << refusal->message;
        return {};
    }
    return std::get<ParsedQuery>(parsed);
}

std::vector<std::string_view> RankedLabels(const ParsedQuery& query)
{
    std::vector<std::string_view> labels;
    for (const QueryAnswer& answer : RankAnswers(query, AnswerQuery(query, 0, -1))) {
        // The search leaves out the unit typed; so does the list checked here.
        if (answer.unit != query.unit || !query.targets.empty()) {
            labels.push_back(answer.label);
        }
    }
    return labels;
}

class AnswerRanking : public ::testing::TestWithParam<RankCase> {};

TEST_P(AnswerRanking, LeadsWithWhatAPersonWants)
{
    const RankCase& c = GetParam();
    const ParsedQuery query = Parse(c.query);
    const std::vector<std::string_view> labels = RankedLabels(query);
    ASSERT_GE(labels.size(), c.first.size());
    const std::vector<std::string_view> five(
        labels.begin(), labels.begin() + std::min<std::size_t>(5, labels.size()));
    EXPECT_EQ(std::vector(labels.begin(), labels.begin() + static_cast<long>(c.first.size())),
              c.first);
    for (const std::string_view label : c.inFive) {
        EXPECT_NE(std::find(five.begin(), five.end(), label), five.end()) << label;
    }
    for (const std::string_view label : c.notInFive) {
        EXPECT_EQ(std::find(five.begin(), five.end(), label), five.end()) << label;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AnswerRanking,
    ::testing::Values(
        RankCase{"3 ft",
                 {},
                 {"Meter (m)", "Inch (in)", "Centimeter (cm)"},
                 {"Decimeter (dm)", "Nanometer (nm)", "Kilometer (km)", "Angstrom"}},
        RankCase{"1 gallon",
                 {"Liter (l)"},
                 {"Milliliter (ml)"},
                 {"Cubic meter (m³)", "Cubic millimeter (mm³)", "Hectoliter (hl)"}},
        RankCase{"1 minute", {"Second (sec)"}, {"Hour"}, {}},
        RankCase{"5 lb",
                 {"Kilogram (kg)"},
                 {"Gram (g)", "Ounce (Avoir)"},
                 {"Kilotonne", "Tonne", "Microgram (mcg)"}},
        RankCase{"100 km", {"Mile (mi)"}, {"Meter (m)"}, {"Angstrom", "Nanometer (nm)"}},
        RankCase{"2 m", {"Foot (ft)", "Inch (in)"}, {"Yard (yd)", "Centimeter (cm)"}, {}},
        RankCase{"70 kg", {"Pound (lb) (Avoir)"}, {}, {"Kilotonne", "Carat", "Microgram (mcg)"}},
        RankCase{"20 l", {"Gallon, liquid (gal) (US)"}, {}, {"Acre foot", "Microliter (µl)"}},
        RankCase{"60 mph", {"Kilometer per hour", "Meter per second (m/s)"}, {}, {}},
        RankCase{"350F", {"Celsius(°C)", "Kelvin(K)"}, {}, {}},
        RankCase{"20 C", {"Farenheit(°F)", "Kelvin(K)"}, {}, {}},
        RankCase{"32 psi", {"Bar", "Kilopascal (kPa)"}, {}, {}},
        RankCase{"1 acre", {"Hectare", "Square meter (m²)"}, {}, {}},
        RankCase{"1 cup", {"Milliliter", "Liter"}, {}, {"Drop", "Pinch"}},
        RankCase{"90 degrees", {"Radians"}, {}, {}},
        RankCase{"3 days", {"Hour", "Week", "Minute (min)", "Second (sec)", "Century"}, {}, {}},
        RankCase{"1 GB", {"Megabyte (MB)"}, {}, {"Bit"}}));

TEST(AnswerRanking, AQueryWithTargetsKeepsTheOrderAsked)
{
    for (const std::string_view text : {"3 ft to nm km m", "5 lb to kilotonne kg", "350F to K C"}) {
        SCOPED_TRACE(text);
        const ParsedQuery query = Parse(text);
        const auto answers = AnswerQuery(query, 0, -1);
        const auto ranked = RankAnswers(query, answers);
        ASSERT_EQ(ranked.size(), answers.size());
        for (std::size_t i = 0; i < answers.size(); ++i) {
            EXPECT_EQ(ranked[i].unit, answers[i].unit);
        }
    }
}

TEST(AnswerRanking, EveryAnswerStaysOnceWithItsText)
{
    for (const std::string_view text : {"3 ft", "1e-30 m", "1e30 ly", "0 kg", "-40 F", "1 mi"}) {
        SCOPED_TRACE(text);
        const auto parsed = ParseQuery(text);
        if (!std::holds_alternative<ParsedQuery>(parsed)) {
            continue;
        }
        const ParsedQuery& query = std::get<ParsedQuery>(parsed);
        auto answers = AnswerQuery(query, 0, -1);
        auto ranked = RankAnswers(query, answers);
        auto byUnit = [](const QueryAnswer& a, const QueryAnswer& b) { return a.unit < b.unit; };
        std::sort(answers.begin(), answers.end(), byUnit);
        std::sort(ranked.begin(), ranked.end(), byUnit);
        ASSERT_EQ(ranked.size(), answers.size());
        for (std::size_t i = 0; i < answers.size(); ++i) {
            EXPECT_EQ(ranked[i].unit, answers[i].unit);
            EXPECT_EQ(ranked[i].text, answers[i].text);
        }
    }
}

// A unit missing from the ranking table (a new unit, a changed label) would silently
// sink to the end of every list.
TEST(AnswerRanking, KnowsEveryUnitOfEveryTab)
{
    for (const Category* category : kConverterCategories) {
        for (const std::string_view label : category->labels) {
            EXPECT_TRUE(RankingOf(category->caption, label).has_value())
                << category->caption << ": " << label;
        }
    }
    for (const std::string_view label : kTemperatureLabels) {
        EXPECT_TRUE(RankingOf("Temperature", label).has_value()) << label;
    }
    EXPECT_FALSE(RankingOf("Length", "Furlong").has_value());
    EXPECT_FALSE(RankingOf("Weight", "Meter (m)").has_value());
}

}  // namespace
}  // namespace convert
