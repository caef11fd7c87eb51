// The molecular-weight and grams/moles page's arithmetic and texts: the weight of a
// formula of up to five element/count slots, and the conversion between grams and moles.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "chem/messages.h"

namespace chemistry {

inline constexpr int kFormulaSlotCount = 5;
inline constexpr int kNoElement = -1;    // an element list with nothing chosen
inline constexpr int kDefaultCount = 1;  // every count on a fresh page and after Reset
// The counts whose decimal text fits the formula's eight-character count field; the
// field refuses any other. Of these, counts below 1 are then refused with their own
// message (kCountBelowOne), which says what is wrong with them.
inline constexpr int kSmallestCount = -999999;
inline constexpr int kLargestCount = 9999999;

// One element list (a row of the element table, kNoElement for none) and its count.
struct FormulaSlot {
    int element = kNoElement;
    int count = kDefaultCount;
};

struct FormulaOutcome {
    std::string result;              // the formula result field, empty on failure
    std::optional<Message> message;  // the message box to show, if any
    double weight = 0.0;             // the molecular weight the result shows, grams/mole
};

// The "=" of the formula row. Slot 1 must be chosen (else kIncomplete); the formula
// runs from slot 1 up to the first slot with nothing chosen, later slots are ignored.
// Gives e.g. "H2S1O4 = 98.079    grams/moles". A count of a used slot below 1 gives
// kCountBelowOne, one above kLargestCount kCountOutOfRange.
FormulaOutcome MolecularWeightText(std::span<const FormulaSlot> slots);

// The direction list's items, in index order.
inline constexpr int kMolesToGrams = 0;
inline constexpr int kGramsToMoles = 1;
inline constexpr std::array<std::string_view, 2> kDirectionItems{"Moles to Grams",
                                                                 "Grams to Moles"};

// The conversion row's members.
struct ConversionRow {
    double given = 0.0;
    double molecularWeight = 0.0;
    double result = 0.0;
    std::string explanation;
    std::string resultLabel;
    std::string operatorSign;
};

// A change of the direction list: the three numbers become 0; a chosen direction sets
// the explanation, result label and operator sign, no direction (-1) leaves them.
ConversionRow ChooseDirection(int mode, ConversionRow row);

struct ConversionOutcome {
    double result;                   // the result field; the previous one on failure
    std::optional<Message> message;  // the message box to show, if any
};

// The "=" of the conversion row: moles x weight, or grams / weight. No direction gives
// kIncomplete, a weight of 0 when dividing kDivideByZero, a result too large for a
// double kResultOutOfRange; each of these keeps `previousResult`.
ConversionOutcome ConvertAmount(int mode, double given, double molecularWeight,
                                double previousResult);

// The "=" of the page's conversion row: ConvertAmount, where a weight of 0 is one nobody
// entered whichever way the conversion goes (kIncomplete when multiplying). On a message
// the result is 0 and is not to be shown.
ConversionOutcome ConvertRow(int mode, double given, double molecularWeight);

// What a row's result box shows while the person edits the row, from its fields as
// typed: the text its "=" writes there, or "" wherever "=" would refuse one of the
// row's fields or give a message instead, so that no result ever stands beside fields
// that do not give it. Nothing here is said to the person.
struct TypedSlot {
    int element = kNoElement;
    std::string_view count;  // the count box's text
};
std::string TypedFormulaResult(std::span<const TypedSlot> slots);
std::string TypedConversionResult(int mode, std::string_view given,
                                  std::string_view molecularWeight);

}  // namespace chemistry
