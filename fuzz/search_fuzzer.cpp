// Random searches through what the desktop search provider does with the strings it
// takes from the bus: terms (GNOME), one text (KRunner) and ids handed back. Every
// answer's id stands for that same answer again and opens the window on the query's
// words; a text the provider never gave out as an id stands for nothing; a query
// never grows past its limit, whatever the bytes (invalid UTF-8, NULs, floods of
// blanks). The D-Bus side only converts these strings to and from UTF-8.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/check.h"
#include "search/search_results.h"

namespace {

using fuzz::Check;

void CheckAnswers(const std::string& query)
{
    Check(query.size() <= search::kMaxQueryBytes);
    Check(search::QueryOfText(query) == query);
    for (const search::SearchResult& result :
         search::ResultsOfQuery(query, search::kNoResultLimit)) {
        const auto again = search::ResultOfId(result.id);
        Check(again && again->title == result.title && again->description == result.description);
        // What choosing it copies: the title's value, without its unit.
        Check(again->value == result.value && !result.value.empty() &&
              result.title.starts_with(result.value + ' '));
        const auto words = search::QueryWordsOfId(result.id);
        Check(words && *words == search::WordsOf(query));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    std::vector<std::string> terms;
    while (provider.remaining_bytes() > 0 && terms.size() < 16) {
        terms.push_back(provider.ConsumeRandomLengthString(64));
    }
    const std::string text(reinterpret_cast<const char*>(data), size);

    CheckAnswers(search::QueryOfTerms(terms));
    CheckAnswers(search::QueryOfText(text));
    // A raw text as an id: either nothing, or an answer that is its own id again.
    if (const auto result = search::ResultOfId(text)) {
        Check(result->id == text);
        Check(search::QueryWordsOfId(text).has_value());
    } else {
        Check(!search::QueryWordsOfId(text).has_value());
    }
    return 0;
}
