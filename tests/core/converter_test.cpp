#include "convert/converter.h"
#include "tests/support/lines.h"

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

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

struct BrokenSizes {
    const char* what;
    std::vector<double> sizes;
};

void PrintTo(const BrokenSizes& b, std::ostream* os)
{
    *os << b.what;
}

class BrokenSizesTest : public ::testing::TestWithParam<BrokenSizes> {};

// A category whose definitions do not give every unit a positive, finite size converts
// nothing, rather than reading past its sizes or dividing by zero.
TEST_P(BrokenSizesTest, ConvertsNothing)
{
    constexpr std::string_view labels[]{"A", "B"};
    const Category broken{"Broken", labels, labels, ValueKind::Real, GetParam().sizes};
    EXPECT_FALSE(HasUnitSizes(broken));
    EXPECT_FALSE(ConvertAll(broken, 1, 0, 0, 0).has_value());
    EXPECT_FALSE(ConvertProduct(broken, 1, 0, 1).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BrokenSizesTest,
    ::testing::Values(BrokenSizes{"one size short", {1}},
                      BrokenSizes{"one size too many", {1, 2, 3}},
                      BrokenSizes{"a zero size", {1, 0}}, BrokenSizes{"a negative size", {1, -2}},
                      BrokenSizes{"an infinite size", {1, std::numeric_limits<double>::infinity()}},
                      BrokenSizes{"a NaN size", {std::numeric_limits<double>::quiet_NaN(), 1}}));

// The largest and smallest values the value box accepts, from every unit of every
// category: each unit's product is either a number that reads back, or the whole
// conversion is refused, never a line of "inf". The smallest values may underflow to 0.
TEST(ExtremeValuesTest, EveryLineIsANumberOrTheConversionIsRefused)
{
    for (const Category* category : kConverterCategories) {
        const int units = static_cast<int>(category->labels.size());
        for (int unit = 0; unit < units; ++unit) {
            for (const double value : {1.7e308, -1.7e308, 5e-324, -5e-324, 1e300}) {
                const auto text = ConvertAll(*category, value, unit, 0, 2);
                const bool finite = ConvertsToFiniteNumbers(*category, value, unit, {});
                ASSERT_EQ(text.has_value(), finite) << category->caption << ' ' << unit;
                if (!text) {
                    continue;
                }
                std::size_t lines = 0;
                std::string_view rest = text->values;
                for (std::size_t end; (end = rest.find("\r\n")) != std::string_view::npos;
                     rest.remove_prefix(end + 2), ++lines) {
                    const std::string_view line = rest.substr(0, end);
                    EXPECT_TRUE(ReadReal(line).value)
                        << category->caption << ' ' << unit << ' ' << value << ": " << line;
                }
                EXPECT_TRUE(rest.empty());
                EXPECT_EQ(lines, category->labels.size());
            }
        }
    }
}

// Only the units asked for decide: 1e300 km is a number of miles but not of Angstroms.
TEST(ExtremeValuesTest, OnlyTheAskedUnitsMustBeFinite)
{
    constexpr int kKilometer = 0;
    constexpr int kAngstrom = 7;
    constexpr int kMile = 8;
    constexpr std::array kMiles{kMile};
    constexpr std::array kAngstroms{kAngstrom};
    EXPECT_TRUE(ConvertsToFiniteNumbers(kLength, 1e300, kKilometer, kMiles));
    EXPECT_FALSE(ConvertsToFiniteNumbers(kLength, 1e300, kKilometer, kAngstroms));
    EXPECT_FALSE(ConvertsToFiniteNumbers(kLength, 1e300, kKilometer, {}));
    EXPECT_FALSE(ConvertAll(kLength, 1e300, kKilometer, 0, 5).has_value());
    // The product alone would overflow, the result does not: 1e308 seconds in centuries.
    EXPECT_NEAR(*ConvertProduct(kTime, 1e308, 5, 0), 1e308 / 3155695200.0, 1e293);
}

}  // namespace
}  // namespace convert
