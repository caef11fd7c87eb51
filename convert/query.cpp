#include "convert/query.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

#include "convert/messages.h"
#include "convert/temperature_formula.h"
#include "convert/unit_names.h"
#include "numbers/number_text.h"

namespace convert {
namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The few tokens, parts and targets of a typed query, kept in place; a long query spills
// over to the heap.
template <typename T, std::size_t N>
class FewOf {
public:
    void push_back(const T& value)
    {
        if (m_size == N) {
            m_more.assign(m_few.begin(), m_few.end());
        }
        if (m_size < N) {
            m_few[m_size] = value;
        } else {
            m_more.push_back(value);
        }
        ++m_size;
    }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const T* begin() const { return m_size <= N ? m_few.data() : m_more.data(); }
    const T* end() const { return begin() + m_size; }
    const T& operator[](std::size_t k) const { return begin()[k]; }
    const T& front() const { return *begin(); }
    const T& back() const { return end()[-1]; }

private:
    std::array<T, N> m_few;
    std::vector<T> m_more;
    std::size_t m_size = 0;
};

enum class TokenKind { Number, Separator, Word };

enum class NumberForm {
    Whole,      // digits, with an optional sign
    Decimal,    // a point or an exponent
    Fraction,   // digits "/" digits
    Malformed,  // a number as other programs write it: "1,5", "1,000", "1_000", "0x10"
};

struct Token {
    TokenKind kind;
    NumberForm form;
    std::size_t begin;
    std::size_t end;
};

// The length of the number at the start of `text` (0 when there is none) and its form.
std::size_t NumberLength(std::string_view text, NumberForm& form)
{
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t digitsBegin = at;
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    const std::size_t wholeDigits = at - digitsBegin;
    form = NumberForm::Whole;
    if (wholeDigits > 0 && at + 1 < text.size() && text[at] == '/' && IsDigit(text[at + 1])) {
        at += 1;
        while (at < text.size() && IsDigit(text[at])) {
            ++at;
        }
        form = NumberForm::Fraction;
        return at;
    }
    std::size_t fractionDigits = 0;
    if (at < text.size() && text[at] == '.') {
        std::size_t after = at + 1;
        while (after < text.size() && IsDigit(text[after])) {
            ++after;
        }
        fractionDigits = after - at - 1;
        if (wholeDigits + fractionDigits > 0) {
            at = after;
            form = NumberForm::Decimal;
        }
    }
    if (wholeDigits + fractionDigits == 0) {
        return 0;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t after = at + 1;
        if (after < text.size() && (text[after] == '+' || text[after] == '-')) {
            ++after;
        }
        if (after < text.size() && IsDigit(text[after])) {
            while (after < text.size() && IsDigit(text[after])) {
                ++after;
            }
            at = after;
            form = NumberForm::Decimal;
        }
    }
    return at;
}

bool IsLetterOrDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The length of what is written as part of the number of length `number` at the start
// of `text` though this converter reads no such number: a decimal comma or separators
// ("1,5", "1,000", "1_000") or a prefix of another base ("0x10"); else `number`.
std::size_t MalformedLength(std::string_view text, std::size_t number)
{
    const auto digitAt = [&](std::size_t k) { return k < text.size() && IsDigit(text[k]); };
    std::size_t at = number;
    if (at < text.size() && (text[at] == ',' || text[at] == '_') && digitAt(at + 1)) {
        while (at < text.size() &&
               (IsDigit(text[at]) || text[at] == ',' || text[at] == '_' || text[at] == '.')) {
            ++at;
        }
        return at;
    }
    const std::string_view written = text.substr(0, number);
    if ((written == "0" || written == "-0" || written == "+0") && at + 1 < text.size() &&
        (text[at] == 'x' || text[at] == 'X' || text[at] == 'b' || text[at] == 'o') &&
        IsLetterOrDigit(text[at + 1])) {
        while (at < text.size() && IsLetterOrDigit(text[at])) {
            ++at;
        }
        return at;
    }
    return number;
}

// What to write instead of a malformed number.
std::string_view MalformedAdvice(std::string_view written)
{
    if (written.find_first_of("xXbo") != std::string_view::npos) {
        return "write the number in decimal digits";
    }
    const auto comma = written.find(',');
    const auto point = written.find('.');
    if (comma != std::string_view::npos &&
        written.find_first_of(",_", comma + 1) == std::string_view::npos &&
        written.find('_') == std::string_view::npos) {
        const std::size_t after = written.size() - comma - 1;
        if (point != std::string_view::npos && point < comma) {
            return "write the number without separators, and the decimal point as \".\"";
        }
        if (point == std::string_view::npos && after != 3) {
            return "write the decimal point as \".\"";
        }
    }
    return "write the number without separators";
}

// The length of the mark of feet (' or ′) or inches (" or ″) at the start of `text`, else 0.
inline std::size_t MarkLength(std::string_view text)
{
    if (text.empty()) {
        return 0;
    }
    const char c = text.front();
    if (c == '\'' || c == '"') {
        return 1;
    }
    // ′ and ″ are E2 80 B2 and E2 80 B3.
    return c == '\xe2' && text.size() >= 3 && text[1] == '\x80' &&
                   (text[2] == '\xb2' || text[2] == '\xb3')
               ? 3
               : 0;
}

bool IsFootMark(std::string_view word)
{
    return (word.size() == 1 && word.front() == '\'') || (word.size() == 3 && word == "\u2032");
}

// The units a mark names: ' feet and " inches; the primes ′ and ″ are also the angle's
// minute and second.
std::span<const UnitName> MarkUnits(std::string_view mark)
{
    const auto gather = [](std::string_view lengthName, std::string_view angleName) {
        std::vector<UnitName> units;
        for (const std::string_view name : {lengthName, angleName}) {
            for (const UnitName& unit : UnitsNamed(name)) {
                const std::string_view caption =
                    ConverterTabs()[static_cast<std::size_t>(unit.tab)].caption;
                if (caption == (name == lengthName ? "Length" : "Angle")) {
                    units.push_back(unit);
                }
            }
        }
        return units;
    };
    static const std::vector<UnitName> foot = gather("ft", "");
    static const std::vector<UnitName> inch = gather("in", "");
    static const std::vector<UnitName> footOrMinute = gather("ft", "arcmin");
    static const std::vector<UnitName> inchOrSecond = gather("in", "arcsec");
    if (mark == "'") {
        return foot;
    }
    if (mark == "\"") {
        return inch;
    }
    return mark == "\u2032" ? footOrMinute : inchOrSecond;
}

// The length of the separator "->", "→" or "=" at the start of `text`, else 0.
std::size_t SeparatorLength(std::string_view text)
{
    if (text.empty()) {
        return 0;
    }
    switch (text.front()) {
        case '=':
            return 1;
        case '-':
            return text.size() > 1 && text[1] == '>' ? 2 : 0;
        case '\xe2':  // the first byte of the arrow
            return text.starts_with("\u2192") ? 3 : 0;
        default:
            return 0;
    }
}

// The bytes that may end a word: blanks, the first bytes of the separators and of the
// marks of feet and inches.
constexpr auto kMayEndWord = [] {
    std::array<bool, 256> ends{};
    for (const unsigned char c : {' ', '\t', '\n', '\r', '\v', '\f', '=', '-', '\'', '"'}) {
        ends[c] = true;
    }
    ends[0xe2] = true;
    return ends;
}();

using Tokens = FewOf<Token, 16>;

// Blank-separated words; a number at the start of a word is a token of its own, so
// that "3ft" reads as "3 ft", and the arrows and "=" are always tokens of their own.
void Tokenize(std::string_view text, Tokens& tokens)
{
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsSpace(text[at])) {
            ++at;
            continue;
        }
        if (const std::size_t arrow = SeparatorLength(text.substr(at))) {
            tokens.push_back({TokenKind::Separator, NumberForm::Whole, at, at + arrow});
            at += arrow;
            continue;
        }
        NumberForm form{};
        if (std::size_t number = NumberLength(text.substr(at), form)) {
            const char next = at + number < text.size() ? text[at + number] : ' ';
            if (const std::size_t malformed = next == ',' || next == '_' || IsLetterOrDigit(next)
                                                  ? MalformedLength(text.substr(at), number)
                                                  : number;
                malformed != number) {
                number = malformed;
                form = NumberForm::Malformed;
            }
            tokens.push_back({TokenKind::Number, form, at, at + number});
            at += number;
            continue;
        }
        const std::size_t begin = at;
        if (const std::size_t mark = MarkLength(text.substr(at))) {
            at += mark;  // a mark of feet or inches is a word of its own: 6'2"
        } else {
            // Most characters of a word are letters: one look-up tells them from the few
            // that may end it.
            while (at < text.size() &&
                   (!kMayEndWord[static_cast<unsigned char>(text[at])] ||
                    (!IsSpace(text[at]) && SeparatorLength(text.substr(at)) == 0 &&
                     MarkLength(text.substr(at)) == 0))) {
                ++at;
            }
        }
        tokens.push_back({TokenKind::Word, NumberForm::Whole, begin, at});
    }
}

