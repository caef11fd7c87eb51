#include "convert/unit_names.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <set>

#include "convert/categories.h"
#include "convert/name_index.h"
#include "convert/temperature_formula.h"

namespace convert {

namespace names {

std::uint32_t HashOf(std::string_view key)
{
    std::uint32_t hash = 2166136261U;  // FNV-1a
    for (const char c : key) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
    }
    return hash;
}

}  // namespace names

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

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
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

std::size_t FoldInto(std::string_view name, char* out)
{
    static constexpr std::array<std::pair<std::string_view, char>, 6> kSpellings{{
        {"\xc2\xb2", '2'},  // ²
        {"\xc2\xb3", '3'},  // ³
        {"^2", '2'},
        {"^3", '3'},
        {"\xc2\xb5", 'u'},  // µ, the micro sign
        {"\xce\xbc", 'u'},  // μ, the Greek letter
    }};
    std::size_t length = 0;
    bool blank = false;
    for (std::size_t at = 0; at < name.size();) {
        const char c = name[at];
        if (IsBlank(c)) {
            blank = true;
            ++at;
            continue;
        }
        if (blank && length > 0) {
            out[length++] = ' ';
        }
        blank = false;
        // Every spelling starts with one of these three bytes.
        if (c == '^' || c == '\xc2' || c == '\xce') {
            const auto spelling =
                std::find_if(kSpellings.begin(), kSpellings.end(),
                             [&](const auto& s) { return name.substr(at).starts_with(s.first); });
            if (spelling != kSpellings.end()) {
                out[length++] = spelling->second;
                at += spelling->first.size();
                continue;
            }
        }
        // A period that ends an abbreviation is no part of its name: "ft." is "ft",
        // "fl. oz." is "fl oz".
        if (c == '.' && (at + 1 == name.size() || IsBlank(name[at + 1])) && length > 0 &&
            IsLetter(out[length - 1])) {
            ++at;
            continue;
        }
        out[length++] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        ++at;
    }
    return length;
}

