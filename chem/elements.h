// The element table shared by the chemistry pages, the subshell filling order and the
// group each atomic number belongs to.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace chemistry {

struct Element {
    std::string_view symbol;             // as the element lists show it
    std::string_view name;               // shown verbatim, "Hassium " with its blank
    int atomicNumber;                    // Z, 1 to 109
    double atomicMass;                   // relative atomic mass
    std::string_view electronegativity;  // shown verbatim, "None" where unknown
    std::string_view oxidation;          // comma-separated, no blanks, or "None"
    char block;                          // 's', 'p', 'd' or 'f'
};

inline constexpr int kElementCount = 109;

// Every row in list order, alphabetical by symbol, so a list index is a row.
std::span<const Element, kElementCount> ElementTable();

// The row at a list index, or nullptr for an index outside 0 .. 108 (-1, nothing
// chosen, in particular); callers never index the table themselves.
const Element* FindElement(int row);

// The row whose symbol is exactly `symbol` (case-sensitive: "Tl" is not "TI").
std::optional<int> FindSymbol(std::string_view symbol);

// The 109 symbols in row order: the items of every element list.
std::vector<std::string_view> ElementSymbols();

struct Subshell {
    std::string_view label;
    int capacity;
};

// The subshells in the order electrons fill them.
inline constexpr std::array<Subshell, 20> kSubshells{{
    {"1s", 2}, {"2s", 2}, {"2p", 6},  {"3s", 2},  {"3p", 6}, {"4s", 2},  {"3d", 10},
    {"4p", 6}, {"5s", 2}, {"4d", 10}, {"5p", 6},  {"6s", 2}, {"4f", 14}, {"5d", 10},
    {"6p", 6}, {"7s", 2}, {"5f", 14}, {"6d", 10}, {"7p", 6}, {"8s", 2},
}};

inline constexpr std::string_view kAlkaliMetal = "Alkali Metal";
inline constexpr std::string_view kAlkalineEarthMetal = "Alkaline Earth Metal";
inline constexpr std::string_view kHalogens = "Halogens";
inline constexpr std::string_view kNobleGas = "Non Metal-Noble Gas";
inline constexpr std::string_view kLanthanides = "Lanthanides";
inline constexpr std::string_view kActinides = "Actinides";
inline constexpr std::string_view kTransitionMetal = "Transition Metal";
inline constexpr std::string_view kMetal = "Metal";
// Hydrogen and the non-metals and metalloids outside the halogens and noble gases.
inline constexpr std::string_view kNonMetal = "Non Metal";

// The group text of atomic number z; empty for a z outside 1 .. 109.
std::string_view GroupText(int z);

}  // namespace chemistry
