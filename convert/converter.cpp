#include "convert/converter.h"

#include <algorithm>
#include <cmath>

#include "numbers/number_text.h"

namespace convert {
namespace {

// Products within these bounds (inclusive) are written fixed-point; NaN falls
// through both comparisons to fixed-point too, as printf would write it.
constexpr double kSmallestFixed = 0.0001;
constexpr double kLargestFixed = 10000000;
constexpr int kDefaultDecimals = 5;

// The value times the ratio of two unit sizes. A unit is its own value exactly.
// Multiplying before dividing keeps exact cases exact (3600 s is 1 h, 3 ft is 1 yd); the
// quotient is taken first only where the product alone would overflow or underflow though
// the result is an ordinary number.
double Product(std::span<const double> sizes, double value, std::size_t from, std::size_t to)
{
    if (from == to) {
        return value;
    }
    const double product = value * sizes[from] / sizes[to];
    if (std::isfinite(product) && (product != 0 || value == 0)) {
        return product;
    }
    return value * (sizes[from] / sizes[to]);
}

bool IsSize(double size)
{
    return size > 0 && std::isfinite(size);
}

// Every unit has a label, a list item and a size.
bool HasUnitCounts(const Category& category)
{
    const std::size_t units = category.labels.size();
    return units > 0 && category.listItems.size() == units && category.sizes.size() == units;
}

}  // namespace

bool HasUnitSizes(const Category& category)
{
    return HasUnitCounts(category) && std::ranges::all_of(category.sizes, IsSize);
}

std::optional<std::vector<double>> ConvertProducts(const Category& category, double value, int unit)
{
    const std::size_t units = category.labels.size();
    if (unit < 0 || static_cast<std::size_t>(unit) >= units || !HasUnitSizes(category)) {
        return std::nullopt;
    }
    const auto from = static_cast<std::size_t>(unit);
    std::vector<double> products(units);
    for (std::size_t k = 0; k < units; ++k) {
        products[k] = Product(category.sizes, value, from, k);
    }
    return products;
}

std::optional<double> ConvertProduct(const Category& category, double value, int unit, int target)
{
    const std::size_t units = category.labels.size();
    if (unit < 0 || static_cast<std::size_t>(unit) >= units || target < 0 ||
        static_cast<std::size_t>(target) >= units || !HasUnitCounts(category)) {
        return std::nullopt;
    }
    // Only the two units' sizes matter: a line of a stream converts in constant time.
    const auto from = static_cast<std::size_t>(unit);
    const auto to = static_cast<std::size_t>(target);
    if (!IsSize(category.sizes[from]) || !IsSize(category.sizes[to])) {
        return std::nullopt;
    }
    return Product(category.sizes, value, from, to);
}

bool ConvertsToFiniteNumbers(const Category& category, double value, int unit,
                             std::span<const int> targets)
{
    if (targets.empty()) {
        const auto products = ConvertProducts(category, value, unit);
        return !products ||
               std::ranges::all_of(*products, [](double p) { return std::isfinite(p); });
    }
    return std::ranges::all_of(targets, [&](int target) {
        return std::isfinite(ConvertProduct(category, value, unit, target).value_or(0));
    });
}

std::string FormatProduct(double product, int scientific, int decimals)
{
    if (scientific != 0 || product < kSmallestFixed || product > kLargestFixed) {
        return FormatExponent(product);
    }
    const bool chosen = decimals >= 0 && decimals <= kDefaultDecimals;
    return FormatFixed(product, chosen ? decimals : kDefaultDecimals);
}

std::optional<ConvertedText> ConvertAll(const Category& category, double value, int unit,
                                        int scientific, int decimals)
{
    const auto products = ConvertProducts(category, value, unit);
    if (!products || !std::ranges::all_of(*products, [](double p) { return std::isfinite(p); })) {
        return std::nullopt;
    }
    ConvertedText text;
    for (std::size_t k = 0; k < products->size(); ++k) {
        text.values += FormatProduct((*products)[k], scientific, decimals);
        text.values += "\r\n";
        text.labels += category.labels[k];
        text.labels += "\r\n";
    }
    return text;
}

}  // namespace convert
