#include "search/search_results.h"

#include <algorithm>
#include <charconv>
#include <variant>

#include "convert/answer_rank.h"
#include "convert/query.h"
#include "convert/query_result_text.h"

namespace search {

namespace {

// An id is the unit index of the result, one blank, and the query it answers: the
// provider keeps no state between calls, and an id from anyone else is only ever a
// query to answer again.
std::string IdOf(int unit, std::string_view query)
{
    std::string id = std::to_string(unit);
    id += ' ';
    id += query;
    return id;
}

struct ParsedId {
    int unit;
    std::string_view query;
};

std::optional<ParsedId> ParseId(std::string_view id)
{
    const std::size_t blank = id.find(' ');
    if (blank == std::string_view::npos || blank == 0 || blank > 3) {
        return std::nullopt;
    }
    int unit = 0;
    const auto [end, error] = std::from_chars(id.data(), id.data() + blank, unit);
    if (error != std::errc{} || end != id.data() + blank) {
        return std::nullopt;
    }
    // The query as this provider writes one: words between single blanks.
    const std::string_view query = id.substr(blank + 1);
    if (query.empty() || query.size() > kMaxQueryBytes || QueryOfText(query) != query) {
        return std::nullopt;
    }
    return ParsedId{unit, query};
}

// Scientific notation off and no decimals chosen: the tab as it opens.
constexpr int kScientific = 0;
constexpr int kDecimals = -1;

}  // namespace

std::string QueryOfTerms(std::span<const std::string> terms)
{
    std::string text;
    for (const std::string& term : terms) {
        if (text.size() + 1 + term.size() > 2 * kMaxQueryBytes) {
            return {};
        }
        text += term;
        text += ' ';
    }
    return QueryOfText(text);
}

std::string QueryOfText(std::string_view text)
{
    // Blanks beyond one between words are dropped, so a text up to twice the longest
    // query may still make one.
    if (text.size() > 2 * kMaxQueryBytes) {
        return {};
    }
    std::string query;
    for (const std::string& word : WordsOf(text)) {
        if (!query.empty()) {
            query += ' ';
        }
        query += word;
    }
    return query.size() > kMaxQueryBytes ? std::string() : query;
}

std::vector<SearchResult> ResultsOfQuery(std::string_view query, std::size_t limit)
{
    std::vector<SearchResult> results;
    if (query.empty() || query.size() > kMaxQueryBytes) {
        return results;
    }
    const auto parsed = convert::ParseQuery(query);
    const auto* asked = std::get_if<convert::ParsedQuery>(&parsed);
    if (asked == nullptr) {
        return results;
    }
    for (const convert::QueryAnswer& answer :
         convert::RankAnswers(*asked, convert::AnswerQuery(*asked, kScientific, kDecimals))) {
        if (results.size() == limit) {
            break;
        }
        // "3 ft" asks what 3 ft is in the other units; 3 ft in feet tells nothing.
        if (asked->targets.empty() && answer.unit == asked->unit) {
            continue;
        }
        results.push_back({IdOf(answer.unit, query), convert::QueryResultTitle(answer),
                           convert::QueryResultDescription(*asked, answer), answer.text});
    }
    return results;
}

std::optional<SearchResult> ResultOfId(std::string_view id)
{
    const auto parsed = ParseId(id);
    if (!parsed) {
        return std::nullopt;
    }
    std::vector<SearchResult> results = ResultsOfQuery(parsed->query, kNoResultLimit);
    const auto found = std::find_if(results.begin(), results.end(),
                                    [id](const SearchResult& result) { return result.id == id; });
    if (found == results.end()) {
        return std::nullopt;
    }
    return std::move(*found);
}

std::optional<std::vector<std::string>> QueryWordsOfId(std::string_view id)
{
    if (!ResultOfId(id)) {
        return std::nullopt;
    }
    return WordsOf(ParseId(id)->query);
}

std::vector<std::string> WordsOf(std::string_view text)
{
    std::vector<std::string> words;
    constexpr std::string_view kBlanks = " \t\n\v\f\r";
    std::size_t start = text.find_first_not_of(kBlanks);
    while (start != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(kBlanks, start), text.size());
        words.emplace_back(text.substr(start, end - start));
        start = text.find_first_not_of(kBlanks, end);
    }
    return words;
}

}  // namespace search
