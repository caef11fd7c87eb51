// The converter pages' arithmetic: a category's description, the conversion of one
// value into every unit of its category, and the text of each product.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace convert {

// What the value box of a category accepts.
enum class ValueKind {
    Real,         // any plain decimal number
    WholeNumber,  // a 32-bit whole number (Energy)
};

// N x N multipliers, row-major: row = source unit, column = target unit.
struct SquareTable {
    std::span<const double> factors;
};

// The metric units first (indices 0 .. firstGroupSize-1), then a second group whose
// units convert among themselves through their own sub-table.
struct TwoGroupTable {
    std::span<const double> sourceFactors;  // one unit of k in the base unit (unit 0)
    std::span<const double> baseRow;        // one base unit in unit k
    std::span<const double> groupFactors;   // (N-G) x (N-G), row-major
    std::size_t firstGroupSize;
};

// The index of the unit with that label; a label the list does not hold fails to compile.
// Two-group tables name the first unit of their second group with it.
template <std::size_t N>
consteval std::size_t IndexOfLabel(const std::string_view (&labels)[N], std::string_view label)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (labels[i] == label) {
            return i;
        }
    }
    throw "no unit has that label";
}

struct Category {
    std::string_view caption;                     // the tab caption, e.g. "Angle"
    std::span<const std::string_view> labels;     // written beside the values
    std::span<const std::string_view> listItems;  // shown in the unit list
    ValueKind valueKind;
    std::variant<SquareTable, TwoGroupTable> table;
};

struct ConvertedText {
    std::string values;  // N lines, each ended by "\r\n"
    std::string labels;  // N lines, each ended by "\r\n"
};

// True when the category's table has the shape its unit count asks for.
bool HasFactorData(const Category& category);

// The value expressed in every unit of the category, in unit order; empty when the
// unit is not one of the category's or its table is incomplete.
std::optional<std::vector<double>> ConvertProducts(const Category& category, double value,
                                                   int unit);

// The value in one unit of the category, computed exactly as ConvertProducts computes
// that unit's line; empty for a unit or target outside the category.
std::optional<double> ConvertProduct(const Category& category, double value, int unit, int target);

// The text of one product: "%e" when scientific is set or the product lies outside
// 0.0001 .. 1e7, otherwise fixed-point with `decimals` digits (five when none chosen).
// Always written with "." whatever the process locale.
std::string FormatProduct(double product, int scientific, int decimals);

// Both output texts of a press of "=". Refuses (empty result) a unit outside the
// category rather than reading past its table.
std::optional<ConvertedText> ConvertAll(const Category& category, double value, int unit,
                                        int scientific, int decimals);

}  // namespace convert
