#include "convert/converter.h"

#include "numbers/number_text.h"

namespace convert {
namespace {

// Products within these bounds (inclusive) are written fixed-point; NaN falls
// through both comparisons to fixed-point too, as printf would write it.
constexpr double kSmallestFixed = 0.0001;
constexpr double kLargestFixed = 10000000;
constexpr int kDefaultDecimals = 5;

bool HasShape(const SquareTable& table, std::size_t units)
{
    return table.factors.size() == units * units;
}

bool HasShape(const TwoGroupTable& table, std::size_t units)
{
    const std::size_t second = units - table.firstGroupSize;
    return table.firstGroupSize <= units && table.sourceFactors.size() == units &&
           table.baseRow.size() == units && table.groupFactors.size() == second * second;
}

double Product(const SquareTable& table, std::size_t units, double value, std::size_t row,
               std::size_t k)
{
    return value * table.factors[row * units + k];
}

// Both groups' lines come from the source factor and the base row, except that a
// second-group source reaches its own group through the sub-table.
double Product(const TwoGroupTable& table, std::size_t units, double value, std::size_t row,
               std::size_t k)
{
    const std::size_t first = table.firstGroupSize;
    if (row >= first && k >= first) {
        return value * table.groupFactors[(row - first) * (units - first) + (k - first)];
    }
    return (table.sourceFactors[row] * value) * table.baseRow[k];
}

}  // namespace

bool HasFactorData(const Category& category)
{
    const std::size_t units = category.labels.size();
    return units > 0 && category.listItems.size() == units &&
           std::visit([units](const auto& table) { return HasShape(table, units); },
                      category.table);
}

std::optional<std::vector<double>> ConvertProducts(const Category& category, double value, int unit)
{
    const std::size_t units = category.labels.size();
    if (unit < 0 || static_cast<std::size_t>(unit) >= units || !HasFactorData(category)) {
        return std::nullopt;
    }
    const auto row = static_cast<std::size_t>(unit);
    return std::visit(
        [&](const auto& table) {
            std::vector<double> products(units);
            for (std::size_t k = 0; k < units; ++k) {
                products[k] = Product(table, units, value, row, k);
            }
            return products;
        },
        category.table);
}

std::optional<double> ConvertProduct(const Category& category, double value, int unit, int target)
{
    const std::size_t units = category.labels.size();
    if (unit < 0 || static_cast<std::size_t>(unit) >= units || target < 0 ||
        static_cast<std::size_t>(target) >= units || !HasFactorData(category)) {
        return std::nullopt;
    }
    return std::visit(
        [&](const auto& table) {
            return Product(table, units, value, static_cast<std::size_t>(unit),
                           static_cast<std::size_t>(target));
        },
        category.table);
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
    if (!products) {
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