bool SameWord(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        return lower(x) == lower(y);
    });
}

// The length of the UTF-8 character at the start of `text` when it is well formed
// (no overlong form, surrogate or code point past U+10FFFF) and not a control
// character; else 0.
std::size_t ShowableLength(std::string_view text)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned c = byte(0);
    if (c < 0x80) {
        return c < 0x20 || c == 0x7f ? 0 : 1;
    }
    const std::size_t length = (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xe ? 3 : (c >> 3) == 0x1e ? 4 : 0;
    if (length == 0 || length > text.size()) {
        return 0;
    }
    unsigned point = c & (0x7fU >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xc0) != 0x80) {
            return 0;
        }
        point = (point << 6) | (byte(k) & 0x3fU);
    }
    constexpr std::array<unsigned, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (point < kSmallest[length] || point > 0x10ffff || (point >= 0xd800 && point <= 0xdfff) ||
        (point >= 0x80 && point < 0xa0)) {
        return 0;
    }
    return length;
}

// A piece of the user's text fit to quote in a message: valid UTF-8 without control
// characters, cut after 40 characters.
std::string Shown(std::string_view text)
{
    std::string shown = "\"";
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++characters) {
        if (characters == 40) {
            shown += "\u2026";
            break;
        }
        const std::size_t length = ShowableLength(text.substr(at));
        if (length == 0) {
            shown += "\uFFFD";
            at += 1;
            continue;
        }
        shown.append(text.substr(at, length));
        at += length;
    }
    return shown + "\"";
}

// One unit as the query names it: where, and which units of which tabs it may be.
struct Mention {
    std::size_t begin;
    std::size_t end;
    std::span<const UnitName> names;
    std::uint32_t tabs;  // bit t: a unit of ConverterTabs()[t]
};

// One term of the amount: a number and its unit.
struct Part {
    double value;
    std::size_t begin;  // the number's text
    std::size_t end;
    bool negative;  // written with a leading "-"
    Mention unit;
};

