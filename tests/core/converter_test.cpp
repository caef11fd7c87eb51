#include "convert/converter.h"
#include "tests/support/lines.h"

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <cmath>
#include <limits>

#include "convert/categories.h"
#include "numbers/number_text.h"

namespace convert {
namespace {

using testing_support::Lines;

struct FormatCase {
    double product;
    int scientific;
    int decimals;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.product << " scientific " << c.scientific << " decimals " << c.decimals;
}

class FormatProductTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatProductTest, WritesTheProductByTheRule)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatProduct(c.product, c.scientific, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, FormatProductTest,
    ::testing::Values(
        // The fixed-point band is inclusive at both ends.
        FormatCase{0.0001, 0, -1, "0.00010"}, FormatCase{10000000, 0, 0, "10000000"},
        FormatCase{std::nextafter(0.0001, 0.0), 0, -1, "1.000000e-04"},
        FormatCase{std::nextafter(10000000.0, 1e8), 0, 2, "1.000000e+07"},
        // Zero and every negative product are below the band.
        FormatCase{0, 0, 2, "0.000000e+00"}, FormatCase{-5, 0, 2, "-5.000000e+00"},
        FormatCase{-0.5, 0, -1, "-5.000000e-01"},
        // Scientific wins over any decimals, for any non-zero flag.
        FormatCase{90, 1, 2, "9.000000e+01"}, FormatCase{90, 7, 0, "9.000000e+01"},
        // Every decimals value, and anything else meaning five.
        FormatCase{1.5707, 0, 0, "2"}, FormatCase{1.5707, 0, 1, "1.6"},
        FormatCase{1.5707, 0, 2, "1.57"}, FormatCase{1.5707, 0, 3, "1.571"},
        FormatCase{1.5707, 0, 4, "1.5707"}, FormatCase{1.5707, 0, 5, "1.57070"},
        FormatCase{1.5707, 0, -1, "1.57070"}, FormatCase{1.5707, 0, 6, "1.57070"},
        // An infinite product is the C library's text.
        FormatCase{std::numeric_limits<double>::infinity(), 0, 2, "inf"},
        FormatCase{-std::numeric_limits<double>::infinity(), 0, 2, "-inf"}));

struct AngleCase {
    double value;
    int unit;
    int decimals;
    std::string values;
};

void PrintTo(const AngleCase& c, std::ostream* os)
{
    *os << c.value << " from unit " << c.unit << " decimals " << c.decimals;
}

class AngleExampleTest : public ::testing::TestWithParam<AngleCase> {};

TEST_P(AngleExampleTest, ListsEveryUnit)
{
    const AngleCase& c = GetParam();
    const auto text = ConvertAll(kAngle, c.value, c.unit, 0, c.decimals);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->values, c.values);
    EXPECT_EQ(text->labels, Lines({"Radians", "Gradients", "Degrees", "Minutes", "Seconds"}));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, AngleExampleTest,
    ::testing::Values(
        AngleCase{90, 2, 2, Lines({"1.57", "100.00", "90.00", "5400.00", "324000.00"})},
        AngleCase{1, 0, -1,
                  Lines({"1.00000", "63.66198", "57.29578", "3437.74677", "206264.80625"})},
        AngleCase{10000000, 1, 0,
                  Lines({"157080", "10000000", "9000000", "5.400000e+08", "3.240000e+10"})}));

TEST(ConvertAllTest, RefusesAUnitOutsideTheCategory)
{
    EXPECT_FALSE(ConvertAll(kAngle, 1, -1, 0, 0).has_value());
    EXPECT_FALSE(ConvertAll(kAngle, 1, 5, 0, 0).has_value());
    EXPECT_TRUE(ConvertAll(kAngle, 1, 4, 0, 0).has_value());
}

TEST(ConvertAllTest, RefusesACategoryWhoseTableDoesNotMatchItsUnits)
{
    constexpr std::string_view labels[]{"A", "B"};
    constexpr double tooShort[]{1, 2, 3};
    const Category broken{"Broken", labels, labels, ValueKind::Real, SquareTable{tooShort}};
    EXPECT_FALSE(HasFactorData(broken));
    EXPECT_FALSE(ConvertAll(broken, 1, 0, 0, 0).has_value());
}

// A small two-group category whose entries are powers of two, so every product is
// exact and says which entries were used.
constexpr std::string_view kToyLabels[]{"Base", "Half", "X", "Y"};
constexpr double kToySource[]{1, 0.5, 4, 8};
constexpr double kToyBase[]{1, 2, 16, 32};
constexpr double kToyGroup[]{1, 256, 1.0 / 256, 1};
const Category kToy{"Toy", kToyLabels, kToyLabels, ValueKind::Real,
                    TwoGroupTable{kToySource, kToyBase, kToyGroup, 2}};

// From the first group every line goes through the source factor (0.5) and the base
// row. From the second group its own group's lines go through its row of the
// sub-table and the source's own line is exactly the value; the first group's lines
// go through the source factor (8) and the base row.
TEST(TwoGroupTableTest, EachGroupUsesItsOwnEntries)
{
    EXPECT_EQ(ConvertProducts(kToy, 3, 1), (std::vector<double>{1.5, 3, 24, 48}));
    EXPECT_EQ(ConvertProducts(kToy, 3, 3), (std::vector<double>{24, 48, 3.0 / 256, 3}));
}

// The largest and smallest values the value box accepts, from every unit of every
// category: one line per unit, each a number or the C library's text for an infinite
// product, with nothing undefined on the way.
TEST(ExtremeValuesTest, EveryCategoryAndUnitGivesOneReadableLinePerUnit)
{
    for (const Category* category : kConverterCategories) {
        const int units = static_cast<int>(category->labels.size());
        for (int unit = 0; unit < units; ++unit) {
            for (const double value : {1.7e308, -1.7e308, 5e-324, -5e-324}) {
                const auto text = ConvertAll(*category, value, unit, 0, 2);
                ASSERT_TRUE(text.has_value()) << category->caption << ' ' << unit;
                std::size_t lines = 0;
                std::string_view rest = text->values;
                for (std::size_t end; (end = rest.find("\r\n")) != std::string_view::npos;
                     rest.remove_prefix(end + 2), ++lines) {
                    const std::string_view line = rest.substr(0, end);
                    EXPECT_TRUE(ReadReal(line).value || line == "inf" || line == "-inf")
                        << category->caption << ' ' << unit << ' ' << value << ": " << line;
                }
                EXPECT_TRUE(rest.empty());
                EXPECT_EQ(lines, category->labels.size());
            }
        }
    }
}

}  // namespace
}  // namespace convert
