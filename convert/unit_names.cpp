#include "convert/unit_names.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

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
        const auto spelling =
            std::find_if(kSpellings.begin(), kSpellings.end(),
                         [&](const auto& s) { return name.substr(at).starts_with(s.first); });
        if (spelling != kSpellings.end()) {
            folded += spelling->second;
            at += spelling->first.size();
            continue;
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

}  // namespace convert