using Result = std::variant<ParsedQuery, QueryRefusal>;

// Characters that come with pasted text, and what a query reads them as.
struct Pasted {
    std::string_view character;
    std::string_view plain;
};

constexpr std::array kPasted{
    Pasted{"\u2212", "-"},  // the minus sign
    // spaces that do not break, thin spaces and the other widths
    Pasted{"\u00a0", " "},
    Pasted{"\u2002", " "},
    Pasted{"\u2003", " "},
    Pasted{"\u2004", " "},
    Pasted{"\u2005", " "},
    Pasted{"\u2006", " "},
    Pasted{"\u2007", " "},
    Pasted{"\u2008", " "},
    Pasted{"\u2009", " "},
    Pasted{"\u200a", " "},
    Pasted{"\u202f", " "},
    Pasted{"\u205f", " "},
    Pasted{"\u3000", " "},
    // fullwidth digits and point
    Pasted{"\uff10", "0"},
    Pasted{"\uff11", "1"},
    Pasted{"\uff12", "2"},
    Pasted{"\uff13", "3"},
    Pasted{"\uff14", "4"},
    Pasted{"\uff15", "5"},
    Pasted{"\uff16", "6"},
    Pasted{"\uff17", "7"},
    Pasted{"\uff18", "8"},
    Pasted{"\uff19", "9"},
    Pasted{"\uff0e", "."},
    // fractions, read as "1/2" ("1½" as "1 1/2")
    Pasted{"\u00bd", "1/2"},
    Pasted{"\u00bc", "1/4"},
    Pasted{"\u00be", "3/4"},
    Pasted{"\u2153", "1/3"},
    Pasted{"\u2154", "2/3"},
    Pasted{"\u215b", "1/8"},
    Pasted{"\u215c", "3/8"},
    Pasted{"\u215d", "5/8"},
    Pasted{"\u215e", "7/8"},
    // the multiplication signs of "N×m" and "N⋅m", read as the dot of "N·m"
    Pasted{"\u00d7", "\u00b7"},
    Pasted{"\u22c5", "\u00b7"},
    Pasted{"\u2219", "\u00b7"},
    // typographic quotes that stand for the marks of feet and inches
    Pasted{"\u2019", "'"},
    Pasted{"\u201d", "\""},
};

// Whether `text` is ASCII, as most queries are: eight bytes at a time.
inline bool IsAscii(std::string_view text)
{
    std::uint64_t bytes = 0;
    if (text.size() < 8) {
        for (const char c : text) {
            bytes |= static_cast<unsigned char>(c);
        }
        return bytes < 0x80;
    }
    const auto eightAt = [&](std::size_t k) {
        std::uint64_t eight = 0;
        std::memcpy(&eight, text.data() + k, 8);
        return eight;
    };
    for (std::size_t k = 0; k + 8 <= text.size(); k += 8) {
        bytes |= eightAt(k);
    }
    bytes |= eightAt(text.size() - 8);  // the last bytes, read again with some before them
    return (bytes & 0x8080808080808080ULL) == 0;
}

// `text` with the pasted characters of kPasted written plain, and for each byte of it
// (and its end) the offset of the character it comes from; false when there are none.
bool PlainCharacters(std::string_view text, std::string& plain, std::vector<std::size_t>& from)
{
    if (IsAscii(text)) {
        return false;
    }
    bool changed = false;
    plain.clear();
    from.clear();
    for (std::size_t at = 0; at < text.size();) {
        const auto pasted = std::find_if(kPasted.begin(), kPasted.end(), [&](const Pasted& p) {
            return text.substr(at).starts_with(p.character);
        });
        if (pasted == kPasted.end()) {
            plain += text[at];
            from.push_back(at++);
            continue;
        }
        changed = true;
        const bool fraction = pasted->plain.find('/') != std::string_view::npos;
        if (fraction && !plain.empty() && IsDigit(plain.back())) {
            plain += ' ';
            from.push_back(at);
        }
        plain += pasted->plain;
        from.insert(from.end(), pasted->plain.size(), at);
        at += pasted->character.size();
    }
    from.push_back(text.size());
    return changed;
}

// What `read` gives for `text` with its pasted characters written plain, a refusal's
// place given in `text`.
template <typename Read>
Result ReadPlain(std::string_view text, Read&& read)
{
    thread_local std::string plain;
    thread_local std::vector<std::size_t> from;
    if (!PlainCharacters(text, plain, from)) {
        return read(text);
    }
    const std::vector<std::size_t> offsets = from;
    Result result = read(std::string_view(plain));
    if (auto* refusal = std::get_if<QueryRefusal>(&result)) {
        refusal->begin = offsets[refusal->begin];
        refusal->end = offsets[refusal->end];
    }
    return result;
}

QueryRefusal Refuse(std::string message, std::size_t begin, std::size_t end)
{
    return {QueryRefusal::Kind::Refused, std::move(message), begin, end};
}

// A table category's amount whose value in an asked unit would not be a finite number:
// refused, so that no front end shows "inf".
bool TooLarge(const ParsedQuery& query)
{
    return query.category != nullptr &&
           !ConvertsToFiniteNumbers(*query.category, query.value, query.unit, query.targets);
}

std::string TabsOf(std::uint32_t tabs)
{
    std::string names;
    const auto all = ConverterTabs();
    for (std::size_t t = 0; t < all.size(); ++t) {
        if ((tabs >> t) & 1U) {
            names += names.empty() ? "" : " or ";
            names += all[t].caption;
        }
    }
    return names;
}

