#include "cli/table_writer.h"

#include <array>

namespace cli {

void TableWriter::Single(std::string& text, const Conversion& conversion) const
{
    AppendResultHeader(text, conversion.plan);
    AppendResultRows(text, conversion);
}

void TableWriter::ColumnHead(std::string& text, const Plan& plan) const
{
    if (plan.targets.size() == 1) {
        AppendResultHeader(text, plan);
        return;
    }
    std::vector<std::string_view> labels;
    for (const std::size_t target : plan.targets) {
        labels.push_back(LabelOf(plan.tab, target));
    }
    AppendRow(text, labels);
}

void TableWriter::ColumnValue(std::string& text, const Conversion& conversion) const
{
    if (conversion.plan.targets.size() == 1) {
        AppendResultRows(text, conversion);
        return;
    }
    std::vector<std::string_view> row;
    row.reserve(conversion.results.size());
    for (const Result& r : conversion.results) {
        row.push_back(r.text);
    }
    AppendRow(text, row);
}

void TableWriter::QueryHead(std::string& text) const
{
    AppendRow(text, std::array<std::string_view, 4>{"query", "value", "unit", "formula"});
}

void TableWriter::QueryValue(std::string& text, std::string_view query,
                             const Conversion& conversion) const
{
    for (const Result& r : conversion.results) {
        AppendRow(text, std::array<std::string_view, 4>{query, r.text, r.label, r.formula});
    }
}

void TableWriter::AppendRow(std::string& text, std::span<const std::string_view> fields) const
{
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first) {
            text += Separator();
        }
        first = false;
        AppendField(text, field);
    }
    text += '\n';
}

void TableWriter::AppendResultHeader(std::string& text, const Plan& plan) const
{
    if (IsTemperature(plan.tab)) {
        AppendRow(text, std::array<std::string_view, 3>{"value", "unit", "formula"});
    } else {
        AppendRow(text, std::array<std::string_view, 2>{"value", "unit"});
    }
}

void TableWriter::AppendResultRows(std::string& text, const Conversion& conversion) const
{
    const bool formulas = IsTemperature(conversion.plan.tab);
    for (const Result& r : conversion.results) {
        if (formulas) {
            AppendRow(text, std::array<std::string_view, 3>{r.text, r.label, r.formula});
        } else {
            AppendRow(text, std::array<std::string_view, 2>{r.text, r.label});
        }
    }
}

}  // namespace cli
