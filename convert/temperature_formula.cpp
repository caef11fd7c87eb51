#include "convert/temperature_formula.h"

#include <cstddef>

#include "numbers/number_text.h"

namespace convert {
namespace {

constexpr double kNineFifths = 1.8;
constexpr double kFreezing = 32;
constexpr double kKelvinOffset = 273.15;
constexpr double kRankineOffset = 459.67;
// Stands for 5/9 in the Fahrenheit-to-Celsius formula only; the product has always
// shown this rounding (10000 F reads 5537.782 C).
constexpr double kFiveNinths = 0.555556;

constexpr std::string_view kCelsius = kTemperatureLabels[0];
constexpr std::string_view kFahrenheit = kTemperatureLabels[1];
constexpr std::string_view kKelvin = kTemperatureLabels[2];

struct Line {
    double result;
    std::string_view label;
};

struct Conversion {
    Line first;
    Line second;
    std::string_view firstFormula;
    std::string_view secondFormula;
};

Conversion Convert(double v, int unit)
{
    switch (unit) {
        case 0:
            return {{kNineFifths * v + kFreezing, kFahrenheit},
                    {v + kKelvinOffset, kKelvin},
                    "Farenheit = [ (9/5) * Celsius ] + 32",
                    "Kelvin      = Celsius +273.15"};
        case 1:
            return {{(v - kFreezing) * kFiveNinths, kCelsius},
                    {(v + kRankineOffset) / kNineFifths, kKelvin},
                    "Celsius   = (5/9) * [Farenheit - 32]",
                    "Kelvin    = [Farenheit + 459.67] / (9/5)"};
        default:
            return {{v - kKelvinOffset, kCelsius},
                    {kNineFifths * v - kRankineOffset, kFahrenheit},
                    "Celsius     = Kelvin - 273.15",
                    "Farenheit = [ (9/5) * Kelvin ] - 459.67"};
    }
}

std::string TwoLines(std::string_view first, std::string_view second)
{
    std::string text(first);
    text += "\r\n";
    text += second;
    return text;
}

}  // namespace

std::optional<TemperatureText> ConvertTemperature(double value, int unit)
{
    if (unit < 0 || static_cast<std::size_t>(unit) >= kTemperatureListItems.size()) {
        return std::nullopt;
    }
    const Conversion c = Convert(value, unit);
    return TemperatureText{
        TwoLines(FormatFixed(c.first.result, 3), FormatFixed(c.second.result, 3)),
        TwoLines(c.first.label, c.second.label),
        TwoLines(c.firstFormula, c.secondFormula),
    };
}

}  // namespace convert