std::string Article(std::string_view word)
{
    return word.empty() || std::string_view("AEIOU").find(word.front()) == std::string_view::npos
               ? "a "
               : "an ";
}

class Reader {
public:
    // With `onlyTab` (an index into ConverterTabs()) the query is read as that tab's value
    // box reads it: its units are that tab's, whatever another tab would prefer.
    explicit Reader(std::string_view text, int onlyTab = -1) : text_(text), onlyTab_(onlyTab)
    {
        Tokenize(text, tokens_);
    }

    Result Read();

    // Where the words after the amount begin, when `query` (what Read gave) depends on
    // its text before them only through the amount's value; else npos. True of one amount
    // followed by its unit, settled without a preference.
    std::size_t ReusableFrom(const ParsedQuery& query) const;

private:
    std::string_view TextOf(const Token& token) const
    {
        return text_.substr(token.begin, token.end - token.begin);
    }
    std::string_view Between(std::size_t begin, std::size_t end) const
    {
        return text_.substr(begin, end - begin);
    }
    bool AtEnd() const { return at_ >= tokens_.size(); }
    bool IsSeparatorAt(std::size_t at) const;
    // Whether tokens_[at] is three digits after a whole number and one blank: "1 000".
    bool IsDigitGroup(std::size_t at) const
    {
        const Token& group = tokens_[at];
        const Token& before = tokens_[at - 1];
        return group.kind == TokenKind::Number && group.form == NumberForm::Whole &&
               group.end - group.begin == 3 && IsDigit(text_[group.begin]) &&
               before.kind == TokenKind::Number && before.form == NumberForm::Whole &&
               before.end - before.begin <= 4 && group.begin == before.end + 1;
    }
    std::variant<Part, QueryRefusal> ReadPart();
    std::variant<Mention, QueryRefusal> ReadUnit(std::string_view role);
    QueryRefusal UnknownName(std::size_t at) const;
    Result Settle(std::span<const Part> parts, std::span<const Mention> targets);
    std::string WeightNameReadOtherwise(std::span<const Part> parts,
                                        std::span<const Mention> targets, int tab) const;

    std::string_view text_;
    Tokens tokens_;
    std::size_t at_ = 0;
    std::size_t parts_ = 0;
    int onlyTab_ = -1;
    // The mark of feet that ended the part before ("5'11"), or empty.
    std::string_view footMark_;
};

std::size_t Reader::ReusableFrom(const ParsedQuery& query) const
{
    const bool reusable = parts_ == 1 && tokens_.size() > 1 && tokens_[1].kind == TokenKind::Word &&
                          query.preference.empty();
    return reusable ? tokens_[0].end : std::string_view::npos;
}

bool Reader::IsSeparatorAt(std::size_t at) const
{
    const Token& token = tokens_[at];
    if (token.kind == TokenKind::Separator) {
        return true;
    }
    if (token.kind != TokenKind::Word) {
        return false;
    }
    const std::string_view word = TextOf(token);
    if (word.size() != 2 && word.size() != 4) {
        return false;
    }
    // "in" at the end of a query is the inch of "3 ft in".
    return SameWord(word, "to") || SameWord(word, "as") || SameWord(word, "into") ||
           (SameWord(word, "in") && at + 1 < tokens_.size());
}

QueryRefusal Reader::UnknownName(std::size_t at) const
{
    // A name of several words this converter lacks ("nautical mile"), else the word.
    std::size_t last = at;
    while (last + 1 < tokens_.size() && last + 1 < at + 3 &&
           tokens_[last + 1].kind == TokenKind::Word) {
        ++last;
    }
    for (std::size_t end = last + 1; end > at; --end) {
        const std::string_view name = Between(tokens_[at].begin, tokens_[end - 1].end);
        if (IsUnitNotHere(name)) {
            std::string message = Shown(name) + " is not a unit this converter has";
            const std::vector<std::string_view> nearest = NearestUnitsTo(name);
            for (std::size_t k = 0; k < nearest.size(); ++k) {
                message += k == 0 ? "; the nearest it has: " : ", ";
                message += Shown(nearest[k]);
            }
            return Refuse(std::move(message), tokens_[at].begin, tokens_[end - 1].end);
        }
    }
    const std::string_view word = TextOf(tokens_[at]);
    if (const std::string_view slip = CaseSlip(word); !slip.empty()) {
        return Refuse(Shown(word) + " is not a unit name; " + std::string(slip), tokens_[at].begin,
                      tokens_[at].end);
    }
    std::string message = Shown(word) + " is not a unit name";
    const std::vector<std::string> closest = ClosestUnitNames(word);
    for (std::size_t k = 0; k < closest.size(); ++k) {
        message += k == 0 ? "; did you mean " : k + 1 == closest.size() ? " or " : ", ";
        message += Shown(closest[k]);
    }
    message += closest.empty() ? "" : "?";
    return Refuse(std::move(message), tokens_[at].begin, tokens_[at].end);
}

