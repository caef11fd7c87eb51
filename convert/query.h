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
        OtherTab,   // read on one tab, it names a unit of another ("3 kg" on Length)
    };
    Kind kind;
    std::string message;
    std::size_t begin;
    std::size_t end;
};

// Reads "3 ft to m", "350F", "5 ft 3 in", "1 1/2 cups in ml", "3 ft m" ...
std::variant<ParsedQuery, QueryRefusal> ParseQuery(std::string_view text);

// Reads a query as the value box of one tab takes it ("3.5 m", "6 ft 2 in", "1 1/2 cups",
// "5 km to mi" on Length): every unit must be one of that tab's, which settles a name
// two tabs share ("1 gallon" on Cooking is Cooking's gallon). `tab` is an index into
// ConverterTabs(); a unit of another tab is refused with a sentence naming its tab.
std::variant<ParsedQuery, QueryRefusal> ParseQueryOnTab(std::string_view text, int tab);

// What a tab's value box holds, read as the box takes it: a plain number exactly as it
// always has (a whole number on Energy), or else an amount with units of that tab, which
// picks the source unit and may name targets.
struct ValueBoxReading {
    double value;
    int unit;                  // the source unit; -1 for a plain number (the list decides)
    std::vector<int> targets;  // the units the text asks for, to be marked
};

// Empty when the text is neither; `refusal`, when given, then receives why the text was
// not read as an amount with units (its kind OtherTab for a unit of another tab).
std::optional<ValueBoxReading> ReadValueBox(std::string_view text, int tab,
                                            QueryRefusal* refusal = nullptr);

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
