// The Temperature tab's arithmetic: a value in one scale converted by formula into the
// two other scales, with the formulas shown as text.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace convert {

// The unit list of the Temperature tab, in index order.
inline constexpr std::array<std::string_view, 3> kTemperatureListItems{
    "Celsius (°C)", "Farenheit (°F)", "Kelvin (K)"};

// The labels written beside the results; no blank before the parenthesis.
inline constexpr std::array<std::string_view, 3> kTemperatureLabels{"Celsius(°C)", "Farenheit(°F)",
                                                                    "Kelvin(K)"};

struct TemperatureText {
    std::string values;   // two results with "%0.03f", one "\r\n" between them
    std::string labels;   // the two results' scales, one "\r\n" between them
    std::string formula;  // the two formulas applied, one "\r\n" between them
};

// One of the two results: its value, its scale (an index into the lists above) and the
// formula that gave it.
struct TemperatureResult {
    double value;
    int unit;
    std::string_view formula;
};

// Why a temperature is not converted: it lies below absolute zero (written in the scale
// it was entered in), or a result is too large to be a number. Shown in an exclamation
// box with kTemperatureRefusedCaption by the tab, and as the reason of a refused query
// or command elsewhere.
inline constexpr std::array<std::string_view, 3> kBelowAbsoluteZeroTexts{
    "The temperature is below absolute zero (-273.15 °C)",
    "The temperature is below absolute zero (-459.67 °F)",
    "The temperature is below absolute zero (0 K)"};
inline constexpr std::string_view kTemperatureTooLargeText =
    "The result is too large to show; please enter a smaller temperature";
inline constexpr std::string_view kTemperatureRefusedCaption = "Out of range";

// The sentence that refuses `value` in scale `unit` (0 Celsius, 1 Fahrenheit, 2 Kelvin),
// or empty when it converts. Absolute zero itself (0 K, -273.15 °C, -459.67 °F, exactly
// as typed) converts: the value is compared in its own scale, not after a conversion
// that could round it below.
std::optional<std::string_view> TemperatureRefusal(double value, int unit);

// The two results in the order the tab shows them; empty when unit is not 0 (Celsius),
// 1 (Fahrenheit) or 2 (Kelvin), and when TemperatureRefusal refuses the value.
std::optional<std::array<TemperatureResult, 2>> TemperatureResults(double value, int unit);

// The same results as the tab writes them; empty in the same cases.
std::optional<TemperatureText> ConvertTemperature(double value, int unit);

}  // namespace convert