std::variant<Mention, QueryRefusal> Reader::ReadUnit(std::string_view role)
{
    NameStart start = !AtEnd() && tokens_[at_].kind == TokenKind::Word
                          ? UnitNameStart(TextOf(tokens_[at_]))
                          : NameStart{};
    if (!AtEnd() && tokens_[at_].kind == TokenKind::Word &&
        kMayEndWord[static_cast<unsigned char>(text_[tokens_[at_].begin])]) {
        const std::string_view word = TextOf(tokens_[at_]);
        if (MarkLength(word) == word.size()) {
            start = {MarkUnits(word), 1};
        }
    }
    std::size_t words = 0;
    // No name holds "to", "as" or "into"; "in" is part of "cu in" and "sq in".
    while (words < start.longest && at_ + words < tokens_.size() &&
           tokens_[at_ + words].kind == TokenKind::Word &&
           (words == 0 || !IsSeparatorAt(at_ + words) ||
            SameWord(TextOf(tokens_[at_ + words]), "in"))) {
        ++words;
    }
    // The longest run of words that names a unit: "fl oz" before "fl", "sq ft" before "sq".
    for (std::size_t count = words; count > 0; --count) {
        const std::size_t begin = tokens_[at_].begin;
        const std::size_t end = tokens_[at_ + count - 1].end;
        std::span<const UnitName> names = start.units;
        if (count > 1) {
            std::string name;
            for (std::size_t k = 0; k < count; ++k) {
                name += k == 0 ? "" : " ";
                name += TextOf(tokens_[at_ + k]);
            }
            names = UnitsNamed(name);
        }
        if (names.empty()) {
            continue;
        }
        std::uint32_t tabs = 0;
        for (const UnitName& unit : names) {
            const std::uint32_t bit = 1U << unit.tab;
            if (tabs & bit) {
                return Refuse(Shown(Between(begin, end)) + " names two units of " +
                                  std::string(ConverterTabs()[unit.tab].caption),
                              begin, end);
            }
            tabs |= bit;
        }
        at_ += count;
        return Mention{begin, end, names, tabs};
    }
    if (AtEnd()) {
        const std::size_t end = text_.size();
        return Refuse(std::string("the ") + std::string(role) + " is missing: write a unit after " +
                          Shown(Between(tokens_.back().begin, end)),
                      end, end);
    }
    if (at_ > 0 && IsDigitGroup(at_)) {
        return Refuse(Shown(Between(tokens_[at_ - 1].begin, tokens_[at_].end)) +
                          ": write the number without separators",
                      tokens_[at_ - 1].begin, tokens_[at_].end);
    }
    if (tokens_[at_].kind != TokenKind::Word) {
        return Refuse(std::string("the ") + std::string(role) + " is missing before " +
                          Shown(TextOf(tokens_[at_])),
                      tokens_[at_].begin, tokens_[at_].end);
    }
    return UnknownName(at_);
}

std::variant<Part, QueryRefusal> Reader::ReadPart()
{
    const Token number = tokens_[at_++];
    Part part{};
    part.begin = number.begin;
    part.end = number.end;
    const std::string_view written = TextOf(number);
    part.negative = written.starts_with('-');
    if (number.form == NumberForm::Malformed) {
        return Refuse(Shown(written) + ": " + std::string(MalformedAdvice(written)), number.begin,
                      number.end);
    }
    auto read = [&](std::string_view digits) -> std::optional<double> {
        const RealReading reading = ReadReal(digits);
        return reading.value;
    };
    auto fraction = [&](const Token& token) -> std::variant<double, QueryRefusal> {
        const std::string_view fractionText = TextOf(token);
        const auto slash = fractionText.find('/');
        const auto numerator = read(fractionText.substr(0, slash));
        const auto denominator = read(fractionText.substr(slash + 1));
        if (!numerator || !denominator || !std::isfinite(*numerator / *denominator) ||
            *denominator == 0) {
            return Refuse(Shown(fractionText) + " is not a fraction this converter can read",
                          token.begin, token.end);
        }
        return *numerator / *denominator;
    };
    if (number.form == NumberForm::Fraction) {
        auto value = fraction(number);
        if (auto* refusal = std::get_if<QueryRefusal>(&value)) {
            return std::move(*refusal);
        }
        part.value = std::get<double>(value);
    } else {
        const RealReading reading = ReadReal(written);
        if (!reading.value) {
            return Refuse(Shown(written) + ": " + std::string(RealRefusalMessage(reading.refusal)),
                          number.begin, number.end);
        }
        part.value = *reading.value;
        // "1 1/2": a whole number and a fraction.
        if (number.form == NumberForm::Whole && !AtEnd() &&
            tokens_[at_].kind == TokenKind::Number && tokens_[at_].form == NumberForm::Fraction &&
            IsDigit(text_[tokens_[at_].begin])) {
            auto value = fraction(tokens_[at_]);
            if (auto* refusal = std::get_if<QueryRefusal>(&value)) {
                return std::move(*refusal);
            }
            part.value += part.negative ? -std::get<double>(value) : std::get<double>(value);
            part.end = tokens_[at_].end;
            ++at_;
        }
    }
    if (!footMark_.empty() && (AtEnd() || IsSeparatorAt(at_))) {
        // "5'11": inches after feet need no mark.
        const auto inches = MarkUnits(footMark_ == "'" ? "\"" : "\u2033");
        std::uint32_t tabs = 0;
        for (const UnitName& unit : inches) {
            tabs |= 1U << unit.tab;
        }
        part.unit = {part.end, part.end, inches, tabs};
        footMark_ = {};
        return part;
    }
    auto unit = ReadUnit("unit");
    if (auto* refusal = std::get_if<QueryRefusal>(&unit)) {
        return std::move(*refusal);
    }
    part.unit = std::get<Mention>(unit);
    const std::string_view named = Between(part.unit.begin, part.unit.end);
    footMark_ = IsFootMark(named) ? named : std::string_view{};
    return part;
}

