// JSON: one object a line, for a conversion (what was read, the number form, and each
// result with its unit, text and full-precision value; in a stream of queries the query
// first) and for a chemistry command (its record).
#include "cli/json.h"
#include "cli/writer.h"

namespace cli {
namespace {

void AppendValue(std::string& json, const Value& value);

void AppendRecord(std::string& json, const Record& record)
{
    json += '{';
    for (std::size_t i = 0; i < record.size(); ++i) {
        json += i == 0 ? "" : ",";
        json += JsonString(record[i].name);
        json += ':';
        AppendValue(json, record[i].value);
    }
    json += '}';
}

void AppendValue(std::string& json, const Value& value)
{
    if (const auto* text = std::get_if<std::string>(&value.data)) {
        json += JsonString(*text);
    } else if (const auto* number = std::get_if<double>(&value.data)) {
        json += JsonNumber(*number);
    } else if (const auto* yes = std::get_if<bool>(&value.data)) {
        json += *yes ? "true" : "false";
    } else if (const auto* list = std::get_if<List>(&value.data)) {
        json += '[';
        for (std::size_t i = 0; i < list->size(); ++i) {
            json += i == 0 ? "" : ",";
            AppendValue(json, (*list)[i]);
        }
        json += ']';
    } else if (const auto* record = std::get_if<Record>(&value.data)) {
        AppendRecord(json, *record);
    } else {
        json += "null";
    }
}

Record ConversionRecord(const Conversion& conversion)
{
    const Plan& plan = conversion.plan;
    List results;
    List formulas;
    for (const Result& r : conversion.results) {
        results.push_back(
            {Record{{"unit", {std::string(r.label)}}, {"text", {r.text}}, {"value", {r.value}}}});
        formulas.push_back({std::string(r.formula)});
    }
    Record record{{"category", {std::string(TextsOf(plan.tab).caption)}},
                  {"value", {conversion.value}},
                  {"unit", {std::string(LabelOf(plan.tab, plan.unit))}},
                  {"decimals", {static_cast<double>(DecimalsShown(plan))}},
                  {"scientific", {plan.scientific != 0}},
                  {"results", {std::move(results)}}};
    if (IsTemperature(plan.tab)) {
        record.push_back({"formulas", {std::move(formulas)}});
    }
    return record;
}

class Json final : public Writer {
public:
    void Single(std::string& text, const Conversion& conversion) const override
    {
        AppendRecord(text, ConversionRecord(conversion));
        text += '\n';
    }
    void ColumnHead(std::string& /*text*/, const Plan& /*plan*/) const override {}
    void ColumnValue(std::string& text, const Conversion& conversion) const override
    {
        Single(text, conversion);
    }

    void QueryValue(std::string& text, std::string_view query,
                    const Conversion& conversion) const override
    {
        Record record{{"query", {std::string(query)}}};
        for (Field& field : ConversionRecord(conversion)) {
            record.push_back(std::move(field));
        }
        AppendRecord(text, record);
        text += '\n';
    }

    bool WritesReports() const override { return true; }
    void WriteReport(std::string& text, const Report& report) const override
    {
        AppendRecord(text, report.record);
        text += '\n';
    }
};

}  // namespace

const Writer& JsonWriter()
{
    static const Json writer;
    return writer;
}

}  // namespace cli
