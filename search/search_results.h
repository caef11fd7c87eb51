// What the desktop search provider answers, independent of the bus: the query a
// search's terms make, the results of a query with ids that carry it, and what an id
// taken back from the bus stands for. Standard library and core only, so that every
// string handling here can be tested and fuzzed without a bus.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace search {

// The longest query answered. No conversion a person types comes near it; a longer
// search (a pasted text, a flood of terms) is not a query and costs nothing to refuse.
inline constexpr std::size_t kMaxQueryBytes = 256;

// How many results GNOME Shell is given: it shows only a few per provider.
inline constexpr std::size_t kGnomeResultLimit = 5;
// KRunner lists every result.
inline constexpr std::size_t kNoResultLimit = static_cast<std::size_t>(-1);

struct SearchResult {
    std::string id;           // names the result when the desktop asks for it again
    std::string title;        // "0.91440 Meter (m)"
    std::string description;  // "3 Foot (ft) = 0.91440 Meter (m) · Length"
    std::string value;        // "0.91440": what choosing the result copies
};

// The words of the terms joined by single blanks; empty when there are none or they
// are too long to be a query.
std::string QueryOfTerms(std::span<const std::string> terms);

// The same for a search typed as one text (KRunner's): its words joined by single
// blanks.
std::string QueryOfText(std::string_view text);

// The results of a query in the order they are shown, at most `limit`: the targets
// asked for, or else the category's units other than the one typed, those a person
// most likely wants first (convert/answer_rank.h). Empty for a search that is not a
// query or cannot be answered.
std::vector<SearchResult> ResultsOfQuery(std::string_view query, std::size_t limit);

// The result an id stands for, worked out again from the id alone; empty for any text
// that is not an id this provider gives out.
std::optional<SearchResult> ResultOfId(std::string_view id);

// The words of the query an id carries, for the window's --convert; empty for a text
// that is not an id of this provider.
std::optional<std::vector<std::string>> QueryWordsOfId(std::string_view id);

// The words of a text, split at ASCII white space.
std::vector<std::string> WordsOf(std::string_view text);

}  // namespace search
