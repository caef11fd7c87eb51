#include "convert/typed_unit.h"

#include <string_view>
#include <variant>

#include "convert/query.h"

namespace convert {
namespace {

// The text in quotes, cut short after forty bytes at the start of a character.
std::string Quoted(std::string_view text)
{
    constexpr std::size_t kShown = 40;
    std::size_t end = text.size();
    if (end > kShown) {
        end = kShown;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) {
            --end;
        }
    }
    // Appended piece by piece: "\"" + std::string(...) draws a false -Wrestrict from
    // GCC 12 at -O3.
    std::string quoted = "\"";
    quoted.append(text.substr(0, end));
    if (end < text.size()) {
        quoted.append("\u2026");
    }
    quoted.push_back('"');
    return quoted;
}

}  // namespace

std::string TypedUnitRefusal(std::string_view caption, std::string_view text)
{
    // The list names a unit alone; as the unit of an amount it reads as a query does.
    const std::string query = "1 " + std::string(text);
    const auto parsed = ParseQuery(query);
    // Text that begins as a number ("9", "-1") would be read as a second amount, and
    // its refusal would be about that amount, not about a name.
    const bool nameFirst = !text.empty() && std::string_view("0123456789+-.").find(text.front()) ==
                                                std::string_view::npos;
    constexpr std::size_t kAmount = 2;  // "1 "
    if (const auto* refusal = std::get_if<QueryRefusal>(&parsed);
        nameFirst && refusal != nullptr && refusal->kind == QueryRefusal::Kind::Refused &&
        refusal->begin >= kAmount) {
        return refusal->message;
    }
    const std::string quoted = Quoted(text);
    if (const auto* read = std::get_if<ParsedQuery>(&parsed);
        read != nullptr && read->caption != caption && read->targets.empty()) {
        return quoted + " is a unit of " + std::string(read->caption) + ", not of " +
               std::string(caption);
    }
    return quoted + " is not a unit name";
}

}  // namespace convert
