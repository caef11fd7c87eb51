#include "convert/query.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
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
    Whole,     // digits, with an optional sign
    Decimal,   // a point or an exponent
    Fraction,  // digits "/" digits
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

bool MayStartSeparator(char c)
{
    return c == '=' || c == '-' || c == '\xe2';
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
        if (const std::size_t number = NumberLength(text.substr(at), form)) {
            tokens.push_back({TokenKind::Number, form, at, at + number});
            at += number;
            continue;
        }
        const std::size_t begin = at;
        while (at < text.size() && !IsSpace(text[at]) &&
               !(MayStartSeparator(text[at]) && SeparatorLength(text.substr(at)) > 0)) {
            ++at;
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
    // followed by its unit, in a tab of real values, settled without a preference.
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
    std::variant<Part, QueryRefusal> ReadPart();
    std::variant<Mention, QueryRefusal> ReadUnit(std::string_view role);
    QueryRefusal UnknownName(std::size_t at) const;
    Result Settle(std::span<const Part> parts, std::span<const Mention> targets);

    std::string_view text_;
    Tokens tokens_;
    std::size_t at_ = 0;
    std::size_t parts_ = 0;
    int onlyTab_ = -1;
};

std::size_t Reader::ReusableFrom(const ParsedQuery& query) const
{
    const bool reusable =
        parts_ == 1 && tokens_.size() > 1 && tokens_[1].kind == TokenKind::Word &&
        query.preference.empty() &&
        (query.category == nullptr || query.category->valueKind != ValueKind::WholeNumber);
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
            return Refuse(Shown(name) + " is not a unit this converter has", tokens_[at].begin,
                          tokens_[end - 1].end);
        }
    }
    const std::string_view word = TextOf(tokens_[at]);
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
    const NameStart start = !AtEnd() && tokens_[at_].kind == TokenKind::Word
                                ? UnitNameStart(TextOf(tokens_[at_]))
                                : NameStart{};
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
    auto unit = ReadUnit("unit");
    if (auto* refusal = std::get_if<QueryRefusal>(&unit)) {
        return std::move(*refusal);
    }
    part.unit = std::get<Mention>(unit);
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
            auto target = ReadUnit("target unit");
            if (auto* refusal = std::get_if<QueryRefusal>(&target)) {
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
    if (chosen.category != nullptr && chosen.category->valueKind == ValueKind::WholeNumber) {
        // Energy's value box takes whole numbers only, and so does each part of a sum.
        for (const Part& part : parts) {
            const std::string_view written = Between(part.begin, part.end);
            const WholeReading reading = ReadWholeNumber(written);
            if (!reading.value) {
                const NumberRefusal why = reading.refusal == NumberRefusal::OutOfRange
                                              ? NumberRefusal::OutOfRange
                                              : NumberRefusal::NotWhole;
                return Refuse(Shown(written) + ": " + std::string(WholeRefusalMessage(why)),
                              part.begin, part.end);
            }
        }
        if (total != std::trunc(total) || total < -2147483648.0 || total > 2147483647.0) {
            return Refuse(
                "the amounts add up to " + FormatGeneral(total) + " " +
                    std::string(chosen.texts.labels[static_cast<std::size_t>(query.unit)]) + "; " +
                    std::string(WholeRefusalMessage(NumberRefusal::NotWhole)),
                parts.front().begin, parts.back().unit.end);
        }
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
    return Reader(text).Read();
}

std::variant<ParsedQuery, QueryRefusal> ParseQueryOnTab(std::string_view text, int tab)
{
    if (tab < 0 || static_cast<std::size_t>(tab) >= ConverterTabs().size()) {
        return QueryRefusal{QueryRefusal::Kind::Refused, "no such tab", 0, text.size()};
    }
    return Reader(text, tab).Read();
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
