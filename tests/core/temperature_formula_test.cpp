#include "convert/temperature_formula.h"

#include <gtest/gtest.h>

#include <ostream>

namespace convert {
namespace {

struct TemperatureCase {
    double value;
    int unit;
    const char* values;
    const char* labels;
    const char* formula;
};

void PrintTo(const TemperatureCase& c, std::ostream* os)
{
    *os << c.value << " from unit " << c.unit;
}

class ConvertTemperatureTest : public ::testing::TestWithParam<TemperatureCase> {};

TEST_P(ConvertTemperatureTest, GivesTheTwoOtherScalesAndTheFormulas)
{
    const TemperatureCase& c = GetParam();
    const auto text = ConvertTemperature(c.value, c.unit);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->values, c.values);
    EXPECT_EQ(text->labels, c.labels);
    EXPECT_EQ(text->formula, c.formula);
}

constexpr const char* kFromCelsius =
    "Farenheit = [ (9/5) * Celsius ] + 32\r\nKelvin      = Celsius +273.15";
constexpr const char* kFromFahrenheit =
    "Celsius   = (5/9) * [Farenheit - 32]\r\nKelvin    = [Farenheit + 459.67] / (9/5)";
constexpr const char* kFromKelvin =
    "Celsius     = Kelvin - 273.15\r\nFarenheit = [ (9/5) * Kelvin ] - 459.67";

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertTemperatureTest,
    ::testing::Values(
        TemperatureCase{100, 0, "212.000\r\n373.150", "Farenheit(°F)\r\nKelvin(K)", kFromCelsius},
        TemperatureCase{32, 1, "0.000\r\n273.150", "Celsius(°C)\r\nKelvin(K)", kFromFahrenheit},
        // 180 x 0.555556 is 100.00008, which rounds away.
        TemperatureCase{212, 1, "100.000\r\n373.150", "Celsius(°C)\r\nKelvin(K)", kFromFahrenheit},
        // The 0.555556 factor, not 5/9, shows in the third decimal.
        TemperatureCase{10000, 1, "5537.782\r\n5810.928", "Celsius(°C)\r\nKelvin(K)",
                        kFromFahrenheit},
        TemperatureCase{0, 2, "-273.150\r\n-459.670", "Celsius(°C)\r\nFarenheit(°F)", kFromKelvin},
        // Never an exponent, however large.
        TemperatureCase{1e20, 0, "180000000000000000000.000\r\n100000000000000000000.000",
                        "Farenheit(°F)\r\nKelvin(K)", kFromCelsius}));

TEST(ConvertTemperatureTest, RefusesAUnitOutsideTheThreeScales)
{
    EXPECT_FALSE(ConvertTemperature(1, -1).has_value());
    EXPECT_FALSE(ConvertTemperature(1, 3).has_value());
}

}  // namespace
}  // namespace convert
