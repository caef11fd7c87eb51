// Unit names as people type them: a unit of a category answers to its index, its list
// item and label, these without their parenthesised parts, its abbreviation, ASCII
// spellings of ², ³ and µ, and the aliases of one small table.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

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

}  // namespace convert