std::string FoldName(std::string_view name)
{
    std::string folded(name.size(), '\0');
    folded.resize(FoldInto(name, folded.data()));
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
    // "mb" folded from "MB" would be a byte, and "Mb" folded the same name a bit.
    std::erase_if(names, [](const std::string& name) { return !CaseSlip(name).empty(); });
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

// The tab and unit a row of the tables names, by caption and label. The rows of one tab
// come together, so the tab found last is tried first.
class UnitFinder {
public:
    std::optional<UnitName> Find(std::string_view caption, std::string_view label)
    {
        const auto tabs = ConverterTabs();
        if (tabs[m_tab].caption != caption) {
            const auto tab = std::find_if(tabs.begin(), tabs.end(), [&](const ConverterTab& t) {
                return t.caption == caption;
            });
            if (tab == tabs.end()) {
                return std::nullopt;
            }
            m_tab = static_cast<std::size_t>(tab - tabs.begin());
        }
        const auto labels = tabs[m_tab].texts.labels;
        const auto unit = std::find(labels.begin(), labels.end(), label);
        if (unit == labels.end()) {
            return std::nullopt;
        }
        return UnitName{static_cast<int>(m_tab), static_cast<int>(unit - labels.begin())};
    }

private:
    std::size_t m_tab = 0;
};

using names::HashOf;

// One name of the look-up table, while it is built.
struct Gathered {
    std::string_view key;      // folded
    std::string_view written;  // as people write it
    bool exact;                // found only as written
    UnitName unit;
};

// A slot of the table while it is built; names::Slot says what each field is.
struct Slot {
    std::string_view key;
    std::uint32_t first = 0;
    std::uint32_t count = 0;
    std::uint32_t longest = 0;
    bool exact = false;
};

// The look-up table as built from the tables: every name of every unit of every tab.
struct NameIndex {
    std::deque<std::string> made;  // the folded keys and plurals the tables do not hold
    // Every name in the order gathered, unit by unit; a deque, so that growing frees no
    // blocks, which would leave the heap cut up for the values converted afterwards.
    std::deque<Gathered> gathered;
    std::vector<Gathered> byKey;  // each slot's names from its `first`, `count` of them
    std::vector<UnitName> units;  // byKey's units: what a look-up returns
    std::vector<Slot> slots;      // a power of two of them, at most half in use
};

// The slot of `key`, or the free slot where it would go.
template <typename Slots>
auto& SlotFor(Slots& slots, std::string_view key)
{
    const std::size_t mask = slots.size() - 1;
    std::size_t at = HashOf(key) & mask;
    while (!slots[at].key.empty() && slots[at].key != key) {
        at = (at + 1) & mask;
    }
    return slots[at];
}

std::size_t WordsIn(std::string_view key)
{
    return static_cast<std::size_t>(std::count(key.begin(), key.end(), ' ')) + 1;
}

// Calls `use` with `text` folded, on the stack when it is short.
template <typename Use>
auto WithFolded(std::string_view text, Use use)
{
    std::array<char, 64> buffer;
    if (text.size() <= buffer.size()) {
        return use(std::string_view(buffer.data(), FoldInto(text, buffer.data())));
    }
    const std::string folded = FoldName(text);
    return use(std::string_view(folded));
}

// Every name of the tables, unit by unit: its list item and label, these without their
// parenthesised parts, the abbreviations in parentheses, the alias table's names and its
// row of the name table (words with their plurals, symbols, and symbols whose case
// matters). A folded name whose case matters for some unit is left out ("mb" is a
// millibar; "MB", "mB" and "Mb" are not). Only tab `only`'s names, unless it is -1.
void Gather(NameIndex& index, int only)
{
    std::vector<std::string> guarded;
    for (const UnitNameRow& row : UnitNameRows()) {
        ForEachListed(row.exact, [&](std::string_view name) { guarded.push_back(FoldName(name)); });
    }
    std::sort(guarded.begin(), guarded.end());
    auto add = [&](std::string_view written, bool exact, UnitName unit) {
        written = Trimmed(written);
        if (written.empty() || (only >= 0 && unit.tab != only)) {
            return;
        }
        WithFolded(written, [&](std::string_view folded) {
            if (!exact && std::binary_search(guarded.begin(), guarded.end(), folded)) {
                return;
            }
            const std::string_view key =
                folded == written ? written : std::string_view(index.made.emplace_back(folded));
            index.gathered.push_back({key, written, exact, unit});
        });
    };
    const auto tabs = ConverterTabs();
    for (std::size_t t = only >= 0 ? static_cast<std::size_t>(only) : 0;
         t < (only >= 0 ? static_cast<std::size_t>(only) + 1 : tabs.size()); ++t) {
        for (std::size_t unit = 0; unit < tabs[t].texts.labels.size(); ++unit) {
            const UnitName named{static_cast<int>(t), static_cast<int>(unit)};
            for (const std::string_view text :
                 {tabs[t].texts.listItems[unit], tabs[t].texts.labels[unit]}) {
                add(text, false, named);
                add(text.substr(0, BareEnd(text)), false, named);
                for (auto open = text.find('('); open != std::string_view::npos;
                     open = text.find('(', open + 1)) {
                    const auto close = text.find(')', open);
                    if (close == std::string_view::npos) {
                        break;
                    }
                    const std::string_view inner = text.substr(open + 1, close - open - 1);
                    if (std::find(kQualifiers.begin(), kQualifiers.end(), FoldName(inner)) ==
                        kQualifiers.end()) {
                        add(inner, false, named);
                    }
                }
            }
        }
    }
    UnitFinder finder;
    for (const UnitAlias& alias : kAliases) {
        if (const auto unit = finder.Find(alias.category, alias.label)) {
            add(alias.alias, false, *unit);
        }
    }
    for (const UnitNameRow& row : UnitNameRows()) {
        const auto unit = finder.Find(row.caption, row.label);
        if (!unit || (only >= 0 && unit->tab != only)) {
            continue;
        }
        ForEachListed(row.words, [&](std::string_view word) {
            add(word, false, *unit);
            add(index.made.emplace_back(PluralOf(word)), false, *unit);
        });
        ForEachListed(row.symbols, [&](std::string_view name) { add(name, false, *unit); });
        ForEachListed(row.exact, [&](std::string_view name) { add(name, true, *unit); });
    }
}

NameIndex BuildIndex()
{
    NameIndex index;
    Gather(index, -1);
    // Each key and each first word of a key takes at most one slot.
    std::size_t size = 64;
    while (size < 4 * index.gathered.size()) {
        size *= 2;
    }
    index.slots.resize(size);
    for (const Gathered& name : index.gathered) {
        Slot& slot = SlotFor(index.slots, name.key);
        slot.key = name.key;
        slot.exact = name.exact;
        ++slot.count;  // at most; the names a unit repeats are left out below
        const std::string_view word = name.key.substr(0, name.key.find(' '));
        Slot& start = SlotFor(index.slots, word);
        start.key = word;
        start.longest = std::max(start.longest, static_cast<std::uint32_t>(WordsIn(name.key)));
    }
    std::uint32_t next = 0;
    for (Slot& slot : index.slots) {
        slot.first = next;
        next += slot.count;
        slot.count = 0;
    }
    // Each key's names together in the order gathered, one per unit (and spelling, where
    // case matters): the first spelling of each stays.
    index.byKey.resize(next);
    for (const Gathered& name : index.gathered) {
        Slot& slot = SlotFor(index.slots, name.key);
        const auto placed = std::span(index.byKey).subspan(slot.first, slot.count);
        const bool repeated = std::any_of(placed.begin(), placed.end(), [&](const Gathered& other) {
            return other.unit.tab == name.unit.tab && other.unit.unit == name.unit.unit &&
                   (!name.exact || other.written == name.written);
        });
        if (!repeated) {
            index.byKey[slot.first + slot.count++] = name;
        }
    }
    index.units.resize(index.byKey.size());
    for (const Slot& slot : index.slots) {
        const auto names = std::span(index.byKey).subspan(slot.first, slot.count);
        if (slot.exact) {
            // Where case matters, the names spelled alike lie together.
            std::stable_sort(names.begin(), names.end(), [](const Gathered& a, const Gathered& b) {
                return a.written < b.written;
            });
        }
        for (std::size_t k = 0; k < names.size(); ++k) {
            index.units[slot.first + k] = names[k].unit;
        }
    }
    return index;
}

// The table as the look-ups read it: its strings in one text, which the build writes
// out as it is.
struct Packed {
    std::string text;
    std::vector<names::Slot> slots;
    std::vector<names::Name> byKey;
    std::vector<UnitName> units;
};

Packed Pack(const NameIndex& index)
{
    Packed packed;
    std::map<std::string_view, names::Text> placed;
    auto place = [&](std::string_view text) {
        const auto [at, added] = placed.emplace(text, names::Text{});
        if (added) {
            at->second = {static_cast<std::uint32_t>(packed.text.size()),
                          static_cast<std::uint32_t>(text.size())};
            packed.text += text;
        }
        return at->second;
    };
    for (const Slot& slot : index.slots) {
        packed.slots.push_back(
            slot.key.empty()
                ? names::Slot{}
                : names::Slot{place(slot.key), slot.first, slot.count, slot.longest, slot.exact});
    }
    for (const Gathered& name : index.byKey) {
        packed.byKey.push_back({place(name.key), place(name.written), name.exact, name.unit});
    }
    packed.units = index.units;
    return packed;
}

// The table every look-up reads: the one the build wrote into the program.
const names::Index& Index()
{
    static const names::Index index = names::CompiledIndex();
    return index;
}

// The slot of `key` in the table, or the free slot where it would be.
const names::Slot& SlotOf(const names::Index& index, std::string_view key)
{
    const std::size_t mask = index.slots.size() - 1;
    std::size_t at = HashOf(key) & mask;
    while (index.slots[at].key.size != 0 && index(index.slots[at].key) != key) {
        at = (at + 1) & mask;
    }
    return index.slots[at];
}

// The units a slot's key names, as `trimmed` is written: all of them, or where case
// matters those written exactly so.
std::span<const UnitName> UnitsOf(const names::Index& index, const names::Slot& slot,
                                  std::string_view trimmed)
{
    const auto units = index.units.subspan(slot.first, slot.count);
    if (!slot.exact) {
        return units;
    }
    const auto names = index.byKey.subspan(slot.first, slot.count);
    const auto first = std::find_if(names.begin(), names.end(), [&](const names::Name& name) {
        return index(name.written) == trimmed;
    });
    const auto last = std::find_if(first, names.end(), [&](const names::Name& name) {
        return index(name.written) != trimmed;
    });
    return units.subspan(static_cast<std::size_t>(first - names.begin()),
                         static_cast<std::size_t>(last - first));
}

// Every key with a spelling of it, by length, for the closest names.
const std::vector<std::pair<std::string_view, std::string_view>>& Spellings()
{
    static const auto spellings = [] {
        std::vector<std::pair<std::string_view, std::string_view>> all;
        const names::Index& index = Index();
        for (const names::Slot& slot : index.slots) {
            for (const names::Name& name : index.byKey.subspan(slot.first, slot.count)) {
                all.emplace_back(index(name.key), index(name.written));
            }
        }
        // By length, so that a look-up visits only the names of about the typed length.
        std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
            return a.first.size() != b.first.size() ? a.first.size() < b.first.size() : a < b;
        });
        all.erase(std::unique(all.begin(), all.end()), all.end());
        return all;
    }();
    return spellings;
}

