// What a converter tab's unit list says about a name that is none of its units.
#include <gtest/gtest.h>

#include <variant>

#include "convert/query.h"
#include "convert/typed_unit.h"

namespace {

// A name the query form refuses gets the query form's words, whatever they are.
TEST(TypedUnitRefusal, SaysWhatAQuerySays)
{
    for (const char* typed : {"stone", "knots", "zzz", "fot", "nautical mile", "µx"}) {
        const auto query = convert::ParseQuery(std::string("1 ") + typed);
        ASSERT_TRUE(std::holds_alternative<convert::QueryRefusal>(query)) << typed;
        EXPECT_EQ(convert::TypedUnitRefusal("Length", typed),
                  std::get<convert::QueryRefusal>(query).message);
    }
}

struct OwnWordsCase {
    const char* caption;
    const char* typed;
    const char* said;
};

// A unit of another tab, and text a query reads but that is no one unit's name.
TEST(TypedUnitRefusal, NamesTheTabOfAnotherTabsUnit)
{
    const OwnWordsCase cases[]{
        {"Length", "kg", "\"kg\" is a unit of Weight, not of Length"},
        {"Temperature", "ft", "\"ft\" is a unit of Length, not of Temperature"},
        {"Length", "ft to m", "\"ft to m\" is not a unit name"},
        {"Length", "9", "\"9\" is not a unit name"},
        {"Length", "-1", "\"-1\" is not a unit name"},
    };
    for (const OwnWordsCase& c : cases) {
        EXPECT_EQ(convert::TypedUnitRefusal(c.caption, c.typed), c.said) << c.typed;
    }
}

// Whether every character of text is whole: each lead byte has its continuation bytes.
bool WholeCharacters(const std::string& text)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (lead >= 0x80 && lead < 0xC0) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if (at + k >= text.size() ||
                (static_cast<unsigned char>(text[at + k]) & 0xC0U) != 0x80U) {
                return false;
            }
        }
        at += length;
    }
    return true;
}

// Long text is quoted cut short, never in the middle of a character, whichever reading
// refuses it: a list of targets, or a word that is no name.
TEST(TypedUnitRefusal, QuotesLongTextShort)
{
    for (const std::string& typed :
         {std::string("ft to mm to m to m to m to m to m to m \u00b5m"),
          std::string("ft to mm to m to m to in to yd to mi to km \u00b5m"),
          std::string(38, 'x') + "\u00b5\u00b5\u00b5"}) {
        const std::string said = convert::TypedUnitRefusal("Length", typed);
        EXPECT_LT(said.find('"', 1), 50U) << said;
        EXPECT_TRUE(WholeCharacters(said)) << said;
    }
}

}  // namespace
