#include "convert/temperature_formula.h"

#include <cmath>
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

constexpr int kCelsius = 0;
constexpr int kFahrenheit = 1;
constexpr int kKelvin = 2;

std::array<TemperatureResult, 2> Convert(double v, int unit)
{
    switch (unit) {
        case kCelsius:
            return {
                {{kNineFifths * v + kFreezing, kFahrenheit, "Farenheit = [ (9/5) * Celsius ] + 32"},
                 {v + kKelvinOffset, kKelvin, "Kelvin      = Celsius +273.15"}}};
        case kFahrenheit:
            return {
                {{(v - kFreezing) * kFiveNinths, kCelsius, "Celsius   = (5/9) * [Farenheit - 32]"},
                 {(v + kRankineOffset) / kNineFifths, kKelvin,
                  "Kelvin    = [Farenheit + 459.67] / (9/5)"}}};
        default:
            return {{{v - kKelvinOffset, kCelsius, "Celsius     = Kelvin - 273.15"},
                     {kNineFifths * v - kRankineOffset, kFahrenheit,
                      "Farenheit = [ (9/5) * Kelvin ] - 459.67"}}};
    }
}

bool IsScale(int unit)
{
    return unit >= 0 && static_cast<std::size_t>(unit) < kTemperatureListItems.size();
}

// Absolute zero in each scale, as the formulas' own constants write it.
constexpr std::array<double, 3> kAbsoluteZero{-kKelvinOffset, -kRankineOffset, 0};

std::string TwoLines(std::string_view first, std::string_view second)
{
    std::string text(first);
    text += "\r\n";
    text += second;
    return text;
}

// The sentence that refuses the value, or empty when `results`, its conversion, can be
// shown.
std::optional<std::string_view> Refusal(double value, std::size_t scale,
                                        const std::array<TemperatureResult, 2>& results)
{
    if (value < kAbsoluteZero[scale]) {
        return kBelowAbsoluteZeroTexts[scale];
    }
    for (const TemperatureResult& result : results) {
        if (!std::isfinite(result.value)) {
            return kTemperatureTooLargeText;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string_view> TemperatureRefusal(double value, int unit)
{
    if (!IsScale(unit)) {
        return std::nullopt;
    }
    return Refusal(value, static_cast<std::size_t>(unit), Convert(value, unit));
}

std::optional<std::array<TemperatureResult, 2>> TemperatureResults(double value, int unit)
{
    if (!IsScale(unit)) {
        return std::nullopt;
    }
    const std::array<TemperatureResult, 2> results = Convert(value, unit);
    if (Refusal(value, static_cast<std::size_t>(unit), results)) {
        return std::nullopt;
    }
    return results;
}

std::optional<TemperatureText> ConvertTemperature(double value, int unit)
{
    const auto results = TemperatureResults(value, unit);
    if (!results) {
        return std::nullopt;
    }
    const auto& [first, second] = *results;
    return TemperatureText{
        TwoLines(FormatFixed(first.value, 3), FormatFixed(second.value, 3)),
        TwoLines(kTemperatureLabels[static_cast<std::size_t>(first.unit)],
                 kTemperatureLabels[static_cast<std::size_t>(second.unit)]),
        TwoLines(first.formula, second.formula),
    };
}

}  // namespace convert
