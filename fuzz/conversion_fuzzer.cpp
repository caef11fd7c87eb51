// Random categories, units, values and format options through ConvertAll and
// ConvertTemperature: N lines each ended by "\r\n", every value a number the reading
// rule accepts or the C library's text for infinity or NaN.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "convert/categories.h"
#include "convert/temperature_formula.h"
#include "fuzz/check.h"
#include "numbers/number_text.h"

namespace {

using fuzz::Check;

std::vector<std::string_view> SplitLines(std::string_view text, std::string_view end)
{
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while ((at = text.find(end)) != std::string_view::npos) {
        lines.push_back(text.substr(0, at));
        text.remove_prefix(at + end.size());
    }
    if (!text.empty()) {
        lines.push_back(text);
    }
    return lines;
}

bool ReadsAsANumber(std::string_view line)
{
    return convert::ReadReal(line).value.has_value() || line == "inf" || line == "-inf" ||
           line == "nan" || line == "-nan";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::size_t which =
        input.ConsumeIntegralInRange<std::size_t>(0, convert::kConverterCategories.size());
    const int unit = input.ConsumeIntegralInRange<int>(-2, 21);
    const int scientific = input.ConsumeIntegralInRange<int>(-1, 2);
    const int decimals = input.ConsumeIntegralInRange<int>(-2, 7);
    const double value = input.ConsumeFloatingPoint<double>();
    if (!std::isfinite(value)) {
        return 0;  // the value box never accepts these
    }

    if (which == convert::kConverterCategories.size()) {
        const auto text = convert::ConvertTemperature(value, unit);
        Check(text.has_value() ==
              (unit >= 0 && unit <= 2 && !convert::TemperatureRefusal(value, unit)));
        if (text) {
            Check(text->values.ends_with("\r\n") == false);
            for (const std::string_view line : SplitLines(text->values, "\r\n")) {
                Check(ReadsAsANumber(line));
            }
        }
        return 0;
    }

    const convert::Category& category = *convert::kConverterCategories[which];
    const auto text = convert::ConvertAll(category, value, unit, scientific, decimals);
    const auto units = static_cast<int>(category.labels.size());
    // Refused only for a unit outside the category or a value too large for one of its
    // units, never shown as "inf".
    Check(text.has_value() == (unit >= 0 && unit < units &&
                               convert::ConvertsToFiniteNumbers(category, value, unit, {})));
    if (!text) {
        return 0;
    }
    Check(text->values.ends_with("\r\n") && text->labels.ends_with("\r\n"));
    const auto values = SplitLines(text->values, "\r\n");
    const auto labels = SplitLines(text->labels, "\r\n");
    Check(values.size() == category.labels.size() && labels.size() == values.size());
    for (std::size_t k = 0; k < values.size(); ++k) {
        Check(ReadsAsANumber(values[k]));
        Check(labels[k] == category.labels[k]);
    }
    return 0;
}
