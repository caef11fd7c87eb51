#include "chem/composition.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

#include "chem/count_text.h"
#include "chem/elements.h"
#include "numbers/number_text.h"

namespace chemistry {
namespace {

struct UsedSlot {
    const Element* element;
    double grams;
    double percent = 0.0;
    double ratio = 0.0;  // moles per 100 g of compound; then over the smallest of them
    int count = 0;
};

const Element* ElementOfItem(int item)
{
    return item <= kEmptyItem ? nullptr : FindElement(item - 1);
}

// The slots in use, or none when the required input is missing or slot 3 is half
// filled: an element with 0 grams would make the smallest ratio 0, grams without an
// element have no atomic mass.
std::optional<std::vector<UsedSlot>> UsedSlots(const CompositionInput& input)
{
    std::vector<UsedSlot> used;
    if (input.compoundWeight == 0.0) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < input.slots.size(); ++i) {
        const ElementWeight& slot = input.slots[i];
        const Element* element = ElementOfItem(slot.item);
        const bool required = i < 2;
        if (element == nullptr && slot.grams == 0.0 && !required) {
            continue;
        }
        if (element == nullptr || slot.grams == 0.0) {
            return std::nullopt;
        }
        used.push_back({element, slot.grams});
    }
    return used;
}

// The simplest formula's counts are the mole ratios over the smallest one, multiplied
// by the first of 1 .. kLargestMultiplier that brings every count within
// kWholeNumberTolerance of a whole number. A tolerance of 0.1 takes in the rounding of
// percentages typed with one or two decimals (propane's 81.7 % carbon and 18.3 %
// hydrogen give 2.67 hydrogen per carbon, and 8.01 for three), while a count off by a
// quarter or a half is multiplied on rather than rounded (Fe 1, O 1.5 is Fe2 O3). The
// limit of 10 reaches nonane's C9H20; much beyond it nearly any ratio would come near
// some whole multiple, and the formula would be made up.
constexpr int kLargestMultiplier = 10;
constexpr double kWholeNumberTolerance = 0.1;
// Above this a ratio times the largest multiplier would not fit an int.
constexpr double kLargestRelativeRatio =
    static_cast<double>(std::numeric_limits<int>::max()) / kLargestMultiplier;

// The reason no formula can be computed from these weights, if any: a weight below 0,
// or elements that together weigh more than the compound beyond the rounding of typed
// numbers (kWeighingTolerance of the compound's weight).
std::optional<Message> ImpossibleWeights(const CompositionInput& input,
                                         const std::vector<UsedSlot>& used)
{
    constexpr double kWeighingTolerance = 0.01;
    double total = 0.0;
    for (const UsedSlot& slot : used) {
        if (slot.grams < 0.0) {
            return kNegativeWeight;
        }
        total += slot.grams;
    }
    if (input.compoundWeight < 0.0 || input.unknownWeight < 0.0) {
        return kNegativeWeight;
    }
    if (total > input.compoundWeight * (1 + kWeighingTolerance)) {
        return kElementsOutweighCompound;
    }
    return std::nullopt;
}

// Percentages, mole ratios and the simplest formula's whole-number counts, or the
// message that says why there are none: a percentage or ratio that is no finite number
// or a count too large for an int (kWeightsOutOfRange), or ratios that no multiple up
// to the limit brings near whole numbers (kNoWholeNumberFormula).
std::optional<Message> ComputeCounts(double compoundWeight, std::vector<UsedSlot>& used)
{
    for (UsedSlot& slot : used) {
        slot.percent = slot.grams / compoundWeight * 100;
        slot.ratio = slot.percent / slot.element->atomicMass;
        if (!std::isfinite(slot.percent) || !std::isfinite(slot.ratio)) {
            return kWeightsOutOfRange;
        }
    }
    const double divisor =
        std::min_element(used.begin(), used.end(), [](const UsedSlot& a, const UsedSlot& b) {
            return a.ratio < b.ratio;
        })->ratio;
    for (UsedSlot& slot : used) {
        slot.ratio /= divisor;
        // NaN fails the comparison too (a ratio of 0 over a divisor of 0).
        if (!(slot.ratio <= kLargestRelativeRatio)) {
            return kWeightsOutOfRange;
        }
    }
    for (int multiplier = 1; multiplier <= kLargestMultiplier; ++multiplier) {
        const auto nearWhole = [multiplier](const UsedSlot& slot) {
            const double count = slot.ratio * multiplier;
            return std::abs(count - std::round(count)) <= kWholeNumberTolerance;
        };
        if (std::all_of(used.begin(), used.end(), nearWhole)) {
            for (UsedSlot& slot : used) {
                slot.count = static_cast<int>(std::round(slot.ratio * multiplier));
            }
            return std::nullopt;
        }
    }
    return kNoWholeNumberFormula;
}

std::string CompositionText(const std::vector<UsedSlot>& used)
{
    std::string text;
    for (std::size_t i = 0; i < used.size(); ++i) {
        if (i > 0) {
            text += ",  ";
        }
        text += used[i].element->symbol;
        text += "= ";
        text += convert::FormatFixed(used[i].percent, 3);
        text += "%";
    }
    return text;
}

// Every count but the third is followed by a blank, so two elements leave one at the
// end.
std::string SimplestFormulaText(const std::vector<UsedSlot>& used)
{
    std::string text;
    for (std::size_t i = 0; i < used.size(); ++i) {
        text += used[i].element->symbol;
        text += CountText(used[i].count);
        if (i < 2) {
            text += " ";
        }
    }
    return text;
}

// Each of the first two numbers is followed by a blank before the ", ".
std::optional<std::string> MolecularFormulaText(double unknownWeight,
                                                const std::vector<UsedSlot>& used)
{
    double formulaWeight = 0.0;
    for (const UsedSlot& slot : used) {
        formulaWeight += static_cast<double>(slot.count) * slot.element->atomicMass;
    }
    const double multiplier = unknownWeight / formulaWeight;
    std::string text;
    for (std::size_t i = 0; i < used.size(); ++i) {
        const double molecularCount = static_cast<double>(used[i].count) * multiplier;
        if (!std::isfinite(molecularCount)) {
            return std::nullopt;
        }
        if (i > 0) {
            text += ",  ";
        }
        text += used[i].element->symbol;
        text += convert::FormatFixed(molecularCount, 2);
        if (i < 2) {
            text += " ";
        }
    }
    return text;
}

}  // namespace

std::vector<std::string_view> CompositionListItems()
{
    std::vector<std::string_view> items{""};
    for (const Element& element : ElementTable()) {
        items.push_back(element.symbol);
    }
    return items;
}

CompositionOutcome ComputeComposition(const CompositionInput& input)
{
    std::optional<std::vector<UsedSlot>> used = UsedSlots(input);
    if (!used) {
        return {"", "", "", kIncomplete};
    }
    if (const std::optional<Message> refusal = ImpossibleWeights(input, *used)) {
        return {"", "", "", refusal};
    }
    if (const std::optional<Message> refusal = ComputeCounts(input.compoundWeight, *used)) {
        return {"", "", "", refusal};
    }
    CompositionOutcome outcome{CompositionText(*used), SimplestFormulaText(*used), "",
                               std::nullopt};
    if (input.unknownWeight != 0.0) {
        std::optional<std::string> molecular = MolecularFormulaText(input.unknownWeight, *used);
        if (!molecular) {
            return {"", "", "", kWeightsOutOfRange};
        }
        outcome.molecularFormula = std::move(*molecular);
    }
    return outcome;
}

}  // namespace chemistry
