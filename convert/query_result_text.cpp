#include "convert/query_result_text.h"

#include "convert/temperature_formula.h"
#include "numbers/number_text.h"

namespace convert {

namespace {

// The label the tab writes beside a value in that unit.
std::string_view LabelOf(const ParsedQuery& query, int unit)
{
    if (query.category == nullptr) {
        return kTemperatureLabels[static_cast<std::size_t>(unit)];
    }
    return query.category->labels[static_cast<std::size_t>(unit)];
}

}  // namespace

std::string QueryResultTitle(const QueryAnswer& answer)
{
    std::string title = answer.text;
    title += ' ';
    title += answer.label;
    return title;
}

std::string QueryResultDescription(const ParsedQuery& query, const QueryAnswer& answer)
{
    // The amount as its value box would hold it: the shortest text that reads back as
    // the same number, so "3" stays "3"; a sum such as "5 ft 3 in" is
    // written in the unit of its last part, "63 Inch (in)".
    std::string description = FormatRoundTrip(query.value);
    description += ' ';
    description += LabelOf(query, query.unit);
    description += " = ";
    description += QueryResultTitle(answer);
    description += " \u00b7 ";
    description += query.caption;
    return description;
}

}  // namespace convert
