#include "chem/formula.h"

#include <cstdint>
#include <optional>

#include "chem/count_text.h"
#include "chem/elements.h"
#include "chem/molecular_weight.h"
#include "numbers/number_text.h"

namespace chemistry {
namespace {

using Counts = std::vector<ElementCount>;

constexpr std::string_view kMiddleDot = "\xC2\xB7";  // "·" in UTF-8

// Adds `count` atoms of `row`, keeping the order of first appearance; false when the
// total would pass the largest count.
bool Add(Counts& counts, int row, std::int64_t count)
{
    for (ElementCount& element : counts) {
        if (element.row == row) {
            if (element.count + count > kLargestCount) {
                return false;
            }
            element.count += static_cast<int>(count);
            return true;
        }
    }
    if (count > kLargestCount) {
        return false;
    }
    counts.push_back({row, static_cast<int>(count)});
    return true;
}

bool MultiplyInto(Counts& into, const Counts& counts, std::int64_t factor)
{
    for (const ElementCount& element : counts) {
        if (!Add(into, element.row, element.count * factor)) {
            return false;
        }
    }
    return true;
}

struct Refused {
    std::size_t position;
    std::string reason;
};

// An open bracket and what has been read inside it so far.
struct Group {
    Counts counts;
    char close = '\0';
    std::size_t open = 0;  // where the bracket stands
};

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    // Throws Refused.
    Counts Read();

private:
    bool AtEnd() const { return m_pos == m_end; }
    bool IsDigit() const { return !AtEnd() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9'; }
    std::size_t SeparatorLength() const;
    std::optional<std::int64_t> ReadCount();
    void ReadSymbol();
    void OpenGroup(char close);
    void CloseGroup();
    // Adds the part read since the last separator, times its count, to the total.
    void EndPart(std::string_view before);
    [[noreturn]] void Refuse(std::size_t position, std::string reason) const;

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    std::vector<Group> m_groups;  // [0] is the current part of the formula
    Counts m_total;
    std::int64_t m_partCount = 1;
    std::size_t m_partStart = 0;
};

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

std::size_t Reader::SeparatorLength() const
{
    if (AtEnd()) {
        return 0;
    }
    if (m_text[m_pos] == '*' || m_text[m_pos] == '.') {
        return 1;
    }
    return m_text.substr(m_pos, m_end - m_pos).starts_with(kMiddleDot) ? kMiddleDot.size() : 0;
}

std::optional<std::int64_t> Reader::ReadCount()
{
    if (!IsDigit()) {
        return std::nullopt;
    }
    const std::size_t start = m_pos;
    std::int64_t count = 0;
    for (; IsDigit(); ++m_pos) {
        if (count <= kLargestCount) {
            count = count * 10 + (m_text[m_pos] - '0');
        }
    }
    if (count == 0) {
        Refuse(start, "a count of 0");
    }
    if (count > kLargestCount) {
        Refuse(start, "the count " + Quoted(m_text.substr(start, m_pos - start)) +
                          " is too large (at most " + CountText(kLargestCount) + ")");
    }
    return count;
}

void Reader::ReadSymbol()
{
    const std::size_t start = m_pos++;
    if (!AtEnd() && m_text[m_pos] >= 'a' && m_text[m_pos] <= 'z') {
        ++m_pos;
    }
    const std::string_view symbol = m_text.substr(start, m_pos - start);
    const std::optional<int> row = FindSymbol(symbol);
    if (!row) {
        Refuse(start, "unknown element symbol " + Quoted(symbol));
    }
    const std::size_t countStart = m_pos;
    if (!Add(m_groups.back().counts, *row, ReadCount().value_or(1))) {
        Refuse(m_pos > countStart ? countStart : start, "the count of " + Quoted(symbol) +
                                                            " is too large (at most " +
                                                            CountText(kLargestCount) + ")");
    }
}

void Reader::OpenGroup(char close)
{
    m_groups.push_back({{}, close, m_pos});
    ++m_pos;
}

void Reader::CloseGroup()
{
    const char bracket = m_text[m_pos];
    if (m_groups.size() == 1) {
        Refuse(m_pos, "unbalanced brackets: " + Quoted(std::string_view(&bracket, 1)) +
                          " closes no bracket");
    }
    const Group& group = m_groups.back();
    if (group.close != bracket) {
        Refuse(m_pos, "unbalanced brackets: " + Quoted(std::string_view(&bracket, 1)) + " where " +
                          Quoted(std::string_view(&group.close, 1)) + " is expected");
    }
    if (group.counts.empty()) {
        Refuse(group.open, "empty brackets");
    }
    const std::size_t closing = m_pos++;
    const std::int64_t count = ReadCount().value_or(1);
    Counts counts = std::move(m_groups.back().counts);
    m_groups.pop_back();
    if (!MultiplyInto(m_groups.back().counts, counts, count)) {
        Refuse(closing, "a count inside the brackets is too large (at most " +
                            CountText(kLargestCount) + ")");
    }
}

void Reader::EndPart(std::string_view before)
{
    if (m_groups.size() > 1) {
        const Group& open = m_groups.back();
        Refuse(open.open, "unbalanced brackets: " +
                              Quoted(std::string_view(&m_text[open.open], 1)) + " is never closed");
    }
    if (m_groups.front().counts.empty()) {
        Refuse(m_partStart, "no element before " + std::string(before));
    }
    if (!MultiplyInto(m_total, m_groups.front().counts, m_partCount)) {
        Refuse(m_partStart,
               "a count of the hydrate is too large (at most " + CountText(kLargestCount) + ")");
    }
    m_groups.front().counts.clear();
}

void Reader::Refuse(std::size_t position, std::string reason) const
{
    throw Refused{position, std::move(reason)};
}

Counts Reader::Read()
{
    constexpr std::string_view kBlanks = " \t";
    m_pos = m_text.find_first_not_of(kBlanks);
    if (m_pos == std::string_view::npos) {
        Refuse(0, "the formula is empty");
    }
    m_end = m_text.find_last_not_of(kBlanks) + 1;
    m_partStart = m_pos;
    if (IsDigit()) {
        Refuse(m_pos, "a formula starts with an element symbol, not a count");
    }
    m_groups.emplace_back();
    while (!AtEnd()) {
        const char c = m_text[m_pos];
        if (c >= 'A' && c <= 'Z') {
            ReadSymbol();
        } else if (c == '(' || c == '[') {
            OpenGroup(c == '(' ? ')' : ']');
        } else if (c == ')' || c == ']') {
            CloseGroup();
        } else if (const std::size_t length = SeparatorLength(); length > 0) {
            const std::string separator = Quoted(m_text.substr(m_pos, length));
            EndPart(separator);
            const std::size_t at = m_pos;
            m_pos += length;
            m_partStart = m_pos;
            if (AtEnd()) {
                Refuse(at, "nothing after " + separator);
            }
            m_partCount = ReadCount().value_or(1);
        } else if (c >= 'a' && c <= 'z') {
            Refuse(m_pos, "an element symbol starts with a capital letter");
        } else if (IsDigit()) {
            Refuse(m_pos, "a count must follow an element symbol or a bracket");
        } else if (c == ' ' || c == '\t') {
            Refuse(m_pos, "a blank inside the formula");
        } else if (c > ' ' && c < '\x7F') {
            Refuse(m_pos, "unexpected " + Quoted(std::string_view(&c, 1)));
        } else {
            Refuse(m_pos, "unexpected character");
        }
    }
    EndPart("the end");
    return std::move(m_total);
}

// Characters are counted from 1, a multi-byte character as one.
std::size_t CharacterNumber(std::string_view text, std::size_t position)
{
    std::size_t number = 1;
    for (std::size_t i = 0; i < position; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U) {
            ++number;
        }
    }
    return number;
}

}  // namespace

