// A conversion asked in the user's own words ("3 ft to m", "350F", "5 ft 3 in"), read
// into the terms of the category form and answered with the category form's texts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "convert/converter.h"

namespace convert {

// What a query asks for, in the terms of the category form
// (velkari-cli CATEGORY VALUE UNIT [--to UNIT]...).
struct ParsedQuery {
    std::string_view caption;  // the tab caption of the category used ("Length")
    const Category* category;  // the factor-table category; nullptr for Temperature
    double value;              // the amount, in unit `unit`
    int unit;                  // the source unit: an index into the category's lists
    std::vector<int> targets;  // the target units in the order asked; empty for all
    // Empty, or one sentence when a name shared by two categories was settled by the
    // documented preference: which category was used and how to ask for the other.
    std::string preference;
};

// Why a query was refused: a sentence that names the refused part, and where that
// part lies in the text (byte offsets, end exclusive).
struct QueryRefusal {
    enum class Kind {
        NotAQuery,  // no amount at all ("firefox"): a desktop search shows nothing
        Refused,    // it reads as a query but cannot be answered ("3 fet", "3 ft to kg")
    };
    Kind kind;
    std::string message;
    std::size_t begin;
    std::size_t end;
};

// Reads "3 ft to m", "350F", "5 ft 3 in", "1 1/2 cups in ml", "3 ft m" ...
std::variant<ParsedQuery, QueryRefusal> ParseQuery(std::string_view text);

// Reads queries one after another, as a file's lines come. A query whose words after its
// amount are those of the query before ("12 ft to m", then "13 ft to m") reuses their
// reading, so that a column of amounts in the same units reads at about the speed of the
// numbers alone. Each query reads exactly as ParseQuery reads it.
class QueryReader {
public:
    std::variant<ParsedQuery, QueryRefusal> Read(std::string_view text);

private:
    // Read in full: pasted characters written plain, then ReadText.
    std::variant<ParsedQuery, QueryRefusal> ReadInFull(std::string_view text);
    std::variant<ParsedQuery, QueryRefusal> ReadText(std::string_view text);

    std::optional<ParsedQuery> m_last;  // the query before, when its reading can be reused
    std::string m_rest;                 // its text after the amount
};

// One result line of a query, as every front end shows it.
struct QueryAnswer {
    int unit;                  // index into the category's lists
    std::string_view label;    // the label the tab writes beside the value
    std::string text;          // the value's text exactly as the tab writes it
    double value;              // full precision
    std::string_view formula;  // Temperature only: the formula that gave it
};

// The results in the order front ends show them: the targets in order, or else every
// unit of the category in the tab's order (Temperature: its two other scales). Texts
// as the tab writes them (FormatProduct with scientific/decimals; Temperature's own
// three decimals). Identical to what the category form gives for the same category,
// value, unit and targets.
std::vector<QueryAnswer> AnswerQuery(const ParsedQuery& query, int scientific, int decimals);

}  // namespace convert
