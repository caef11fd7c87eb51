#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "convert/converter.h"

namespace convert {
namespace {

// A text, the value it reads as, and the reason given when it reads as none.
template <typename Value>
struct TextCase {
    const char* text;
    std::optional<Value> value;
    NumberRefusal refusal;
};

template <typename Value>
void PrintTo(const TextCase<Value>& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

using RealCase = TextCase<double>;
using WholeCase = TextCase<int>;

class ReadRealTest : public ::testing::TestWithParam<RealCase> {};

TEST_P(ReadRealTest, AcceptsOnlyPlainDecimals)
{
    const RealCase& c = GetParam();
    const RealReading reading = ReadReal(c.text);
    EXPECT_EQ(reading.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(reading.refusal, c.value ? NumberRefusal::None : c.refusal) << '"' << c.text << '"';
}

constexpr auto kNo = NumberRefusal::NotANumber;
INSTANTIATE_TEST_SUITE_P(
    Texts, ReadRealTest,
    ::testing::Values(RealCase{"90", 90.0, kNo}, RealCase{"  -1.5e3 ", -1500.0, kNo},
                      RealCase{"+.5", 0.5, kNo}, RealCase{"5.", 5.0, kNo},
                      RealCase{"1E+2", 100.0, kNo}, RealCase{"1.7e308", 1.7e308, kNo},
                      RealCase{"5e-324", 5e-324, kNo}, RealCase{"3e-324", 5e-324, kNo},
                      RealCase{"0e-99999", 0.0, kNo}, RealCase{"-0.000", -0.0, kNo},
                      // Nonzero, but nearer to zero than any double but zero.
                      RealCase{"1e-400", std::nullopt, NumberRefusal::TooSmall},
                      RealCase{"-2e-324", std::nullopt, NumberRefusal::TooSmall},
                      RealCase{"0.0000001e-99999999999", std::nullopt, NumberRefusal::TooSmall},
                      RealCase{"", std::nullopt, NumberRefusal::Empty},
                      RealCase{"   ", std::nullopt, NumberRefusal::Empty},
                      RealCase{"1e999", std::nullopt, NumberRefusal::OutOfRange},
                      RealCase{"-1e999", std::nullopt, NumberRefusal::OutOfRange},
                      RealCase{"12345678901234567890e300", std::nullopt, NumberRefusal::OutOfRange},
                      RealCase{"abc", std::nullopt, kNo}, RealCase{"1.5.2", std::nullopt, kNo},
                      RealCase{"1,5", std::nullopt, kNo}, RealCase{"0x1p3", std::nullopt, kNo},
                      RealCase{"inf", std::nullopt, kNo}, RealCase{"infinity", std::nullopt, kNo},
                      RealCase{"nan", std::nullopt, kNo}, RealCase{".", std::nullopt, kNo},
                      RealCase{"-", std::nullopt, kNo}, RealCase{"1e", std::nullopt, kNo},
                      RealCase{"1 2", std::nullopt, kNo}, RealCase{"\xd9\xa3", std::nullopt, kNo},
                      RealCase{"--1", std::nullopt, kNo}));

class ReadWholeNumberTest : public ::testing::TestWithParam<WholeCase> {};

TEST_P(ReadWholeNumberTest, AcceptsOnly32BitWholeNumbers)
{
    const WholeCase& c = GetParam();
    const WholeReading reading = ReadWholeNumber(c.text);
    EXPECT_EQ(reading.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(reading.refusal, c.value ? NumberRefusal::None : c.refusal) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadWholeNumberTest,
    ::testing::Values(WholeCase{"3", 3, kNo}, WholeCase{" -2147483648 ", -2147483648, kNo},
                      WholeCase{"+2147483647", 2147483647, kNo},
                      WholeCase{"2147483648", std::nullopt, NumberRefusal::OutOfRange},
                      WholeCase{"-99999999999999999999", std::nullopt, NumberRefusal::OutOfRange},
                      WholeCase{"2.5", std::nullopt, NumberRefusal::NotWhole},
                      WholeCase{"1e3", std::nullopt, NumberRefusal::NotWhole},
                      WholeCase{"", std::nullopt, NumberRefusal::Empty},
                      WholeCase{"three", std::nullopt, kNo}));

// A field that narrows the range refuses beyond it with the same message as beyond
// the 32-bit range, naming its own ends.
TEST(ReadWholeNumberTest, RefusesOutsideANarrowedRangeNamingIt)
{
    EXPECT_EQ(ReadWholeNumber("9999999", -999999, 9999999).value, 9999999);
    EXPECT_EQ(ReadWholeNumber("-999999", -999999, 9999999).value, -999999);
    for (const char* text : {"10000000", "-1000000", "2147483648"}) {
        EXPECT_EQ(ReadWholeNumber(text, -999999, 9999999).refusal, NumberRefusal::OutOfRange)
            << text;
    }
    EXPECT_EQ(WholeRefusalMessage(NumberRefusal::OutOfRange, -999999, 9999999),
              "Please enter a whole number between -999999 and 9999999.");
    EXPECT_EQ(WholeRefusalMessage(NumberRefusal::OutOfRange),
              "Please enter a whole number between -2147483648 and 2147483647.");
}

// The same text as the C library's printf in the C locale, for random values of every
// magnitude and sign, exact halves that round to even, and the edges of the ranges.
TEST(FormatFixedTest, WritesWhatPrintfWrites)
{
    std::vector<double> values{
        0.5,  1.5, 2.5,  0.125,   0.375, -0.000001,      1e-30,   8589934591.5, 1e10, 1e300,
        -0.0, 0.0, 5e-5, 0.00015, 2.675, 9999999.999995, 1.0 / 3, 1 << 20,      1e-18};
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-20, 12);
    for (int i = 0; i < 100000; ++i) {
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    }
    for (const double value : values) {
        for (int digits = 0; digits <= 5; ++digits) {
            std::array<char, 400> expected{};
            std::snprintf(expected.data(), expected.size(), "%.*f", digits, value);
            ASSERT_EQ(FormatFixed(value, digits), expected.data()) << value << " " << digits;
        }
    }
}

TEST(FormatGeneralTest, WritesFifteenSignificantDigitsWithoutTrailingZeros)
{
    EXPECT_EQ(FormatGeneral(265.0), "265");
    EXPECT_EQ(FormatGeneral(1.00794), "1.00794");
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(1e20), "1e+20");
    EXPECT_EQ(FormatGeneral(-0.1), "-0.1");
    EXPECT_EQ(FormatGeneral(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(FormatGeneral(5e-324), "4.94065645841247e-324");
}

// Each value, written into its box and read again, is bit for bit the same double.
TEST(FormatRoundTripTest, WritesTheShortestTextThatReadsBackExactly)
{
    const std::pair<double, const char*> cases[]{
        {0.0, "0"},
        {-0.0, "-0"},
        {0.1, "0.1"},
        {1e7, "10000000"},
        {10000000.000000002, "10000000.000000002"},
        {0.30000000000000004, "0.30000000000000004"},
        {1.0000000000000002, "1.0000000000000002"},
        {9999999.999999998, "9999999.999999998"},
        {2.0 / 3.0, "0.6666666666666666"},
        {5e-324, "5e-324"},
        {1e-320, "1e-320"},
        {-2.5e-310, "-2.5e-310"},
        {1e6, "1000000"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1e+15"},
        {0.0001, "0.0001"},
        {0.00001, "1e-05"},
        {1e300, "1e+300"},
        {-1.7976931348623157e308, "-1.7976931348623157e+308"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatRoundTrip(value), text);
        const auto read = ReadReal(text).value;
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*read), std::bit_cast<std::uint64_t>(value)) << text;
    }
}

// Where fifteen significant digits already read back, the box shows what "%.15g"
// writes: only numbers that need more digits, or fewer (below the normal doubles),
// are written otherwise.
TEST(FormatRoundTripTest, AgreesWithFifteenDigitsWhereTheyReadBack)
{
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int i = 0; i < 100000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        std::array<char, 64> fifteen{};
        std::snprintf(fifteen.data(), fifteen.size(), "%.15g", value);
        if (ReadReal(fifteen.data()).value == value) {
            ASSERT_EQ(FormatRoundTrip(value), fifteen.data()) << value;
        }
    }
}

// The window's process runs under the user's locale; the texts must not follow it.
class CommaLocaleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Linux's names, then Windows' (its C library's name for German).
        for (const char* name :
             {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8", "German_Germany.1252"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                return;
            }
        }
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(CommaLocaleTest, WritesAndReadsAPoint)
{
    EXPECT_EQ(FormatProduct(1.5707, 0, 2), "1.57");
    EXPECT_EQ(FormatProduct(1234.5, 1, 2), "1.234500e+03");
    EXPECT_EQ(FormatGeneral(1.5), "1.5");
    EXPECT_EQ(ReadReal("1.5").value, 1.5);
    EXPECT_FALSE(ReadReal("1,5").value.has_value());
}

}  // namespace
}  // namespace convert