// The names of each unit of tab `tab` as written, first gathered first, for completion.
// Gathered for that tab alone, when its names are first asked for: the window's first
// page completes its names without the index of every tab.
const std::vector<std::vector<std::string>>& WrittenNames(std::size_t tab)
{
    constexpr std::size_t kTabs = kConverterCategories.size() + 1;
    static std::array<std::once_flag, kTabs> gathered;
    static std::array<std::vector<std::vector<std::string>>, kTabs> written;
    std::call_once(gathered.at(tab), [tab] {
        NameIndex names;
        Gather(names, static_cast<int>(tab));
        auto& units = written.at(tab);
        units.resize(ConverterTabs()[tab].texts.labels.size());
        for (const Gathered& name : names.gathered) {
            auto& ofUnit = units[static_cast<std::size_t>(name.unit.unit)];
            if (std::find(ofUnit.begin(), ofUnit.end(), name.written) == ofUnit.end()) {
                ofUnit.emplace_back(name.written);
            }
        }
    });
    return written.at(tab);
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
    return UnitNameStart(text).units;
}

NameStart UnitNameStart(std::string_view word)
{
    const std::string_view trimmed = Trimmed(word);
    if (trimmed.empty()) {
        return {};
    }
    const names::Index& index = Index();
    return WithFolded(trimmed, [&](std::string_view key) -> NameStart {
        const names::Slot& slot = SlotOf(index, key);
        if (slot.key.size == 0) {
            return {};
        }
        return {UnitsOf(index, slot, trimmed), slot.longest};
    });
}

