#include "convert/unit_names.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <unordered_map>

#include "convert/categories.h"
#include "convert/temperature_formula.h"

namespace convert {
namespace {

// What people commonly write for a unit, beside what its label already offers. The
// label is the unit's label exactly as the category writes it beside its value.
constexpr UnitAlias kAliases[]{
    {"Angle", "deg", "Degrees"},
    {"Angle", "degree", "Degrees"},
    {"Angle", "rad", "Radians"},
    {"Angle", "radian", "Radians"},
    {"Cooking", "liters", "Liter"},
    {"Cooking", "litres", "Liter"},
    {"Cooking", "litre", "Liter"},
    {"Cooking", "milliliters", "Milliliter"},
    {"Cooking", "millilitres", "Milliliter"},
    {"Energy", "kWh", "Kilowatt hour (kW*h)"},
    {"Length", "feet", "Foot (ft)"},
    {"Length", "inches", "Inch (in)"},
    {"Length", "meters", "Meter (m)"},
    {"Length", "metres", "Meter (m)"},
    {"Length", "metre", "Meter (m)"},
    {"Length", "kilometers", "Kilometer (km)"},
    {"Length", "kilometres", "Kilometer (km)"},
    {"Length", "kilometre", "Kilometer (km)"},
    {"Length", "centimeters", "Centimeter (cm)"},
    {"Length", "centimetres", "Centimeter (cm)"},
    {"Length", "millimeters", "Millimeter (mm)"},
    {"Length", "millimetres", "Millimeter (mm)"},
    {"Length", "miles", "Mile (mi)"},
    {"Length", "yards", "Yard (yd)"},
    {"Speed", "km/h", "Kilometer per hour"},
    {"Speed", "kph", "Kilometer per hour"},
    {"Temperature", "Fahrenheit", "Farenheit(°F)"},
    {"Temperature", "F", "Farenheit(°F)"},
    {"Temperature", "degF", "Farenheit(°F)"},
    {"Temperature", "C", "Celsius(°C)"},
    {"Temperature", "degC", "Celsius(°C)"},
    {"Time", "s", "Second (sec)"},
    {"Time", "seconds", "Second (sec)"},
    {"Time", "minutes", "Minute (min)"},
    {"Time", "h", "Hour"},
    {"Time", "hours", "Hour"},
    {"Time", "days", "Day"},
    {"Time", "weeks", "Week"},
    {"Volume", "cm3", "Cubic centimeter (cc)"},
    {"Volume", "liters", "Liter (l)"},
    {"Volume", "litres", "Liter (l)"},
    {"Volume", "litre", "Liter (l)"},
    {"Volume", "milliliters", "Milliliter (ml)"},
    {"Volume", "millilitres", "Milliliter (ml)"},
    {"Volume", "gallon", "Gallon, liquid (gal) (US)"},
    {"Volume", "gallons", "Gallon, liquid (gal) (US)"},
    {"Weight", "grams", "Gram (g)"},
    {"Weight", "kilograms", "Kilogram (kg)"},
    {"Weight", "pounds", "Pound (lb) (Avoir)"},
    {"Weight", "lbs", "Pound (lb) (Avoir)"},
    {"Weight", "ounces", "Ounce (Avoir)"},
};

// Parenthesised words that qualify a unit rather than abbreviate it.
constexpr std::array<std::string_view, 2> kQualifiers{"us", "avoir"};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The label without its parenthesised parts (and the list's trailing "*").
std::string_view::size_type BareEnd(std::string_view text)
{
    return std::min(text.find('('), text.find('*'));
}

void AddAbbreviations(std::string_view text, std::vector<std::string>& names)
{
    for (auto open = text.find('('); open != std::string_view::npos;
         open = text.find('(', open + 1)) {
        const auto close = text.find(')', open);
        if (close == std::string_view::npos) {
            return;
        }
        std::string folded = FoldName(text.substr(open + 1, close - open - 1));
        if (std::find(kQualifiers.begin(), kQualifiers.end(), folded) == kQualifiers.end()) {
            names.push_back(std::move(folded));
        }
    }
}

bool SameExactly(std::string_view typed, std::string_view name)
{
    auto trim = [](std::string_view text) {
        while (!text.empty() && IsBlank(text.front())) {
            text.remove_prefix(1);
        }
        while (!text.empty() && IsBlank(text.back())) {
            text.remove_suffix(1);
        }
        return text;
    };
    typed = trim(typed);
    name = trim(name);
    return std::equal(
        typed.begin(), typed.end(), name.begin(), name.end(), [](unsigned char a, unsigned char b) {
            auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
            return lower(a) == lower(b);
        });
}

}  // namespace

std::span<const UnitAlias> UnitAliases()
{
    return kAliases;
}

std::string FoldName(std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, char>, 6> kSpellings{{
        {"\xc2\xb2", '2'},  // ²
        {"\xc2\xb3", '3'},  // ³
        {"^2", '2'},
        {"^3", '3'},
        {"\xc2\xb5", 'u'},  // µ, the micro sign
        {"\xce\xbc", 'u'},  // μ, the Greek letter
    }};
    std::string folded;
    folded.reserve(name.size());
    bool blank = false;
    for (std::size_t at = 0; at < name.size();) {
        const char c = name[at];
        if (IsBlank(c)) {
            blank = true;
            ++at;
            continue;
        }
        if (blank && !folded.empty()) {
            folded += ' ';
        }
        blank = false;
        // Every spelling starts with one of these three bytes.
        if (c == '^' || c == '\xc2' || c == '\xce') {
            const auto spelling =
                std::find_if(kSpellings.begin(), kSpellings.end(),
                             [&](const auto& s) { return name.substr(at).starts_with(s.first); });
            if (spelling != kSpellings.end()) {
                folded += spelling->second;
                at += spelling->first.size();
                continue;
            }
        }
        folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        ++at;
    }
    return folded;
}

std::vector<std::string> NamesOfUnit(const UnitTexts& units, std::span<const UnitAlias> aliases,
                                     std::size_t unit)
{
    std::vector<std::string> names;
    for (const std::string_view text : {units.labels[unit], units.listItems[unit]}) {
        names.push_back(FoldName(text));
        names.push_back(FoldName(text.substr(0, BareEnd(text))));
        AddAbbreviations(text, names);
    }
    for (const UnitAlias& alias : aliases) {
        if (alias.category == units.caption && alias.label == units.labels[unit]) {
            names.push_back(FoldName(alias.alias));
        }
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    std::erase(names, std::string());
    return names;
}

std::vector<std::size_t> MatchUnit(const UnitTexts& units, std::span<const UnitAlias> aliases,
                                   std::string_view text)
{
    std::vector<std::size_t> exact;
    std::vector<std::size_t> other;
    const std::string folded = FoldName(text);
    for (std::size_t unit = 0; unit < units.labels.size(); ++unit) {
        if (SameExactly(text, units.labels[unit]) || SameExactly(text, units.listItems[unit])) {
            exact.push_back(unit);
        }
        const std::vector<std::string> names = NamesOfUnit(units, aliases, unit);
        if (std::binary_search(names.begin(), names.end(), folded)) {
            other.push_back(unit);
        }
    }
    return exact.empty() ? other : exact;
}

std::vector<std::string> AmbiguousNames(const UnitTexts& units, std::span<const UnitAlias> aliases)
{
    std::map<std::string, std::size_t> owner;
    std::set<std::string> ambiguous;
    for (std::size_t unit = 0; unit < units.labels.size(); ++unit) {
        for (std::string& name : NamesOfUnit(units, aliases, unit)) {
            const auto [it, added] = owner.emplace(std::move(name), unit);
            if (!added && it->second != unit) {
                ambiguous.insert(it->first);
            }
        }
    }
    return {ambiguous.begin(), ambiguous.end()};
}

namespace {

// Each name of a ";"-separated list, blanks around it trimmed.
template <typename Visit>
void ForEachListed(std::string_view list, Visit visit)
{
    while (!list.empty()) {
        const auto cut = list.find(';');
        std::string_view name = list.substr(0, cut);
        while (!name.empty() && IsBlank(name.front())) {
            name.remove_prefix(1);
        }
        while (!name.empty() && IsBlank(name.back())) {
            name.remove_suffix(1);
        }
        if (!name.empty()) {
            visit(name);
        }
        list = cut == std::string_view::npos ? std::string_view() : list.substr(cut + 1);
    }
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The names of one unit as people write them: its list item and label, these without
// their parenthesised parts, the abbreviations in parentheses, the old alias table's
// names and its row of the name table (words with their plurals).
struct WrittenNames {
    std::vector<std::string> folded;  // found in any case
    std::vector<std::string> exact;   // found only as written
};

WrittenNames NamesWritten(const ConverterTab& tab, std::size_t unit)
{
    WrittenNames names;
    auto add = [&](std::string_view name) {
        name = Trimmed(name);
        if (!name.empty()) {
            names.folded.emplace_back(name);
        }
    };
    const std::string_view label = tab.texts.labels[unit];
    for (const std::string_view text : {tab.texts.listItems[unit], label}) {
        add(text);
        add(text.substr(0, BareEnd(text)));
        for (auto open = text.find('('); open != std::string_view::npos;
             open = text.find('(', open + 1)) {
            const auto close = text.find(')', open);
            if (close == std::string_view::npos) {
                break;
            }
            const std::string_view inner = text.substr(open + 1, close - open - 1);
            const std::string folded = FoldName(inner);
            if (std::find(kQualifiers.begin(), kQualifiers.end(), folded) == kQualifiers.end()) {
                add(inner);
            }
        }
    }
    for (const UnitAlias& alias : kAliases) {
        if (alias.category == tab.caption && alias.label == label) {
            add(alias.alias);
        }
    }
    for (const UnitNameRow& row : UnitNameRows()) {
        if (row.caption != tab.caption || row.label != label) {
            continue;
        }
        ForEachListed(row.words, [&](std::string_view word) {
            add(word);
            add(PluralOf(word));
        });
        ForEachListed(row.symbols, add);
        ForEachListed(row.exact, [&](std::string_view name) { names.exact.emplace_back(name); });
    }
    return names;
}

// The look-up table, built once: every name of every unit of every tab, sorted by key.
struct NameIndex {
    std::vector<UnitName> folded;  // by folded key
    std::vector<UnitName> exact;   // by the name as written
    // Where each key's entries lie in the vectors above.
    std::unordered_map<std::string_view, std::span<const UnitName>> byFolded;
    std::unordered_map<std::string_view, std::span<const UnitName>> byExact;
    std::vector<std::string> notHere;
    // Every key folded, with a name as written, for the closest names.
    std::vector<std::pair<std::string, std::string>> spellings;
    // The names of each unit as written, first seen first, for completion.
    std::vector<std::vector<std::vector<std::string>>> written;
};

bool ByKey(const UnitName& a, const UnitName& b)
{
    return a.key < b.key ||
           (a.key == b.key && (a.tab < b.tab || (a.tab == b.tab && a.unit < b.unit)));
}

NameIndex BuildIndex()
{
    NameIndex index;
    std::set<std::string> guarded;  // folded forms of the names whose case matters
    for (const UnitNameRow& row : UnitNameRows()) {
        ForEachListed(row.exact, [&](std::string_view name) { guarded.insert(FoldName(name)); });
    }
    const auto tabs = ConverterTabs();
    index.written.resize(tabs.size());
    for (std::size_t t = 0; t < tabs.size(); ++t) {
        for (std::size_t unit = 0; unit < tabs[t].texts.labels.size(); ++unit) {
            const WrittenNames names = NamesWritten(tabs[t], unit);
            std::vector<std::string>& shown = index.written[t].emplace_back();
            auto show = [&](const std::string& name) {
                if (std::find(shown.begin(), shown.end(), name) == shown.end()) {
                    shown.push_back(name);
                }
            };
            for (const std::string& name : names.folded) {
                std::string key = FoldName(name);
                if (guarded.contains(key)) {
                    continue;
                }
                show(name);
                index.folded.push_back(
                    {std::move(key), name, static_cast<int>(t), static_cast<int>(unit)});
            }
            for (const std::string& name : names.exact) {
                show(name);
                index.exact.push_back({name, name, static_cast<int>(t), static_cast<int>(unit)});
            }
        }
    }
    for (std::vector<UnitName>* names : {&index.folded, &index.exact}) {
        std::sort(names->begin(), names->end(), ByKey);
        // One entry per key and unit: the first spelling stays the one shown.
        names->erase(std::unique(names->begin(), names->end(),
                                 [](const UnitName& a, const UnitName& b) {
                                     return a.key == b.key && a.tab == b.tab && a.unit == b.unit;
                                 }),
                     names->end());
    }
    for (const std::vector<UnitName>* names : {&index.folded, &index.exact}) {
        auto& byKey = names == &index.folded ? index.byFolded : index.byExact;
        for (auto first = names->begin(); first != names->end();) {
            auto last = first;
            while (last != names->end() && last->key == first->key) {
                ++last;
            }
            byKey.emplace(first->key, std::span<const UnitName>(first, last));
            first = last;
        }
        for (const UnitName& name : *names) {
            index.spellings.emplace_back(FoldName(name.key), name.written);
        }
    }
    // By length, so that a look-up visits only the names of about the typed length.
    std::sort(index.spellings.begin(), index.spellings.end(), [](const auto& a, const auto& b) {
        return a.first.size() != b.first.size() ? a.first.size() < b.first.size() : a < b;
    });
    index.spellings.erase(std::unique(index.spellings.begin(), index.spellings.end()),
                          index.spellings.end());
    for (const std::string_view name : UnitsNotHere()) {
        index.notHere.push_back(FoldName(name));
    }
    std::sort(index.notHere.begin(), index.notHere.end());
    return index;
}

const NameIndex& Index()
{
    static const NameIndex index = BuildIndex();
    return index;
}

std::span<const UnitName> Found(
    const std::unordered_map<std::string_view, std::span<const UnitName>>& names,
    std::string_view key)
{
    const auto found = names.find(key);
    return found == names.end() ? std::span<const UnitName>() : found->second;
}

bool IsVowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

// The plural of one word: "foot" and the words ending in it become "feet"; "hertz"
// stays as it is.
std::string PluralWord(std::string_view word)
{
    std::string plural(word);
    if (word.ends_with("foot")) {
        plural.replace(plural.size() - 4, 4, "feet");
    } else if (word.ends_with("hertz")) {
    } else if (word.size() > 1 && word.back() == 'y' && !IsVowel(word[word.size() - 2])) {
        plural.replace(plural.size() - 1, 1, "ies");
    } else if (word.ends_with('s') || word.ends_with('x') || word.ends_with('z') ||
               word.ends_with("ch") || word.ends_with("sh")) {
        plural += "es";
    } else {
        plural += 's';
    }
    return plural;
}

// The edit distance of a and b when it is at most `limit`, else limit + 1.
unsigned EditDistance(std::string_view a, std::string_view b, unsigned limit)
{
    std::array<unsigned, 65> row;
    if (b.size() >= row.size()) {
        return limit + 1;
    }
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = static_cast<unsigned>(j);
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        unsigned diagonal = row[0];
        row[0] = static_cast<unsigned>(i);
        unsigned smallest = row[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const unsigned above = row[j];
            const unsigned replaced = diagonal + (a[i - 1] == b[j - 1] ? 0U : 1U);
            row[j] = std::min(std::min(above, row[j - 1]) + 1, replaced);
            smallest = std::min(smallest, row[j]);
            diagonal = above;
        }
        if (smallest > limit) {
            return limit + 1;  // no later row comes back under the limit
        }
    }
    return row[b.size()];
}

int TabOfCaption(std::string_view caption)
{
    const auto tabs = ConverterTabs();
    for (std::size_t t = 0; t < tabs.size(); ++t) {
        if (tabs[t].caption == caption) {
            return static_cast<int>(t);
        }
    }
    return -1;
}

}  // namespace

std::span<const ConverterTab> ConverterTabs()
{
    static const auto tabs = [] {
        std::array<ConverterTab, kConverterCategories.size() + 1> all{};
        for (std::size_t t = 0; t < kConverterCategories.size(); ++t) {
            const Category* category = kConverterCategories[t];
            all[t] = {category->caption, category,
                      UnitTexts{category->caption, category->labels, category->listItems}};
        }
        all.back() = {"Temperature", nullptr,
                      UnitTexts{"Temperature", kTemperatureLabels, kTemperatureListItems}};
        return all;
    }();
    return tabs;
}

std::string PluralOf(std::string_view name)
{
    // "mile per hour" -> "miles per hour", "cycle/second" -> "cycles/second".
    auto cut = name.find(" per ");
    if (cut == std::string_view::npos) {
        cut = name.find('/');
    }
    if (cut == std::string_view::npos) {
        cut = name.size();
    }
    return PluralWord(name.substr(0, cut)) + std::string(name.substr(cut));
}

std::span<const UnitName> UnitsNamed(std::string_view text)
{
    const NameIndex& index = Index();
    const std::string_view trimmed = Trimmed(text);
    if (const auto exact = Found(index.byExact, trimmed); !exact.empty()) {
        return exact;
    }
    return Found(index.byFolded, FoldName(trimmed));
}

bool IsUnitNotHere(std::string_view text)
{
    const auto& names = Index().notHere;
    return std::binary_search(names.begin(), names.end(), FoldName(text));
}

std::vector<std::string> ClosestUnitNames(std::string_view text)
{
    const std::string typed = FoldName(text);
    const unsigned limit = typed.size() <= 3 ? 1 : 2;
    std::vector<std::pair<unsigned, const std::string*>> close;
    const auto& spellings = Index().spellings;
    // A name whose length alone differs by more than the limit is not close.
    const std::size_t shortest = typed.size() > limit ? typed.size() - limit : 0;
    auto first = std::lower_bound(
        spellings.begin(), spellings.end(), shortest,
        [](const auto& spelling, std::size_t size) { return spelling.first.size() < size; });
    for (; first != spellings.end() && first->first.size() <= typed.size() + limit; ++first) {
        const auto& [folded, written] = *first;
        // Distance 0 is a name whose case matters typed in another case ("mB" for "MB",
        // "Mb" and "mb").
        const unsigned distance = EditDistance(typed, folded, limit);
        if (distance <= limit && written != text) {
            close.emplace_back(distance, &written);
        }
    }
    std::stable_sort(close.begin(), close.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> closest;
    for (const auto& [distance, written] : close) {
        if (closest.size() == 4) {
            break;
        }
        if (std::find(closest.begin(), closest.end(), *written) == closest.end()) {
            closest.push_back(*written);
        }
    }
    return closest;
}

int UnitNamed(std::string_view caption, std::string_view text)
{
    const int tab = TabOfCaption(caption);
    int found = -1;
    for (const UnitName& name : UnitsNamed(text)) {
        if (name.tab == tab) {
            if (found >= 0 && found != name.unit) {
                return -1;  // never a guess between two units
            }
            found = name.unit;
        }
    }
    return found;
}

std::vector<std::string> UnitNames(std::string_view caption, int unit)
{
    const int tab = TabOfCaption(caption);
    const auto& written = Index().written;
    if (tab < 0 || unit < 0 || static_cast<std::size_t>(unit) >= written[tab].size()) {
        return {};
    }
    return written[static_cast<std::size_t>(tab)][static_cast<std::size_t>(unit)];
}

}  // namespace convert
