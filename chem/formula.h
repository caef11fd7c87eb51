// Chemical formulas as people write them ("H2SO4", "Ca(OH)2", "K4[Fe(CN)6]",
// "CuSO4·5H2O"): reading one into its elements and total counts, writing it back, and
// its molecular weight and percent composition.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chem/molecular_weight.h"

namespace chemistry {

// One element of a formula with its total count. `row` is its element-table row.
struct ElementCount {
    int row;
    int count;

    bool operator==(const ElementCount&) const = default;
};

struct FormulaReading {
    // Each element once, in order of first appearance; empty when refused.
    std::vector<ElementCount> elements;
    // Why the text was refused, empty when it was read. It names the character (from
    // 1) where reading stopped, e.g. "character 3: unknown element symbol "Xx"".
    std::string refusal;
    // The byte offset of that character in the text; 0 for an empty text.
    std::size_t position = 0;
};

// Element symbols as in the element table, case-sensitive ("Co" is cobalt, "CO" carbon
// and oxygen); a count after a symbol or a bracketed group; "()" and "[]" nested to any
// depth; hydrates joined by "·", "*" or "." with an optional count before each added
// part. Blanks around the formula are ignored. Every count and every total must lie in
// 1 .. kLargestCount (the molecular-weight page's largest count).
FormulaReading ReadFormula(std::string_view text);

// The elements written back as one formula, each symbol once with its count, a count
// of 1 left out ("H2SO4"). Reading it again gives the same elements and counts.
std::string CanonicalFormula(std::span<const ElementCount> elements);

// The molecular-weight page's result text for these elements and counts, as though
// each were chosen in a slot of its own in this order (more than the page's five
// slots extend the same text): "H2S1O4 = 98.079    grams/moles".
std::string FormulaWeightText(std::span<const ElementCount> elements);
// The same text with the weight as a number.
FormulaOutcome FormulaWeight(std::span<const ElementCount> elements);

// What one element contributes to a compound.
struct ElementShare {
    std::string_view symbol;
    double percent;       // of the compound's molecular weight
    double gramsPerMole;  // count x atomic mass
};

std::vector<ElementShare> PercentComposition(std::span<const ElementCount> elements);

// One line per element, "symbol<TAB>percent<TAB>grams per mole", then the totals on a
// line of their own; every line ends in "\n". Numbers are written with three decimals,
// as the composition page writes its percentages and the molecular-weight page its
// weights.
std::string PercentCompositionText(std::span<const ElementCount> elements);

}  // namespace chemistry