std::span<const std::string_view> UnitsNotHere()
{
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const MissingUnit& unit : MissingUnits()) {
            ForEachListed(unit.names, [&](std::string_view name) { all.push_back(name); });
        }
        return all;
    }();
    return names;
}

std::vector<std::string_view> NearestUnitsTo(std::string_view text)
{
    const std::string typed = FoldName(text);
    std::vector<std::string_view> nearest;
    for (const MissingUnit& unit : MissingUnits()) {
        bool named = false;
        ForEachListed(unit.names,
                      [&](std::string_view name) { named = named || FoldName(name) == typed; });
        if (named) {
            ForEachListed(unit.nearest, [&](std::string_view name) { nearest.push_back(name); });
            break;
        }
    }
    return nearest;
}

std::string_view CaseSlip(std::string_view text)
{
    const std::string_view trimmed = Trimmed(text);
    if (trimmed == "kb") {
        return "did you mean \"KB\" (kilobyte) or \"Kb\" (kilobit)?";
    }
    if (trimmed == "mb") {
        return "did you mean \"MB\" (megabyte) or \"Mb\" (megabit)? (a millibar is \"mbar\")";
    }
    if (trimmed == "gb") {
        return "did you mean \"GB\" (gigabyte) or \"Gb\" (gigabit)?";
    }
    return {};
}