Result Reader::Read()
{
    if (tokens_.empty()) {
        return QueryRefusal{QueryRefusal::Kind::NotAQuery, "the query is empty", 0, text_.size()};
    }
    if (tokens_.front().kind != TokenKind::Number) {
        return QueryRefusal{QueryRefusal::Kind::NotAQuery,
                            "a query begins with an amount, as in \"3 ft to m\"",
                            tokens_.front().begin, tokens_.front().end};
    }
    FewOf<Part, 4> parts;
    FewOf<Mention, 4> targets;
    while (!AtEnd() && tokens_[at_].kind == TokenKind::Number) {
        auto part = ReadPart();
        if (auto* refusal = std::get_if<QueryRefusal>(&part)) {
            return std::move(*refusal);
        }
        parts.push_back(std::get<Part>(part));
    }
    parts_ = parts.size();
    if (!AtEnd()) {
        // "3 ft to m", "3 ft -> m", or the bare target of "3 ft m".
        const Token& after = tokens_[at_];
        const std::size_t separator = at_;
        if (IsSeparatorAt(at_)) {
            ++at_;
            if (AtEnd()) {
                return Refuse("the target unit is missing after " + Shown(TextOf(after)),
                              after.begin, after.end);
            }
        }
        while (!AtEnd()) {
            if (tokens_[at_].kind != TokenKind::Word) {
                return Refuse("a target is a unit alone, so not " + Shown(TextOf(tokens_[at_])),
                              tokens_[at_].begin, tokens_[at_].end);
            }
            const std::size_t from = at_;
            auto target = ReadUnit("target unit");
            if (auto* refusal = std::get_if<QueryRefusal>(&target)) {
                // "N m in lbf": the "in" that looked like a separator begins the target.
                if (targets.empty() && from == separator + 1 && SameWord(TextOf(after), "in")) {
                    at_ = separator;
                    if (auto whole = ReadUnit("target unit");
                        std::holds_alternative<Mention>(whole)) {
                        targets.push_back(std::get<Mention>(whole));
                        continue;
                    }
                }
                return std::move(*refusal);
            }
            targets.push_back(std::get<Mention>(target));
        }
    }
    return Settle({parts.begin(), parts.size()}, {targets.begin(), targets.size()});
}

// The tab of `tabs` that the clash rules put before every other one, or -1.
int PreferredTab(std::uint32_t tabs)
{
    const auto all = ConverterTabs();
    for (std::size_t t = 0; t < all.size(); ++t) {
        if (!((tabs >> t) & 1U)) {
            continue;
        }
        bool beatsAll = true;
        for (std::size_t u = 0; u < all.size() && beatsAll; ++u) {
            if (u == t || !((tabs >> u) & 1U)) {
                continue;
            }
            beatsAll =
                std::any_of(ClashRules().begin(), ClashRules().end(), [&](const ClashRule& rule) {
                    return rule.preferred == all[t].caption && rule.other == all[u].caption;
                });
        }
        if (beatsAll) {
            return static_cast<int>(t);
        }
    }
    return -1;
}

// A unit name that asks for one of the tabs `others` where a rule prefers `used`.
std::string_view ExampleFor(int used, std::uint32_t others)
{
    const auto all = ConverterTabs();
    for (const ClashRule& rule : ClashRules()) {
        for (std::size_t t = 0; t < all.size(); ++t) {
            if (((others >> t) & 1U) && rule.other == all[t].caption &&
                rule.preferred == all[static_cast<std::size_t>(used)].caption) {
                return rule.example;
            }
        }
    }
    return {};
}

int UnitIn(const Mention& mention, int tab)
{
    for (const UnitName& name : mention.names) {
        if (name.tab == tab) {
            return name.unit;
        }
    }
    return -1;
}

// The bit of the Weight tab in a mention's tabs.
std::uint32_t WeightTab()
{
    static const std::uint32_t weight = [] {
        std::uint32_t bit = 0;
        for (std::size_t t = 0; t < ConverterTabs().size(); ++t) {
            bit |= ConverterTabs()[t].caption == "Weight" ? 1U << t : 0;
        }
        return bit;
    }();
    return weight;
}

// "oz" alone is the ounce of Weight; beside a unit of volume it is the fluid ounce, which
// a mass and a volume so alike in name make worth a word: empty, or that sentence.
std::string Reader::WeightNameReadOtherwise(std::span<const Part> parts,
                                            std::span<const Mention> targets, int tab) const
{
    const auto all = ConverterTabs();
    const std::uint32_t weight = WeightTab();
    const auto check = [&](const Mention& mention) -> std::string {
        if ((mention.tabs & weight) == 0 || std::popcount(mention.tabs) < 2) {
            return {};
        }
        const int alone = PreferredTab(mention.tabs);
        if (alone < 0 || alone == tab || all[static_cast<std::size_t>(alone)].caption != "Weight") {
            return {};
        }
        const std::string name(Between(mention.begin, mention.end));
        const int unit = UnitIn(mention, tab);
        return Shown(name) + " was read as the " +
               std::string(all[static_cast<std::size_t>(tab)]
                               .texts.labels[static_cast<std::size_t>(unit)]) +
               " of " + std::string(all[static_cast<std::size_t>(tab)].caption) +
               ", as the other unit asks; for the " +
               std::string(all[static_cast<std::size_t>(alone)]
                               .texts.labels[static_cast<std::size_t>(UnitIn(mention, alone))]) +
               " of Weight, convert into a unit of Weight, as in " + Shown("1 " + name + " to g") +
               ".";
    };
    for (const Part& part : parts) {
        if (std::string note = check(part.unit); !note.empty()) {
            return note;
        }
    }
    for (const Mention& target : targets) {
        if (std::string note = check(target); !note.empty()) {
            return note;
        }
    }
    return {};
}

