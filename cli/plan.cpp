#include "cli/plan.h"

#include <algorithm>
#include <cmath>

#include "cli/cli.h"
#include "cli/text.h"
#include "convert/messages.h"
#include "convert/temperature_formula.h"
#include "numbers/number_text.h"

namespace cli {
namespace {

// The two scales Temperature converts `unit` into, in their order.
std::vector<std::size_t> OtherScales(std::size_t unit)
{
    std::vector<std::size_t> others;
    const auto results = convert::TemperatureResults(0, static_cast<int>(unit)).value();
    others.reserve(results.size());
    for (const auto& r : results) {
        others.push_back(static_cast<std::size_t>(r.unit));
    }
    return others;
}

void RequireOtherScale(const Tab& tab, const std::vector<std::size_t>& others, std::size_t target)
{
    if (std::find(others.begin(), others.end(), target) == others.end()) {
        throw Refusal{"Temperature converts into the two other scales only, so not into " +
                      Quoted(LabelOf(tab, target))};
    }
}

constexpr std::string_view kTemperatureNumberForm =
    "Temperature always writes three decimals; --decimals and --scientific do not apply to it";

void RefuseNumberFormForTemperature(const PlanWords& words)
{
    if (words.decimals >= 0 || words.scientific != 0) {
        throw Refusal{std::string(kTemperatureNumberForm)};
    }
}

// Temperature converts into its two other scales: those, in their order, or the ones
// asked for.
std::vector<std::size_t> TemperatureTargets(const Tab& tab, std::size_t unit,
                                            std::span<const std::string_view> asked)
{
    std::vector<std::size_t> others = OtherScales(unit);
    if (asked.empty()) {
        return others;
    }
    std::vector<std::size_t> targets;
    for (const std::string_view target : asked) {
        const std::size_t found = FindUnit(tab, target);
        RequireOtherScale(tab, others, found);
        targets.push_back(found);
    }
    return targets;
}

std::vector<std::size_t> FactorTargets(const Tab& tab, std::span<const std::string_view> asked)
{
    std::vector<std::size_t> targets;
    for (const std::string_view target : asked) {
        targets.push_back(FindUnit(tab, target));
    }
    if (targets.empty()) {
        for (std::size_t k = 0; k < tab.category->labels.size(); ++k) {
            targets.push_back(k);
        }
    }
    return targets;
}

std::vector<Result> TemperatureResults(const Plan& plan, double value)
{
    std::vector<Result> results;
    const int unit = static_cast<int>(plan.unit);
    if (const auto refusal = convert::TemperatureRefusal(value, unit)) {
        throw Refusal{std::string(*refusal)};
    }
    const auto converted = convert::TemperatureResults(value, unit);
    for (const std::size_t target : plan.targets) {
        for (const convert::TemperatureResult& r : converted.value()) {
            if (static_cast<std::size_t>(r.unit) == target) {
                results.push_back({convert::kTemperatureLabels[target],
                                   convert::FormatFixed(r.value, 3), r.value, r.formula});
            }
        }
    }
    return results;
}

}  // namespace

std::optional<Tab> FindTab(std::string_view name)
{
    for (const convert::Category* category : convert::kConverterCategories) {
        if (SameName(name, category->caption)) {
            return Tab{category};
        }
    }
    if (SameName(name, kTemperature)) {
        return Tab{nullptr};
    }
    return std::nullopt;
}

Tab RequireTab(std::string_view name)
{
    if (const auto tab = FindTab(name)) {
        return *tab;
    }
    throw Refusal{"unknown category " + Quoted(name) +
                  " (velkari-cli --list shows the categories)"};
}

bool IsTemperature(const Tab& tab)
{
    return tab.category == nullptr;
}

convert::UnitTexts TextsOf(const Tab& tab)
{
    if (IsTemperature(tab)) {
        return {kTemperature, convert::kTemperatureLabels, convert::kTemperatureListItems};
    }
    return {tab.category->caption, tab.category->labels, tab.category->listItems};
}

std::string_view LabelOf(const Tab& tab, std::size_t unit)
{
    return TextsOf(tab).labels[unit];
}

std::size_t FindUnit(const Tab& tab, std::string_view text)
{
    const convert::UnitTexts units = TextsOf(tab);
    const std::string caption(units.caption);
    const std::size_t count = units.labels.size();
    const auto reading = convert::ReadWholeNumber(text);
    if (reading.value || reading.refusal == convert::NumberRefusal::OutOfRange) {
        if (reading.value && *reading.value >= 0 &&
            static_cast<std::size_t>(*reading.value) < count) {
            return static_cast<std::size_t>(*reading.value);
        }
        throw Refusal{"unit index " + Shortened(Trim(text)) + " is not one of " + caption +
                      "'s (0 to " + std::to_string(count - 1) + ")"};
    }
    // The names the window's unit lists and the queries accept, with their case rules
    // ("Gb" is a gigabit, "GB" a gigabyte); then the folded names, which also say which
    // units an ambiguous name may be.
    if (const int named = convert::UnitNamed(units.caption, Trim(text)); named >= 0) {
        return static_cast<std::size_t>(named);
    }
    if (const std::string_view slip = convert::CaseSlip(text); !slip.empty()) {
        throw Refusal{"unit " + Quoted(text) + " is not a name of " + caption + "'s; " +
                      std::string(slip)};
    }
    const std::vector<std::size_t> matches =
        convert::MatchUnit(units, convert::UnitAliases(), text);
    if (matches.size() == 1) {
        return matches.front();
    }
    if (matches.empty()) {
        throw Refusal{"unknown unit " + Quoted(text) + " for " + caption + " (velkari-cli --list " +
                      Quoted(caption) + " shows its units)"};
    }
    std::string which;
    for (const std::size_t unit : matches) {
        which += (which.empty() ? "" : " or ") + Quoted(units.labels[unit]);
    }
    throw Refusal{"unit " + Quoted(text) + " is ambiguous for " + caption + ": " + which};
}

double ReadValue(const Tab& /*tab*/, std::string_view text)
{
    // Energy's box in the window takes whole numbers; a command takes any amount.
    const auto reading = convert::ReadReal(text);
    if (!reading.value) {
        throw Refusal{"value " + Quoted(text) + ": " +
                      std::string(convert::RealRefusalMessage(reading.refusal))};
    }
    return *reading.value;
}

Plan MakePlan(const Tab& tab, const PlanWords& words)
{
    Plan plan{tab, FindUnit(tab, words.unit), {}, words.scientific, words.decimals};
    if (!IsTemperature(tab)) {
        plan.targets = FactorTargets(tab, words.targets);
        return plan;
    }
    RefuseNumberFormForTemperature(words);
    plan.targets = TemperatureTargets(tab, plan.unit, words.targets);
    return plan;
}

Plan QueryPlan(const convert::ParsedQuery& query, const PlanWords& words)
{
    const Tab tab{query.category};
    Plan plan{tab, static_cast<std::size_t>(query.unit), {}, words.scientific, words.decimals};
    for (const int target : query.targets) {
        plan.targets.push_back(static_cast<std::size_t>(target));
    }
    for (const std::string_view target : words.targets) {
        plan.targets.push_back(FindUnit(tab, target));
    }
    if (!IsTemperature(tab)) {
        if (plan.targets.empty()) {
            plan.targets = FactorTargets(tab, {});
        }
        return plan;
    }
    // A query may be of any category, so a number form asked for all of them is not
    // refused where Temperature does without it.
    plan.scientific = 0;
    plan.decimals = -1;
    const std::vector<std::size_t> others = OtherScales(plan.unit);
    if (plan.targets.empty()) {
        plan.targets = others;
    }
    for (const std::size_t target : plan.targets) {
        RequireOtherScale(tab, others, target);
    }
    return plan;
}

std::vector<Result> QueryResults(const convert::ParsedQuery& query, const Plan& plan)
{
    convert::ParsedQuery asked{query.caption, query.category, query.value, query.unit, {}, {}};
    for (const std::size_t target : plan.targets) {
        asked.targets.push_back(static_cast<int>(target));
    }
    std::vector<Result> results;
    for (convert::QueryAnswer& answer :
         convert::AnswerQuery(asked, plan.scientific, plan.decimals)) {
        results.push_back({answer.label, std::move(answer.text), answer.value, answer.formula});
    }
    return results;
}

std::vector<Result> Results(const Plan& plan, double value)
{
    if (IsTemperature(plan.tab)) {
        return TemperatureResults(plan, value);
    }
    const auto products =
        convert::ConvertProducts(*plan.tab.category, value, static_cast<int>(plan.unit));
    if (!products) {
        throw Refusal{"the " + std::string(plan.tab.category->caption) +
                      " tab has no conversion data yet"};
    }
    std::vector<Result> results;
    for (const std::size_t target : plan.targets) {
        const double product = (*products)[target];
        if (!std::isfinite(product)) {
            throw Refusal{std::string(convert::kTooLargeRefusal)};
        }
        results.push_back({plan.tab.category->labels[target],
                           convert::FormatProduct(product, plan.scientific, plan.decimals),
                           product,
                           {}});
    }
    return results;
}

std::string NumberFormIgnored(const Plan& plan, const PlanWords& words)
{
    if (!IsTemperature(plan.tab) || (words.decimals < 0 && words.scientific == 0)) {
        return {};
    }
    return std::string(kTemperatureNumberForm) + ", so " +
           (words.scientific != 0 && words.decimals >= 0 ? "they were"
            : words.scientific != 0                      ? "--scientific was"
                                                         : "--decimals was") +
           " ignored";
}

int DecimalsShown(const Plan& plan)
{
    if (IsTemperature(plan.tab)) {
        return 3;
    }
    return plan.decimals >= 0 ? plan.decimals : 5;
}

}  // namespace cli
