// A conversion asked for on the command line, settled: its category, source unit,
// targets and number form, read from the words the user typed.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert/categories.h"
#include "convert/query.h"
#include "convert/unit_names.h"

namespace cli {

// A category of the window's tabs: a factor-table one, or Temperature (null).
struct Tab {
    const convert::Category* category;
};

inline constexpr std::string_view kTemperature = "Temperature";

std::optional<Tab> FindTab(std::string_view name);
// The tab of that caption (in any case), or a Refusal naming the word.
Tab RequireTab(std::string_view name);
bool IsTemperature(const Tab& tab);
convert::UnitTexts TextsOf(const Tab& tab);
std::string_view LabelOf(const Tab& tab, std::size_t unit);

// The unit `text` names (an index or a name), or a Refusal saying why none or which.
std::size_t FindUnit(const Tab& tab, std::string_view text);

// The value by the product's number rule, or a Refusal.
double ReadValue(const Tab& tab, std::string_view text);

// A conversion once its category, unit, targets and number form are settled: the same
// for every value of a column.
struct Plan {
    Tab tab;
    std::size_t unit;
    std::vector<std::size_t> targets;  // in output order, every result when none given
    int scientific;
    int decimals;  // -1: the tab's default
};

// The words of a conversion: UNIT and each --to, as typed.
struct PlanWords {
    std::string_view unit;
    std::span<const std::string_view> targets;
    int scientific;
    int decimals;
};

Plan MakePlan(const Tab& tab, const PlanWords& words);

// One result line: the unit's label, the value's text as the tab writes it, the full
// value, and for Temperature the formula used.
struct Result {
    std::string_view label;
    std::string text;
    double value;
    std::string_view formula;
};

std::vector<Result> Results(const Plan& plan, double value);

// A query's conversion settled: its category, unit and targets as the query names them,
// then the --to units of `words` (its unit is not used), and the number form of `words`,
// which Temperature does without (NumberFormIgnored says so).
Plan QueryPlan(const convert::ParsedQuery& query, const PlanWords& words);

// Empty, or the sentence that says the number form of `words` was not used for `plan`,
// a query's plan of Temperature.
std::string NumberFormIgnored(const Plan& plan, const PlanWords& words);

// The results of a query for its plan, from the core's answer to it.
std::vector<Result> QueryResults(const convert::ParsedQuery& query, const Plan& plan);

// The digits after the point the results are written with.
int DecimalsShown(const Plan& plan);

}  // namespace cli
