#include "cli/query_form.h"

#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <variant>

#include "cli/cli.h"
#include "cli/column.h"
#include "cli/lines.h"
#include "cli/plan.h"
#include "cli/text.h"
#include "numbers/number_text.h"

namespace cli {
namespace {

std::string JoinedWords(std::span<const std::string_view> words)
{
    std::string query;
    for (const std::string_view word : words) {
        query += query.empty() ? "" : " ";
        query += word;
    }
    return query;
}

// "Angel 90 Degrees": the category form with a mistyped category, which says so better
// than the query grammar can.
bool MeantTheCategoryForm(std::span<const std::string_view> words)
{
    const auto isNumber = [](std::string_view word) {
        return convert::ReadReal(word).value.has_value();
    };
    return words.size() == 3 && !isNumber(words[0]) &&
           (isNumber(words[1]) || Trim(words[1]) == "-");
}

// The query read, or a Refusal with the grammar's reason.
convert::ParsedQuery Accepted(std::variant<convert::ParsedQuery, convert::QueryRefusal> parsed)
{
    if (auto* refusal = std::get_if<convert::QueryRefusal>(&parsed)) {
        const bool noAmount = refusal->kind == convert::QueryRefusal::Kind::NotAQuery;
        throw Refusal{std::move(refusal->message) + (noAmount ? " (see --help)" : "")};
    }
    return std::get<convert::ParsedQuery>(std::move(parsed));
}

convert::ParsedQuery Parsed(std::string_view text)
{
    return Accepted(convert::ParseQuery(text));
}

// The words joined into one query, read.
convert::ParsedQuery ParsedWords(std::span<const std::string_view> words)
{
    try {
        return Parsed(JoinedWords(words));
    } catch (const Refusal&) {
        if (MeantTheCategoryForm(words)) {
            RequireTab(words.front());
        }
        throw;
    }
}

// A query's plan and results, as the request's options shape them.
struct Answer {
    Plan plan;
    double value;
    std::vector<Result> results;
};

PlanWords NumberForm(const Request& request)
{
    return {{}, request.targets, request.scientific, request.decimals};
}

Answer Answered(const convert::ParsedQuery& query, const Request& request)
{
    Plan plan = QueryPlan(query, NumberForm(request));
    std::vector<Result> results = QueryResults(query, plan);
    return {std::move(plan), query.value, std::move(results)};
}

// The query lines' output: each line converted as the column form converts a value, by
// a plan made again only where a line names other units than the line before. A table
// is one table, each row naming its query; a note on standard error is said once.
class QueryLines {
    // What a preference settled: the tab chosen for those units. Its sentence quotes the
    // line's amount, so lines that differ only in their amounts share one.
    static std::tuple<std::string_view, int, std::vector<int>> Settled(
        const convert::ParsedQuery& query)
    {
        return {query.caption, query.unit, query.targets};
    }

public:
    explicit QueryLines(const Request& request) : m_request(request) {}

    void Append(std::string& pending, std::string_view text, long number, std::ostream& err)
    {
        const convert::ParsedQuery query = Accepted(m_reader.Read(text));
        if (!query.preference.empty() && m_preferences.insert(Settled(query)).second) {
            err << "velkari-cli: line " << number << ": " << Escaped(query.preference) << '\n';
        }
        if (m_planned == nullptr || query.category != m_category || query.unit != m_unit ||
            query.targets != m_targets) {
            Replan(query, number, err);
        }
        const Plan& plan = m_planned->plan;
        if (m_planned->values.WritesTextAlone()) {
            m_planned->values.Append(pending, query.value);
            return;
        }
        const std::vector<Result> results = Results(plan, query.value);
        m_request.writer->QueryValue(pending, Trim(text), {plan, query.value, results});
    }

private:
    // A stream that mixes a few kinds of query (feet to metres, pounds to kilograms, ...)
    // plans each kind once: the plans made are kept, up to kKeptPlans kinds.
    void Replan(const convert::ParsedQuery& query, long number, std::ostream& err)
    {
        m_category = query.category;
        m_unit = query.unit;
        m_targets = query.targets;
        PlanKey key{m_category, m_unit, m_targets};
        if (const auto kept = m_plans.find(key); kept != m_plans.end()) {
            m_planned = &kept->second;
            return;
        }
        if (m_plans.size() >= kKeptPlans) {
            m_plans.clear();
        }
        Planned& planned = m_plans
                               .try_emplace(std::move(key), QueryPlan(query, NumberForm(m_request)),
                                            *m_request.writer)
                               .first->second;
        m_planned = &planned;
        if (const std::string ignored = NumberFormIgnored(planned.plan, NumberForm(m_request));
            !ignored.empty() && !m_ignoredSaid) {
            err << "velkari-cli: line " << number << ": " << ignored << '\n';
            m_ignoredSaid = true;
        }
    }

    // A plan and the writer of its values, which refers to it: kept in a map's node,
    // whose address stays put.
    struct Planned {
        Planned(Plan made, const Writer& writer) : plan(std::move(made)), values(plan, writer) {}
        Plan plan;
        ColumnValues values;
    };
    using PlanKey = std::tuple<const convert::Category*, int, std::vector<int>>;
    static constexpr std::size_t kKeptPlans = 64;

    const Request& m_request;
    convert::QueryReader m_reader;
    // The units of the line before, as its query named them, and its plan.
    const convert::Category* m_category = nullptr;
    int m_unit = -1;
    std::vector<int> m_targets;
    std::map<PlanKey, Planned> m_plans;
    const Planned* m_planned = nullptr;
    bool m_ignoredSaid = false;
    // each preference said once, at the first line it settled
    std::set<std::tuple<std::string_view, int, std::vector<int>>> m_preferences;
};

}  // namespace

bool AsksForQuery(const Request& request)
{
    return !request.positional.empty() && !FindTab(request.positional.front());
}

bool ReadsQueryLines(const Request& request)
{
    return request.positional.size() == 1 && Trim(request.positional.front()) == "-";
}

void ConvertQuery(const Request& request, std::ostream& out, std::ostream& err)
{
    const convert::ParsedQuery query = ParsedWords(request.positional);
    const Answer answer = Answered(query, request);
    std::string results;
    request.writer->Single(results, {answer.plan, answer.value, answer.results});
    if (!query.preference.empty()) {
        err << "velkari-cli: " << Escaped(query.preference) << '\n';
    }
    if (const std::string ignored = NumberFormIgnored(answer.plan, NumberForm(request));
        !ignored.empty()) {
        err << "velkari-cli: " << ignored << '\n';
    }
    out << results;
}

int ConvertQueryLines(const Request& request, std::istream& in, std::ostream& out,
                      std::ostream& err)
{
    QueryLines queries(request);
    std::string head;
    request.writer->QueryHead(head);
    return ConvertLines(in, out, err, std::move(head), "query",
                        [&](std::string& pending, std::string_view text, long number) {
                            queries.Append(pending, text, number, err);
                        });
}

}  // namespace cli
