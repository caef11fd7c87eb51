#include "cli/text.h"

#include <algorithm>

#include "cli/cli.h"

namespace cli {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return lower;
}

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    return Lower(Trim(a)) == Lower(Trim(b));
}

namespace {

// The length of the UTF-8 sequence that starts at text[i] and its code point, or 0 for
// a byte that starts no valid sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& point)
{
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = byte < 0x80         ? 1
                               : byte >> 5 == 0x6  ? 2
                               : byte >> 4 == 0xe  ? 3
                               : byte >> 3 == 0x1e ? 4
                                                   : 0;
    if (length == 0 || i + length > text.size()) {
        return 0;
    }
    point = length == 1 ? byte : byte & (0x7f >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if (next >> 6 != 0x2) {
            return 0;
        }
        point = point << 6 | (next & 0x3f);
    }
    constexpr char32_t kSmallest[]{0, 0, 0x80, 0x800, 0x10000};
    const bool valid =
        point >= kSmallest[length] && point <= 0x10ffff && (point < 0xd800 || point > 0xdfff);
    return valid ? length : 0;
}

// Characters that show nothing, or move the cursor, or change the terminal: controls,
// the C1 controls, no-break and zero-width spaces, direction marks, the byte order mark.
bool IsInvisible(char32_t point)
{
    return point < 0x20 || (point >= 0x7f && point <= 0xa0) || point == 0xad ||
           (point >= 0x200b && point <= 0x200f) || (point >= 0x2028 && point <= 0x202e) ||
           (point >= 0x2060 && point <= 0x206f) || point == 0xfeff;
}

void AppendHex(std::string& text, std::string_view prefix, char32_t value, int digits)
{
    constexpr std::string_view kHex = "0123456789abcdef";
    text += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        text += kHex[(value >> shift) & 0xf];
    }
}

void AppendEscaped(std::string& text, char32_t point)
{
    switch (point) {
        case 0:
            text += "\\0";
            return;
        case '\t':
            text += "\\t";
            return;
        case '\n':
            text += "\\n";
            return;
        case '\r':
            text += "\\r";
            return;
        default:
            break;
    }
    if (point < 0x80) {
        AppendHex(text, "\\x", point, 2);
    } else {
        AppendHex(text, "\\u", point, 4);
    }
}

// What one character at text[i] shows as, appended; returns the bytes it took.
std::size_t AppendShown(std::string& text, std::string_view input, std::size_t i, bool quoted)
{
    char32_t point = 0;
    const std::size_t length = DecodeUtf8(input, i, point);
    if (length == 0) {
        AppendHex(text, "\\x", static_cast<unsigned char>(input[i]), 2);
        return 1;
    }
    if (IsInvisible(point)) {
        AppendEscaped(text, point);
    } else {
        if (quoted && (point == '"' || point == '\\')) {
            text += '\\';
        }
        text += input.substr(i, length);
    }
    return length;
}

constexpr std::size_t kLongestQuoted = 64;  // characters, before the cut

}  // namespace

std::string Escaped(std::string_view text)
{
    std::string shown;
    for (std::size_t i = 0; i < text.size();) {
        i += AppendShown(shown, text, i, false);
    }
    return shown;
}

std::string Shortened(std::string_view text)
{
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        if (characters == kLongestQuoted) {
            return shown + "\u2026";
        }
        i += AppendShown(shown, text, i, false);
    }
    return shown;
}

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        if (characters == kLongestQuoted) {
            quoted += "\u2026";
            break;
        }
        i += AppendShown(quoted, text, i, true);
    }
    quoted += '"';
    return quoted;
}

}  // namespace cli