Result Reader::Settle(std::span<const Part> parts, std::span<const Mention> targets)
{
    const Mention& first = parts.front().unit;
    std::uint32_t tabs = ~0U;
    if (onlyTab_ >= 0) {
        tabs = 1U << onlyTab_;
        if ((first.tabs & tabs) == 0) {
            const std::string firstTabs = TabsOf(first.tabs);
            const std::string_view caption =
                ConverterTabs()[static_cast<std::size_t>(onlyTab_)].caption;
            return QueryRefusal{QueryRefusal::Kind::OtherTab,
                                Shown(Between(first.begin, first.end)) + " is " +
                                    Article(firstTabs) + firstTabs + " unit, not " +
                                    Article(caption) + std::string(caption) + " one",
                                first.begin, first.end};
        }
    }
    std::uint32_t named = 0;  // every tab a unit named may be of
    auto differs = [&](const Mention* mention) -> std::optional<QueryRefusal> {
        if ((tabs & mention->tabs) == 0) {
            const std::string firstTabs =
                TabsOf(tabs & first.tabs ? tabs & first.tabs : first.tabs);
            const std::string otherTabs = TabsOf(mention->tabs);
            std::string message = Shown(Between(first.begin, first.end));
            message += " is ";
            message += Article(firstTabs);
            message += firstTabs;
            message += " unit, ";
            message += Shown(Between(mention->begin, mention->end));
            message += " ";
            message += Article(otherTabs);
            message += otherTabs;
            message += " unit";
            return Refuse(message, mention->begin, mention->end);
        }
        tabs &= mention->tabs;
        named |= mention->tabs;
        return std::nullopt;
    };
    for (const Part& part : parts) {
        if (auto refusal = differs(&part.unit)) {
            return std::move(*refusal);
        }
    }
    for (const Mention& target : targets) {
        if (auto refusal = differs(&target)) {
            return std::move(*refusal);
        }
    }
    std::string preference;
    int tab = std::countr_zero(tabs);
    if (std::popcount(tabs) > 1) {
        tab = PreferredTab(tabs);
        if (tab < 0) {
            return Refuse(Shown(Between(first.begin, first.end)) + " is a unit of " + TabsOf(tabs) +
                              ": name a unit of one of them as the target",
                          first.begin, first.end);
        }
        const std::string used(ConverterTabs()[static_cast<std::size_t>(tab)].caption);
        const std::uint32_t otherTabs = tabs & ~(1U << tab);
        const std::string others = TabsOf(otherTabs);
        preference = Shown(Between(first.begin, first.end)) + " is a unit of " + used + " and of " +
                     others + "; " + used + " was used. For " + others +
                     ", convert into a unit of its own";
        const std::string_view example = ExampleFor(tab, otherTabs);
        if (!example.empty()) {
            preference += ", as in " +
                          Shown(std::string(Between(parts.front().begin, parts.back().unit.end)) +
                                " to " + std::string(example));
        }
        preference += ".";
    }
    const ConverterTab& chosen = ConverterTabs()[static_cast<std::size_t>(tab)];
    if ((named & WeightTab()) != 0 && std::popcount(named) > 1) {
        if (std::string note = WeightNameReadOtherwise(parts, targets, tab); !note.empty()) {
            preference = std::move(note);
        }
    }
    ParsedQuery query{chosen.caption,       chosen.category, 0, UnitIn(parts.back().unit, tab), {},
                      std::move(preference)};
    query.targets.reserve(targets.size());
    for (const Mention& target : targets) {
        query.targets.push_back(UnitIn(target, tab));
    }

    // A sum of parts is written in the unit of its last part, the smallest in "5 ft
    // 3 in" and "1 h 30 min", so that the total stays a round number.
    if (parts.size() > 1) {
        if (chosen.category == nullptr) {
            return Refuse("temperatures do not add up: write one amount", parts[1].begin,
                          parts.back().unit.end);
        }
        for (std::size_t k = 1; k < parts.size(); ++k) {
            if (parts[k].negative) {
                return Refuse("only the first amount of a sum takes a sign", parts[k].begin,
                              parts[k].end);
            }
        }
    }
    double total = 0;
    for (const Part& part : parts) {
        double value = std::abs(part.value);
        if (parts.size() > 1) {
            const auto converted =
                ConvertProduct(*chosen.category, value, UnitIn(part.unit, tab), query.unit);
            value = converted.value_or(0);
        }
        total += value;
    }
    if (parts.front().negative) {
        total = -total;
    }
    if (!std::isfinite(total)) {
        return Refuse("the amount is too large", parts.front().begin, parts.back().unit.end);
    }
    query.value = total;

    if (chosen.category == nullptr) {
        // Temperature converts into its two other scales only.
        for (std::size_t k = 0; k < targets.size(); ++k) {
            if (query.targets[k] == query.unit) {
                return Refuse("Temperature converts into the two other scales only, so not into " +
                                  Shown(chosen.texts.labels[static_cast<std::size_t>(query.unit)]),
                              targets[k].begin, targets[k].end);
            }
        }
        if (const auto refusal = TemperatureRefusal(query.value, query.unit)) {
            return Refuse(std::string(*refusal), parts.front().begin, parts.front().unit.end);
        }
    }
    if (TooLarge(query)) {
        return Refuse(std::string(kTooLargeRefusal), parts.front().begin, parts.back().unit.end);
    }
    return query;
}

}  // namespace

