// The converter pages' arithmetic: a category's description, the conversion of one
// value into every unit of its category, and the text of each product.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace convert {

// What the value box of a category accepts.
enum class ValueKind {
    Real,         // any plain decimal number
    WholeNumber,  // a 32-bit whole number (Energy)
};

struct Category {
    std::string_view caption;                     // the tab caption, e.g. "Angle"
    std::span<const std::string_view> labels;     // written beside the values
    std::span<const std::string_view> listItems;  // shown in the unit list
    ValueKind valueKind;
    // One of each unit in the category's base unit, in unit order: the unit's definition.
    // A conversion from unit r to unit k is the ratio sizes[r] / sizes[k].
    std::span<const double> sizes;
};

struct ConvertedText {
    std::string values;  // N lines, each ended by "\r\n"
    std::string labels;  // N lines, each ended by "\r\n"
};

// True when the category defines every one of its units by a positive, finite size.
bool HasUnitSizes(const Category& category);

// The value expressed in every unit of the category, in unit order; empty when the
// unit is not one of the category's or its definitions are incomplete.
std::optional<std::vector<double>> ConvertProducts(const Category& category, double value,
                                                   int unit);

// The value in one unit of the category, computed exactly as ConvertProducts computes
// that unit's line; empty for a unit or target outside the category.
std::optional<double> ConvertProduct(const Category& category, double value, int unit, int target);

// The text of one product: "%e" when scientific is set or the product lies outside
// 0.0001 .. 1e7, otherwise fixed-point with `decimals` digits (five when none chosen).
// Always written with "." whatever the process locale.
std::string FormatProduct(double product, int scientific, int decimals);

// True when the value converts into each target unit of the category (every unit when no
// target is named) as a finite number. A value so large that a product overflows is
// refused with kTooLargeText rather than shown as "inf".
bool ConvertsToFiniteNumbers(const Category& category, double value, int unit,
                             std::span<const int> targets);

// Both output texts of a press of "=". Empty for a unit outside the category, rather than
// reading past its definitions, and for a value whose products are not all finite numbers.
std::optional<ConvertedText> ConvertAll(const Category& category, double value, int unit,
                                        int scientific, int decimals);

}  // namespace convert
