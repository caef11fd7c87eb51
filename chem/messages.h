// The message boxes of the chemistry pages: each is shown with an exclamation icon and
// one OK button.
#pragma once

#include <string_view>

#include "convert/messages.h"

namespace chemistry {

struct Message {
    std::string_view text;
    std::string_view caption;
};

// The same message as on the converter pages.
inline constexpr Message kIncomplete{convert::kIncompleteText, convert::kIncompleteCaption};
inline constexpr Message kDivideByZero{"Can not divide by zero", "Divide by zero"};
// An atom count whose decimal text would not fit the formula's count field: the words
// the count field itself refuses it with, so the window and the command line agree.
inline constexpr Message kCountOutOfRange{
    "Please enter a whole number between -999999 and 9999999.", "Out of range"};
// A grams/moles result too large for a double: it could not be shown or read back.
inline constexpr Message kResultOutOfRange{
    "The result is too large to show; please enter smaller numbers", "Out of range"};
// Weights that make a percentage, a mole ratio or a count too large (or undefined)
// to compute.
inline constexpr Message kWeightsOutOfRange{
    "The weights are too large or too small to compute a formula", "Out of range"};

// Input no compound can have. Each is an "Out of range" refusal like those above: a
// number outside what the page can accept, with one sentence that says which.
inline constexpr Message kCountBelowOne{"Every atom count must be at least 1", "Out of range"};
inline constexpr Message kNegativeWeight{"A weight can not be negative", "Out of range"};
// The grams of the elements add up to more than the sample's weight, by more than the
// rounding of the typed numbers can explain.
inline constexpr Message kElementsOutweighCompound{"The elements weigh more than the compound",
                                                   "Out of range"};
// No small whole multiple of the mole ratios comes near enough to whole numbers.
inline constexpr Message kNoWholeNumberFormula{
    "These weights fit no simplest formula in whole numbers", "Out of range"};

}  // namespace chemistry