std::variant<ParsedQuery, QueryRefusal> ParseQuery(std::string_view text)
{
    if (IsAscii(text)) {
        return Reader(text).Read();
    }
    return ReadPlain(text, [](std::string_view plain) { return Reader(plain).Read(); });
}

std::variant<ParsedQuery, QueryRefusal> ParseQueryOnTab(std::string_view text, int tab)
{
    if (tab < 0 || static_cast<std::size_t>(tab) >= ConverterTabs().size()) {
        return QueryRefusal{QueryRefusal::Kind::Refused, "no such tab", 0, text.size()};
    }
    if (IsAscii(text)) {
        return Reader(text, tab).Read();
    }
    return ReadPlain(text, [tab](std::string_view plain) { return Reader(plain, tab).Read(); });
}

std::optional<ValueBoxReading> ReadValueBox(std::string_view text, int tab, QueryRefusal* refusal)
{
    const auto tabs = ConverterTabs();
    if (tab < 0 || static_cast<std::size_t>(tab) >= tabs.size()) {
        return std::nullopt;
    }
    const Category* category = tabs[static_cast<std::size_t>(tab)].category;
    const bool whole = category != nullptr && category->valueKind == ValueKind::WholeNumber;
    if (whole) {
        if (const WholeReading plain = ReadWholeNumber(text); plain.value) {
            return ValueBoxReading{static_cast<double>(*plain.value), -1, {}};
        }
    } else if (const RealReading plain = ReadReal(text); plain.value) {
        return ValueBoxReading{*plain.value, -1, {}};
    }
    auto parsed = ParseQueryOnTab(text, tab);
    if (auto* refused = std::get_if<QueryRefusal>(&parsed)) {
        if (refusal != nullptr) {
            *refusal = std::move(*refused);
        }
        return std::nullopt;
    }
    ParsedQuery& query = std::get<ParsedQuery>(parsed);
    // The box of a tab of whole numbers takes whole amounts only, with units or without.
    if (whole && (query.value != std::trunc(query.value) || std::abs(query.value) > 2147483647.0)) {
        if (refusal != nullptr) {
            *refusal = QueryRefusal{QueryRefusal::Kind::Refused,
                                    WholeRefusalMessage(NumberRefusal::NotWhole), 0, text.size()};
        }
        return std::nullopt;
    }
    return ValueBoxReading{query.value, query.unit, std::move(query.targets)};
}

std::variant<ParsedQuery, QueryRefusal> QueryReader::Read(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && IsSpace(text[at])) {
        ++at;
    }
    NumberForm form{};
    const std::size_t length = NumberLength(text.substr(at), form);
    // The words before were read from a text without pasted characters (see ReadText), so
    // words equal to them have none either.
    if (m_last && length > 0 && form != NumberForm::Fraction &&
        text.substr(at + length) == m_rest) {
        // Read as ReadPart reads a number (a value it reads is always finite).
        // An amount the full reading refuses (too large for its units, or a temperature below
        // absolute zero) is read again to be refused.
        if (const RealReading reading = ReadReal(text.substr(at, length));
            reading.value &&
            (m_last->category != nullptr || !TemperatureRefusal(*reading.value, m_last->unit))) {
            ParsedQuery query = *m_last;
            query.value = *reading.value;
            if (!TooLarge(query)) {
                return query;
            }
        }
    }
    return ReadInFull(text);
}

std::variant<ParsedQuery, QueryRefusal> QueryReader::ReadInFull(std::string_view text)
{
    if (IsAscii(text)) {
        return ReadText(text);
    }
    return ReadPlain(text, [this](std::string_view plain) { return ReadText(plain); });
}

std::variant<ParsedQuery, QueryRefusal> QueryReader::ReadText(std::string_view text)
{
    Reader reader(text);
    Result result = reader.Read();
    m_last.reset();
    if (const auto* query = std::get_if<ParsedQuery>(&result)) {
        if (const std::size_t from = reader.ReusableFrom(*query); from != std::string_view::npos) {
            m_last = *query;
            m_rest.assign(text.substr(from));
        }
    }
    return result;
}

std::vector<QueryAnswer> AnswerQuery(const ParsedQuery& query, int scientific, int decimals)
{
    std::vector<QueryAnswer> answers;
    if (query.category == nullptr) {
        const auto results = TemperatureResults(query.value, query.unit);
        if (!results) {
            return answers;
        }
        auto add = [&](const TemperatureResult& r) {
            answers.push_back({r.unit, kTemperatureLabels[static_cast<std::size_t>(r.unit)],
                               FormatFixed(r.value, 3), r.value, r.formula});
        };
        if (query.targets.empty()) {
            std::for_each(results->begin(), results->end(), add);
        }
        for (const int target : query.targets) {
            for (const TemperatureResult& r : *results) {
                if (r.unit == target) {
                    add(r);
                }
            }
        }
        return answers;
    }
    const auto products = ConvertProducts(*query.category, query.value, query.unit);
    if (!products) {
        return answers;
    }
    auto add = [&](int unit) {
        const double product = (*products)[static_cast<std::size_t>(unit)];
        answers.push_back({unit,
                           query.category->labels[static_cast<std::size_t>(unit)],
                           FormatProduct(product, scientific, decimals),
                           product,
                           {}});
    };
    if (query.targets.empty()) {
        for (std::size_t unit = 0; unit < products->size(); ++unit) {
            add(static_cast<int>(unit));
        }
    }
    for (const int target : query.targets) {
        if (target >= 0 && static_cast<std::size_t>(target) < products->size()) {
            add(target);
        }
    }
    return answers;
}

}  // namespace convert
