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

// The two results in the order the tab shows them; empty when unit is not 0 (Celsius),
// 1 (Fahrenheit) or 2 (Kelvin).
std::optional<std::array<TemperatureResult, 2>> TemperatureResults(double value, int unit);

// The same results as the tab writes them; empty for the same units.
std::optional<TemperatureText> ConvertTemperature(double value, int unit);

}  // namespace convert
