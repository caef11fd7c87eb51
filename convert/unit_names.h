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

}  // namespace convert
