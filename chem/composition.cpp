#include "chem/composition.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
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
    double ratio = 0.0;
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

// Percentages, mole ratios and whole-number counts; false when any of them is not a
// finite number or a count does not fit an int.
bool ComputeCounts(double compoundWeight, std::vector<UsedSlot>& used)
{
    for (UsedSlot& slot : used) {
        slot.percent = slot.grams / compoundWeight * 100;
        slot.ratio = slot.percent / slot.element->atomicMass;
        if (!std::isfinite(slot.percent) || !std::isfinite(slot.ratio)) {
            return false;
        }
    }
    const double divisor =
        std::min_element(used.begin(), used.end(), [](const UsedSlot& a, const UsedSlot& b) {
            return a.ratio < b.ratio;
        })->ratio;
    for (UsedSlot& slot : used) {
        const double rounded = slot.ratio / divisor + 0.5;
        // NaN fails both comparisons; the bounds are the first values outside int that
        // truncation toward zero would not bring back inside.
        if (!(rounded > -2147483649.0 && rounded < 2147483648.0)) {
            return false;
        }
        slot.count = static_cast<int>(rounded);
    }
    return true;
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
// end. A count of 0 (possible only with negative weights) is written "0", so that no
// element stands bare as if it had one atom.
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
    if (!ComputeCounts(input.compoundWeight, *used)) {
        return {"", "", "", kWeightsOutOfRange};
    }
    CompositionOutcome outcome{CompositionText(*used), SimplestFormulaText(*used), "",
                               std::nullopt};
    if (input.unknownWeight != 0.0) {
        std::optional<std::string> molecular = MolecularFormulaText(input.unknownWeight, *used);
        if (molecular) {
            outcome.molecularFormula = std::move(*molecular);
        } else {
            outcome.message = kWeightsOutOfRange;
        }
    }
    return outcome;
}

}  // namespace chemistry
