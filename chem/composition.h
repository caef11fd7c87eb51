// The percent-composition page's arithmetic and texts: the percent composition, the
// simplest formula and the molecular formula of a compound of two or three elements,
// from the grams of each element in a weighed sample.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chem/messages.h"

namespace chemistry {

// Each element list of the page starts with an empty item; item k (1 .. 109) is
// element-table row k - 1.
inline constexpr int kEmptyItem = 0;

// The items of each of the page's element lists: "" and then the 109 symbols.
std::vector<std::string_view> CompositionListItems();

// One element list and the grams typed beside it.
struct ElementWeight {
    int item = kEmptyItem;
    double grams = 0.0;
};

struct CompositionInput {
    double compoundWeight = 0.0;  // grams of the whole sample
    double unknownWeight = 0.0;   // molecular weight of the unknown compound; 0 for none
    std::array<ElementWeight, 3> slots{};
};

struct CompositionOutcome {
    std::string composition;         // e.g. "C= 40.000%,  H= 6.710%,  O= 53.290%"
    std::string simplestFormula;     // e.g. "C1 H2 O1", or "Fe2 O3 " for two elements
    std::string molecularFormula;    // e.g. "C6.00 ,  H12.00 ,  O6.00"; empty for no unknown
    std::optional<Message> message;  // the message box to show, if any
};

// Compute. Slots 1 and 2 need an element and non-zero grams, and the compound weight
// must not be 0; slot 3 is used when it has both, ignored when it has neither, and
// anything between gives kIncomplete as well. A negative weight gives kNegativeWeight,
// elements heavier than the compound by more than 1 % kElementsOutweighCompound. The
// simplest formula is the mole ratios cleared to whole numbers: over the smallest
// ratio, times the smallest of 1 .. 10 that brings every count within 0.1 of a whole
// number ("Fe2 O3 " for iron(III) oxide); ratios that no such multiple clears give
// kNoWholeNumberFormula. Weights that make a percentage, ratio or count non-finite or
// too large for a whole number give kWeightsOutOfRange. The molecular counts are the
// simplest counts times the unknown's weight over the formula's, not rounded. Every
// failure leaves all three texts empty.
CompositionOutcome ComputeComposition(const CompositionInput& input);

}  // namespace chemistry
