// The factor data of every converter category: their shapes, the agreement of each table with
// itself that a mistyped entry would break, and the lines of the cases users check first.
#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "convert/categories.h"
#include "convert/converter.h"
#include "tests/support/lines.h"

namespace convert {
namespace {

using testing_support::Lines;

// Each table's shape is checked where it is written (a static_assert beside it); a table
// with no factor data converts nothing, which the first test below notices.
// A unit converts to itself unchanged. A metric unit of a two-group table reaches itself through
// its source factor and the base row (3 x 0.0001 x 10000 is 3.0000000000000004 in doubles), which
// may leave a residue in the last bit of the product, below anything its text shows.
TEST(FactorTablesTest, EveryUnitConvertsToItselfUnchanged)
{
    constexpr double kValue = 3;
    for (const Category* category : kConverterCategories) {
        SCOPED_TRACE(category->caption);
        const std::size_t units = category->labels.size();
        const auto* square = std::get_if<SquareTable>(&category->table);
        const auto* twoGroup = std::get_if<TwoGroupTable>(&category->table);
        if (twoGroup != nullptr) {
            EXPECT_EQ(twoGroup->sourceFactors[0], 1.0);
            EXPECT_EQ(twoGroup->baseRow[0], 1.0);
        }
        for (std::size_t r = 0; r < units; ++r) {
            SCOPED_TRACE(category->labels[r]);
            const auto products = ConvertProducts(*category, kValue, static_cast<int>(r));
            ASSERT_TRUE(products.has_value());
            const double own = (*products)[r];
            if (square != nullptr) {
                EXPECT_EQ(square->factors[r * units + r], 1.0);
                EXPECT_EQ(own, kValue);
            } else if (r >= twoGroup->firstGroupSize) {
                const std::size_t second = units - twoGroup->firstGroupSize;
                const std::size_t g = r - twoGroup->firstGroupSize;
                EXPECT_EQ(twoGroup->groupFactors[g * second + g], 1.0);
                EXPECT_EQ(own, kValue);
            } else {
                EXPECT_NEAR(own, kValue, 4 * kValue * std::numeric_limits<double>::epsilon());
                EXPECT_EQ(FormatProduct(own, 1, -1), "3.000000e+00");
            }
        }
    }
}

// How far an entry may lie from the factor it stands for, as a bound on |ln(entry / factor)|.
// An entry is the factor rounded in the last digit it shows (0.000649, 2.4711e-10, 1e-06 for
// 7.7e-07). A whole number counts as carrying at least five significant digits: its trailing
// zeros may be exact (3600) or rounding (1048600), and the tables round to five digits.
double Looseness(double entry)
{
    // Fifteen digits drop the binary residue of literals such as 376991120000.00006.
    std::array<char, 32> text{};
    const char* end = std::to_chars(text.data(), text.data() + text.size(), entry,
                                    std::chars_format::scientific, 14)
                          .ptr;
    std::string digits;
    for (const char* p = text.data(); p != end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            digits += *p;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    if (entry == std::floor(entry)) {
        digits.resize(std::max<std::size_t>(digits.size(), 5), '0');
    }
    const double significand = std::stod(digits);
    return -std::log(1 - 0.5 / significand);
}

// What the category shows for value 1 from every unit, and how loose each line may be: a line
// carries the looseness of each entry that was multiplied into it.
struct Grid {
    std::vector<std::vector<double>> lines;
    std::vector<std::vector<double>> looseness;
};

Grid GridOf(const Category& category)
{
    const std::size_t units = category.labels.size();
    Grid grid;
    for (std::size_t r = 0; r < units; ++r) {
        grid.lines.push_back(ConvertProducts(category, 1, static_cast<int>(r)).value());
        std::vector<double> row(units);
        for (std::size_t c = 0; c < units; ++c) {
            if (const auto* square = std::get_if<SquareTable>(&category.table)) {
                row[c] = Looseness(square->factors[r * units + c]);
                continue;
            }
            const auto& table = std::get<TwoGroupTable>(category.table);
            const std::size_t first = table.firstGroupSize;
            if (r >= first && c >= first) {
                row[c] = Looseness(table.groupFactors[(r - first) * (units - first) + c - first]);
            } else {
                row[c] = Looseness(table.sourceFactors[r]) + Looseness(table.baseRow[c]);
            }
        }
        grid.looseness.push_back(row);
    }
    return grid;
}

// Every line must agree with the way back (r to c times c to r is 1) and with every path through
// a third unit (r to m times m to c is r to c), within the rounding of the entries involved. A
// dropped, doubled or swapped digit or a row in the wrong place breaks one of these far beyond
// that rounding. The odd entries the product keeps lie within the rounding of the entries they
// meet, so no cell needs excusing. Returns the disagreements found, one per line.
std::string Disagreements(const Category& category)
{
    constexpr double kArithmetic = 1e-12;  // the binary rounding of the products themselves
    const Grid grid = GridOf(category);
    const auto& p = grid.lines;
    const auto& loose = grid.looseness;
    const std::size_t units = p.size();
    std::ostringstream found;
    std::size_t count = 0;
    const auto report = [&](std::size_t r, std::size_t m, std::size_t c, double logRatio) {
        if (++count <= 8) {
            found << category.labels[r] << " -> " << category.labels[m] << " -> "
                  << category.labels[c] << ": off by " << std::exp(logRatio) << "\n";
        }
    };
    for (std::size_t r = 0; r < units; ++r) {
        for (std::size_t c = 0; c < units; ++c) {
            if (!(p[r][c] > 0)) {
                report(r, c, c, std::numeric_limits<double>::quiet_NaN());
                continue;
            }
            const double back = std::log(p[r][c] * p[c][r]);
            if (std::abs(back) > loose[r][c] + loose[c][r] + kArithmetic) {
                report(r, c, r, back);
            }
            for (std::size_t m = 0; m < units; ++m) {
                const double via = std::log(p[r][m] * p[m][c] / p[r][c]);
                if (std::abs(via) > loose[r][m] + loose[m][c] + loose[r][c] + kArithmetic) {
                    report(r, m, c, via);
                }
            }
        }
    }
    if (count > 8) {
        found << "and " << count - 8 << " more\n";
    }
    return found.str();
}

TEST(FactorTablesTest, EveryTableAgreesWithItselfWithinItsRounding)
{
    for (const Category* category : kConverterCategories) {
        SCOPED_TRACE(category->caption);
        EXPECT_EQ(Disagreements(*category), "");
    }
}

// The check above is only worth having if it notices the mistakes it is there for; here they
// are planted in a copy of the Speed table.
struct Mistake {
    const char* what;
    std::function<void(std::vector<double>&)> plant;
};

void PrintTo(const Mistake& m, std::ostream* os)
{
    *os << m.what;
}

class PlantedMistakeTest : public ::testing::TestWithParam<Mistake> {};

TEST_P(PlantedMistakeTest, IsNoticed)
{
    const auto& speed = std::get<SquareTable>(kSpeed.table);
    const std::vector<double> original(speed.factors.begin(), speed.factors.end());
    std::vector<double> factors = original;
    GetParam().plant(factors);
    ASSERT_NE(factors, original);
    const Category copy{"Speed", kSpeed.labels, kSpeed.listItems, kSpeed.valueKind,
                        SquareTable{factors}};
    EXPECT_NE(Disagreements(copy), "");
}

constexpr std::size_t kSpeedUnits = 7;

INSTANTIATE_TEST_SUITE_P(
    Speed, PlantedMistakeTest,
    ::testing::Values(
        Mistake{"2236.9 typed as 236.9", [](auto& f) { f[0 * kSpeedUnits + 5] = 236.9; }},
        Mistake{"26.822 typed as 26.8822", [](auto& f) { f[5 * kSpeedUnits + 3] = 26.8822; }},
        Mistake{"0.054681 typed as 0.045681", [](auto& f) { f[3 * kSpeedUnits + 6] = 0.045681; }},
        Mistake{"0.0001726 typed as 0.001726", [](auto& f) { f[2 * kSpeedUnits + 4] = 0.001726; }},
        Mistake{"Kilometer per hour and Meter per minute rows swapped",
                [](auto& f) {
                    std::swap_ranges(f.begin() + 2 * kSpeedUnits, f.begin() + 3 * kSpeedUnits,
                                     f.begin() + 3 * kSpeedUnits);
                }},
        Mistake{"5793.6 and 96561 in each other's column",
                [](auto& f) { std::swap(f[4 * kSpeedUnits + 2], f[4 * kSpeedUnits + 3]); }}));

struct LinesCase {
    const char* what;
    const Category* category;
    double value;
    int unit;
    int scientific;
    int decimals;
    std::string values;
};

void PrintTo(const LinesCase& c, std::ostream* os)
{
    *os << c.what;
}

class CategoryLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(CategoryLinesTest, ShowsEveryUnit)
{
    const LinesCase& c = GetParam();
    const auto text = ConvertAll(*c.category, c.value, c.unit, c.scientific, c.decimals);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->values, c.values);
}

// Each expected text is worked out by hand from the table's entries for value 1 and the
// formatting rule: a source in either group of a two-group table, and two square tables.
INSTANTIATE_TEST_SUITE_P(
    Categories, CategoryLinesTest,
    ::testing::Values(
        // Metric lines are 1.6093 times the base row, imperial lines the sub-table's own.
        LinesCase{
            "Length from Mile", &kLength, 1, 8, 0, 2,
            Lines({"1.61", "1609.30", "16093.00", "160930.00", "1609300.00", "1.609300e+09",
                   "1.609300e+12", "1.609300e+13", "1.00", "1760.00", "5280.00", "63360.00"})},
        LinesCase{
            "Weight from Kilotonne", &kWeight, 1, 0, 0, 0,
            Lines({"1", "1000", "10000", "1000000", "1.000000e+09", "1.000000e+11", "1.000000e+12",
                   "1.000000e+15", "2204600", "3.527400e+07", "9806700", "5.000000e+09"})},
        // Hertz keeps its six-decimal 1e-06 while Kilohertz and up are exact reciprocals.
        LinesCase{"Frequency from Degree/hour", &kFrequency, 1, 1, 1, -1,
                  Lines({"1.000000e-06", "1.000000e+00", "1.666700e-02", "2.780000e-04",
                         "7.720000e-04", "1.000000e-06", "7.716049e-10", "7.716049e-13",
                         "7.716049e-16", "7.716049e-19", "1.745300e-02", "2.910000e-04",
                         "5.000000e-06", "2.778000e-03", "4.600000e-05", "1.000000e-06"})},
        // 0.616115 is stored just below its half-way point and 0.002605 just above.
        LinesCase{"Cooking from Pinch", &kCooking, 1, 2, 0, 5,
                  Lines({"9.50000", "2.00000", "1.00000", "0.61611", "0.00616", "0.50000",
                         "0.16667", "0.12504", "0.04168", "0.02084", "0.00261", "0.03760",
                         "0.00130", "0.00065", "0.00062", "0.00016"})}));

// With no decimals the Pinch's 9.499999 Drops is written as 9, not rounded up to 10 or 9.5.
// Only the Drop line is compared: other lines of this row lie exactly half-way (0.5).
TEST(CookingTest, PinchInDropsWithNoDecimals)
{
    const auto text = ConvertAll(kCooking, 1, 2, 0, 0);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->values.substr(0, text->values.find("\r\n") + 2), "9\r\n");
}

}  // namespace
}  // namespace convert