bool IsUnitNotHere(std::string_view text)
{
    static const auto names = [] {
        std::vector<std::string> folded;
        for (const std::string_view name : UnitsNotHere()) {
            folded.push_back(FoldName(name));
        }
        std::sort(folded.begin(), folded.end());
        return folded;
    }();
    return std::binary_search(names.begin(), names.end(), FoldName(text));
}

std::vector<std::string> ClosestUnitNames(std::string_view text)
{
    const std::string typed = FoldName(text);
    const unsigned limit = typed.size() <= 3 ? 1 : 2;
    std::vector<std::pair<unsigned, std::string_view>> close;
    const auto& spellings = Spellings();
    // A name whose length alone differs by more than the limit is not close.
    const std::size_t shortest = typed.size() > limit ? typed.size() - limit : 0;
    auto first = std::lower_bound(
        spellings.begin(), spellings.end(), shortest,
        [](const auto& spelling, std::size_t size) { return spelling.first.size() < size; });
    for (; first != spellings.end() && first->first.size() <= typed.size() + limit; ++first) {
        const auto& [folded, written] = *first;
        // Distance 0 is a name whose case matters typed in another case ("mB" for "MB",
        // "Mb" and "mb"). A slip keeps at least one character of what was typed: "'" is
        // no slip for "B" or "d".
        const unsigned distance = EditDistance(typed, folded, limit);
        if (distance <= limit && distance < typed.size() && written != text) {
            close.emplace_back(distance, written);
        }
    }
    std::stable_sort(close.begin(), close.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> closest;
    for (const auto& [distance, written] : close) {
        if (closest.size() == 4) {
            break;
        }
        if (std::find(closest.begin(), closest.end(), written) == closest.end()) {
            closest.emplace_back(written);
        }
    }
    return closest;
}

int UnitNamed(std::string_view caption, std::string_view text)
{
    const int tab = TabOfCaption(caption);
    const std::string_view trimmed = Trimmed(text);
    if (tab < 0 || trimmed.empty()) {
        return -1;
    }
    // The tab's own units among those the name names in any tab.
    const names::Index& index = Index();
    return WithFolded(trimmed, [&](std::string_view key) {
        const names::Slot& slot = SlotOf(index, key);
        int found = -1;
        if (slot.key.size == 0) {
            return found;
        }
        for (const UnitName& unit : UnitsOf(index, slot, trimmed)) {
            if (unit.tab != tab) {
                continue;
            }
            if (found >= 0 && found != unit.unit) {
                return -1;  // never a guess between two units
            }
            found = unit.unit;
        }
        return found;
    });
}

names::Index names::BuiltIndex()
{
    static const Packed built = Pack(BuildIndex());
    return {built.text, built.slots, built.byKey, built.units};
}

std::vector<std::string> UnitNames(std::string_view caption, int unit)
{
    const int tab = TabOfCaption(caption);
    if (tab < 0 || unit < 0) {
        return {};
    }
    const auto& written = WrittenNames(static_cast<std::size_t>(tab));
    if (static_cast<std::size_t>(unit) >= written.size()) {
        return {};
    }
    return written[static_cast<std::size_t>(unit)];
}

}  // namespace convert
