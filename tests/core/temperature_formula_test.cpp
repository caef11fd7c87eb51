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
        // Absolute zero typed in the two other scales converts too.
        TemperatureCase{-273.15, 0, "-459.670\r\n0.000", "Farenheit(°F)\r\nKelvin(K)",
                        kFromCelsius},
        TemperatureCase{-459.67, 1, "-273.150\r\n0.000", "Celsius(°C)\r\nKelvin(K)",
                        kFromFahrenheit},
        // Never an exponent, however large.
        TemperatureCase{1e20, 0, "180000000000000000000.000\r\n100000000000000000000.000",
                        "Farenheit(°F)\r\nKelvin(K)", kFromCelsius}));

TEST(ConvertTemperatureTest, RefusesAUnitOutsideTheThreeScales)
{
    EXPECT_FALSE(ConvertTemperature(1, -1).has_value());
    EXPECT_FALSE(ConvertTemperature(1, 3).has_value());
    // No refusal of the value either: the missing unit is the tab's to report.
    EXPECT_FALSE(TemperatureRefusal(-1000, -1).has_value());
}

struct RefusedTemperature {
    double value;
    int unit;
    const char* text;  // empty when converted
};

void PrintTo(const RefusedTemperature& c, std::ostream* os)
{
    *os << c.value << " from unit " << c.unit;
}

class TemperatureRefusalTest : public ::testing::TestWithParam<RefusedTemperature> {};

TEST_P(TemperatureRefusalTest, RefusesWhatNoThermometerShows)
{
    const RefusedTemperature& c = GetParam();
    const auto refusal = TemperatureRefusal(c.value, c.unit);
    EXPECT_EQ(refusal.value_or(""), c.text);
    // Nothing is converted that is refused, and everything else is.
    EXPECT_EQ(ConvertTemperature(c.value, c.unit).has_value(), !refusal.has_value());
    EXPECT_EQ(TemperatureResults(c.value, c.unit).has_value(), !refusal.has_value());
}

constexpr const char* kBelowCelsius = "The temperature is below absolute zero (-273.15 °C)";
constexpr const char* kBelowFahrenheit = "The temperature is below absolute zero (-459.67 °F)";
constexpr const char* kBelowKelvin = "The temperature is below absolute zero (0 K)";
constexpr const char* kTooLarge =
    "The result is too large to show; please enter a smaller temperature";

INSTANTIATE_TEST_SUITE_P(
    Cases, TemperatureRefusalTest,
    ::testing::Values(
        // Absolute zero in each scale, then the nearest values below it.
        RefusedTemperature{-273.15, 0, ""}, RefusedTemperature{-459.67, 1, ""},
        RefusedTemperature{0, 2, ""}, RefusedTemperature{-0.0, 2, ""},
        RefusedTemperature{-273.16, 0, kBelowCelsius},
        RefusedTemperature{-273.15000000000003, 0, kBelowCelsius},
        RefusedTemperature{-459.68, 1, kBelowFahrenheit},
        RefusedTemperature{-460, 1, kBelowFahrenheit}, RefusedTemperature{-5, 2, kBelowKelvin},
        RefusedTemperature{-5e-324, 2, kBelowKelvin}, RefusedTemperature{-1e308, 0, kBelowCelsius},
        // -300 K is fine in Celsius and Fahrenheit, not in Kelvin.
        RefusedTemperature{-100, 0, ""}, RefusedTemperature{-100, 1, ""},
        RefusedTemperature{-100, 2, kBelowKelvin},
        // Results beyond the largest double: 1.8 x v overflows from Celsius and Kelvin.
        RefusedTemperature{1e308, 0, kTooLarge}, RefusedTemperature{1e308, 2, kTooLarge},
        RefusedTemperature{1e308, 1, ""}, RefusedTemperature{9.9e307, 0, ""}));

}  // namespace
}  // namespace convert
