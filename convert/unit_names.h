// Unit names as people type them: a unit of a category answers to its index, its list
// item and label, these without their parenthesised parts, its abbreviation, ASCII
// spellings of ², ³ and µ, and the aliases of one small table.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert/converter.h"

namespace convert {

// Another name for the unit of `category` whose label is `label`.
struct UnitAlias {
    std::string_view category;
    std::string_view alias;
    std::string_view label;
};

// The aliases velkari-cli accepts, for every category.
std::span<const UnitAlias> UnitAliases();

// A category's unit texts, in unit order.
struct UnitTexts {
    std::string_view caption;
    std::span<const std::string_view> labels;
    std::span<const std::string_view> listItems;
};

// Case folded, blanks trimmed and collapsed, ², ³ and ^2, ^3 written 2 and 3, µ as u.
std::string FoldName(std::string_view name);

// FoldName into `out`, which holds at least name.size() characters (folding never
// lengthens a name); returns the folded length.
std::size_t FoldInto(std::string_view name, char* out);

// Every folded name the unit answers to besides its exact label and list item.
std::vector<std::string> NamesOfUnit(const UnitTexts& units, std::span<const UnitAlias> aliases,
                                     std::size_t unit);

// The units whose label or list item is `text` (case and blanks around ignored), else the
// units one of whose other names it is: none, one, or several when it is ambiguous.
std::vector<std::size_t> MatchUnit(const UnitTexts& units, std::span<const UnitAlias> aliases,
                                   std::string_view text);

// The folded names that more than one unit of the category answers to.
std::vector<std::string> AmbiguousNames(const UnitTexts& units, std::span<const UnitAlias> aliases);

// A unit of one of the window's converter tabs (Temperature included), by its tab
// caption and its index in that tab's unit list.
struct UnitRef {
    std::string_view caption;  // "Length", "Temperature", ...
    int unit;
};

// The unit of the tab with that caption that `text` names (any name the grammar knows:
// list item, label, abbreviation, symbol, plural, alias), or -1. Used by the window's
// unit lists and by velkari-cli's UNIT and --to.
int UnitNamed(std::string_view caption, std::string_view text);

// Every name a unit answers to, as people type them (not folded), for completion.
std::vector<std::string> UnitNames(std::string_view caption, int unit);

// The names one unit answers to besides its label and list item: `words` take a
// plural, `symbols` are taken as written in any case, `exact` only in their own case.
// Each list separates its names with ";".
struct UnitNameRow {
    std::string_view caption;
    std::string_view label;
    std::string_view words;
    std::string_view symbols;
    std::string_view exact;
};

std::span<const UnitNameRow> UnitNameRows();

// Units the converter does not have: their names ("knot; knots; kn"), and the names of
// the units nearest to them that it has ("km/h; mph"), each list separated by ";".
struct MissingUnit {
    std::string_view names;
    std::string_view nearest;
};

std::span<const MissingUnit> MissingUnits();

// Every name of a unit the converter does not have ("knot", "atm", "year", "ms").
std::span<const std::string_view> UnitsNotHere();

// The names of the units nearest to the unit named `text` that the converter does not
// have ("km/h", "mph"); empty when it is no such name.
std::vector<std::string_view> NearestUnitsTo(std::string_view text);

// For a name written in lower case whose case tells units apart ("mb"), the sentence
// that asks which was meant ("did you mean \"MB\" (megabyte) or \"Mb\" (megabit)?");
// else empty.
std::string_view CaseSlip(std::string_view text);

// Where a name lies in several tabs and the query's other units do not decide, the
// tab `preferred` is used over `other`; `example` names a unit that asks for `other`.
struct ClashRule {
    std::string_view preferred;
    std::string_view other;
    std::string_view example;
};

std::span<const ClashRule> ClashRules();

// One of the window's converter tabs: the factor-table categories in tab order, then
// Temperature (whose category is nullptr).
struct ConverterTab {
    std::string_view caption;
    const Category* category;
    UnitTexts texts;
};

std::span<const ConverterTab> ConverterTabs();

// A unit that a name names.
struct UnitName {
    int tab;  // an index into ConverterTabs()
    int unit;
};

// Every unit, of any tab, that `text` names; empty when it names none.
std::span<const UnitName> UnitsNamed(std::string_view text);

// A word read as the start of a unit name: the units it names alone (as UnitsNamed
// gives them), and how many words the longest name that begins with it has (0 when no
// name does), so that a reader tries "fl oz" after "fl" and nothing after "ft".
struct NameStart {
    std::span<const UnitName> units;
    std::size_t longest = 0;
};

NameStart UnitNameStart(std::string_view word);

// True when `text` names a unit the converter does not have.
bool IsUnitNotHere(std::string_view text);

// The names closest to `text` by edit distance, as people write them (at most four),
// when one is close enough to be a likely typing slip; else none.
std::vector<std::string> ClosestUnitNames(std::string_view text);

// The plural of a unit's word name: "feet", "cups", "miles per hour", "inches".
std::string PluralOf(std::string_view name);

}  // namespace convert
