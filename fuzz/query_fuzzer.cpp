// Any text through ParseQuery: a refusal says why and points inside the text; an
// accepted query names a unit of its tab and answers with exactly the texts of the
// category form (ConvertAll or ConvertTemperature) for its category, value and unit.
// Its lines read one after another by a QueryReader read as each reads alone.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "convert/query.h"
#include "convert/temperature_formula.h"
#include "convert/unit_names.h"
#include "fuzz/check.h"
#include "tests/support/lines.h"

namespace {

using fuzz::Check;

// Whether the text is well-formed UTF-8 (no overlong form, surrogate or code point
// past U+10FFFF) without control characters, as a message shown on a desktop or sent
// over D-Bus must be.
bool IsShowable(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = 1;
        unsigned point = lead;
        unsigned smallest = 0;
        if (lead >= 0xf0 && lead < 0xf8) {
            length = 4, point = lead & 0x07U, smallest = 0x10000;
        } else if (lead >= 0xe0 && lead < 0xf0) {
            length = 3, point = lead & 0x0fU, smallest = 0x800;
        } else if (lead >= 0xc0 && lead < 0xe0) {
            length = 2, point = lead & 0x1fU, smallest = 0x80;
        } else if (lead >= 0x80) {
            return false;
        }
        if (at + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[at + k]);
            if ((next & 0xc0) != 0x80) {
                return false;
            }
            point = (point << 6) | (next & 0x3fU);
        }
        if (point < smallest || point > 0x10ffff || (point >= 0xd800 && point <= 0xdfff) ||
            point < 0x20 || (point >= 0x7f && point < 0xa0)) {
            return false;
        }
        at += length;
    }
    return true;
}

void CheckAnswers(const convert::ParsedQuery& query, int scientific, int decimals)
{
    std::vector<std::string> values;
    std::vector<std::string> labels;
    if (query.category == nullptr) {
        const auto text = convert::ConvertTemperature(query.value, query.unit);
        Check(text.has_value());
        values = testing_support::SplitLines(text->values);
        labels = testing_support::SplitLines(text->labels);
    } else {
        const auto text =
            convert::ConvertAll(*query.category, query.value, query.unit, scientific, decimals);
        if (!text) {
            // Too large for some unit of the tab, but not for the ones the query asks.
            Check(!query.targets.empty());
            const auto answers = convert::AnswerQuery(query, scientific, decimals);
            Check(answers.size() == query.targets.size());
            for (std::size_t k = 0; k < answers.size(); ++k) {
                const auto product = convert::ConvertProduct(*query.category, query.value,
                                                             query.unit, query.targets[k]);
                Check(product.has_value() && std::isfinite(*product));
                Check(answers[k].text == convert::FormatProduct(*product, scientific, decimals));
            }
            return;
        }
        values = testing_support::SplitLines(text->values);
        labels = testing_support::SplitLines(text->labels);
    }
    const auto answers = convert::AnswerQuery(query, scientific, decimals);
    Check(answers.size() == (query.targets.empty() ? values.size() : query.targets.size()));
    for (std::size_t k = 0; k < answers.size(); ++k) {
        const convert::QueryAnswer& answer = answers[k];
        Check(query.targets.empty() || answer.unit == query.targets[k]);
        bool found = false;
        for (std::size_t line = 0; line < labels.size(); ++line) {
            if (labels[line] == answer.label) {
                Check(values[line] == answer.text);
                found = true;
            }
        }
        Check(found);
    }
}

bool SameReading(const std::variant<convert::ParsedQuery, convert::QueryRefusal>& a,
                 const std::variant<convert::ParsedQuery, convert::QueryRefusal>& b)
{
    if (a.index() != b.index()) {
        return false;
    }
    if (const auto* query = std::get_if<convert::ParsedQuery>(&a)) {
        const auto& other = std::get<convert::ParsedQuery>(b);
        return query->caption == other.caption && query->category == other.category &&
               std::bit_cast<std::uint64_t>(query->value) ==
                   std::bit_cast<std::uint64_t>(other.value) &&
               query->unit == other.unit && query->targets == other.targets &&
               query->preference == other.preference;
    }
    const auto& refusal = std::get<convert::QueryRefusal>(a);
    const auto& other = std::get<convert::QueryRefusal>(b);
    return refusal.kind == other.kind && refusal.message == other.message &&
           refusal.begin == other.begin && refusal.end == other.end;
}

// The text's lines read one after another, as velkari-cli reads standard input: each is
// read as ParseQuery reads it alone.
void CheckStream(std::string_view text)
{
    convert::QueryReader reader;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        Check(SameReading(reader.Read(line), convert::ParseQuery(line)));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The format options come from the length, so that every input reads as it is typed.
    const int scientific = static_cast<int>(size % 2);
    const int decimals = static_cast<int>((size / 2) % 10) - 1;

    if (text.find('\n') != std::string_view::npos) {
        CheckStream(text);
    }
    const auto parsed = convert::ParseQuery(text);
    if (const auto* refusal = std::get_if<convert::QueryRefusal>(&parsed)) {
        Check(!refusal->message.empty() && IsShowable(refusal->message));
        Check(refusal->begin <= refusal->end && refusal->end <= size);
        return 0;
    }
    const convert::ParsedQuery& query = std::get<convert::ParsedQuery>(parsed);
    Check(IsShowable(query.preference));
    Check(std::isfinite(query.value));
    const convert::ConverterTab* tab = nullptr;
    for (const convert::ConverterTab& candidate : convert::ConverterTabs()) {
        if (candidate.caption == query.caption) {
            tab = &candidate;
        }
    }
    Check(tab != nullptr && tab->category == query.category);
    const int count = static_cast<int>(tab->texts.labels.size());
    Check(query.unit >= 0 && query.unit < count);
    for (const int target : query.targets) {
        Check(target >= 0 && target < count);
        Check(query.category != nullptr || target != query.unit);
    }
    CheckAnswers(query, scientific, decimals);
    return 0;
}
