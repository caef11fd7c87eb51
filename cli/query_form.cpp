#include "cli/query_form.h"

#include <istream>
#include <ostream>
#include <set>
#include <string>
#include <variant>

#include "cli/cli.h"
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
convert::ParsedQuery Parsed(std::string_view text)
{
    auto parsed = convert::ParseQuery(text);
    if (auto* refusal = std::get_if<convert::QueryRefusal>(&parsed)) {
        const bool noAmount = refusal->kind == convert::QueryRefusal::Kind::NotAQuery;
        throw Refusal{std::move(refusal->message) + (noAmount ? " (see --help)" : "")};
    }
    return std::get<convert::ParsedQuery>(std::move(parsed));
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

Answer Answered(const convert::ParsedQuery& query, const Request& request)
{
    Plan plan = QueryPlan(query, {{}, request.targets, request.scientific, request.decimals});
    std::vector<Result> results = QueryResults(query, plan);
    return {std::move(plan), query.value, std::move(results)};
}

// A query line's output appended to `pending`, a table's header row before it whenever
// the units of the columns change.
class QueryLines {
public:
    explicit QueryLines(const Request& request) : m_request(request) {}

    void Append(std::string& pending, std::string_view text, long number, std::ostream& err)
    {
        const convert::ParsedQuery query = Parsed(text);
        if (!query.preference.empty() && m_preferences.insert(query.preference).second) {
            err << "velkari-cli: line " << number << ": " << Escaped(query.preference) << '\n';
        }
        const Answer answer = Answered(query, m_request);
        std::string head;
        m_request.writer->ColumnHead(head, answer.plan);
        if (head != m_head) {
            pending += head;
            m_head = std::move(head);
        }
        m_request.writer->ColumnValue(pending, {answer.plan, answer.value, answer.results});
    }

private:
    const Request& m_request;
    std::string m_head;
    std::set<std::string> m_preferences;  // each said once, at the first line it settled
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
    out << results;
}

int ConvertQueryLines(const Request& request, std::istream& in, std::ostream& out,
                      std::ostream& err)
{
    constexpr std::size_t kBlock = 1 << 16;
    std::string pending;
    pending.reserve(2 * kBlock);
    QueryLines queries(request);
    auto refuse = [&](long number, std::string_view why) {
        out << pending << std::flush;
        err << "velkari-cli: line " << number << ": " << Escaped(why) << '\n';
        return kBadArguments;
    };
    LineReader lines(in);
    long number = 0;
    try {
        while (const auto line = lines.Next()) {
            const std::string_view text = LineText(*line, ++number);
            if (text.empty()) {
                continue;
            }
            try {
                queries.Append(pending, text, number, err);
            } catch (const Refusal& refusal) {
                return refuse(number, refusal.message);
            }
            if (pending.size() >= kBlock) {
                if (!out.write(pending.data(), static_cast<std::streamsize>(pending.size()))) {
                    return kWriteFailed;
                }
                pending.clear();
            }
        }
    } catch (const ReadError&) {
        out << pending << std::flush;  // what was read before the error stands
        throw;
    }
    if (lines.tooLong()) {
        return refuse(number + 1, "longer than " + std::to_string(LineReader::kLongestLine) +
                                      " characters, not a query");
    }
    out << pending;
    return kSuccess;
}

}  // namespace cli
