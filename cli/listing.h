// velkari-cli --list and --names: the categories, a category's units, and every name
// a unit answers to (for the shells' completion).
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace cli {

// The categories in tab order, or with one category its units and their indices.
void WriteList(std::span<const std::string_view> words, std::ostream& out);

// Every name UNIT takes in the category, or with "element" the element symbols.
void WriteNames(std::span<const std::string_view> words, std::ostream& out);

}  // namespace cli
