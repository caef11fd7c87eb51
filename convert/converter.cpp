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

std::vector<double> Products(const SquareTable& table, std::size_t units, double value,
                             std::size_t row)
{
    std::vector<double> products(units);
    for (std::size_t k = 0; k < units; ++k) {
        products[k] = value * table.factors[row * units + k];
    }
    return products;
}

// Both groups' lines come from the source factor and the base row, except that a
// second-group source reaches its own group through the sub-table.
std::vector<double> Products(const TwoGroupTable& table, std::size_t units, double value,
                             std::size_t row)
{
    const std::size_t first = table.firstGroupSize;
    const std::size_t second = units - first;
    const bool fromSecondGroup = row >= first;
    std::vector<double> products(units);
    for (std::size_t k = 0; k < units; ++k) {
        if (fromSecondGroup && k >= first) {
            products[k] = value * table.groupFactors[(row - first) * second + (k - first)];
        } else {
            products[k] = (table.sourceFactors[row] * value) * table.baseRow[k];
        }
    }
    return products;
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
    return std::visit([&](const auto& table) { return Products(table, units, value, row); },
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