FormulaReading ReadFormula(std::string_view text)
{
    try {
        return {Reader(text).Read(), {}, 0};
    } catch (const Refused& refused) {
        return {{},
                "character " + std::to_string(CharacterNumber(text, refused.position)) + ": " +
                    refused.reason,
                refused.position};
    }
}

std::string CanonicalFormula(std::span<const ElementCount> elements)
{
    std::string formula;
    for (const ElementCount& element : elements) {
        formula += FindElement(element.row)->symbol;
        if (element.count != 1) {
            formula += CountText(element.count);
        }
    }
    return formula;
}

FormulaOutcome FormulaWeight(std::span<const ElementCount> elements)
{
    std::vector<FormulaSlot> slots;
    slots.reserve(elements.size());
    for (const ElementCount& element : elements) {
        slots.push_back({element.row, element.count});
    }
    return MolecularWeightText(slots);
}

std::string FormulaWeightText(std::span<const ElementCount> elements)
{
    return FormulaWeight(elements).result;
}

std::vector<ElementShare> PercentComposition(std::span<const ElementCount> elements)
{
    std::vector<ElementShare> shares;
    double weight = 0.0;
    for (const ElementCount& element : elements) {
        const Element& row = *FindElement(element.row);
        const double grams = static_cast<double>(element.count) * row.atomicMass;
        shares.push_back({row.symbol, 0.0, grams});
        weight += grams;
    }
    for (ElementShare& share : shares) {
        share.percent = share.gramsPerMole / weight * 100.0;
    }
    return shares;
}

std::string PercentCompositionText(std::span<const ElementCount> elements)
{
    constexpr int kDecimals = 3;
    std::string text;
    double percent = 0.0;
    double weight = 0.0;
    for (const ElementShare& share : PercentComposition(elements)) {
        text += std::string(share.symbol) + '\t' + convert::FormatFixed(share.percent, kDecimals) +
                '\t' + convert::FormatFixed(share.gramsPerMole, kDecimals) + '\n';
        percent += share.percent;
        weight += share.gramsPerMole;
    }
    text += "Total\t" + convert::FormatFixed(percent, kDecimals) + '\t' +
            convert::FormatFixed(weight, kDecimals) + '\n';
    return text;
}

}  // namespace chemistry
