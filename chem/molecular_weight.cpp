#include "chem/molecular_weight.h"

#include <cmath>
#include <utility>
#include <vector>

#include "chem/count_text.h"
#include "chem/elements.h"
#include "numbers/number_text.h"

namespace chemistry {
namespace {

constexpr std::string_view kGramsPerMole = "    grams/moles";

}  // namespace

FormulaOutcome MolecularWeightText(std::span<const FormulaSlot> slots)
{
    if (slots.empty() || FindElement(slots.front().element) == nullptr) {
        return {"", kIncomplete};
    }
    std::string formula;
    double weight = 0.0;
    for (const FormulaSlot& slot : slots) {
        const Element* element = FindElement(slot.element);
        if (element == nullptr) {
            break;
        }
        if (slot.count < 1) {
            return {"", kCountBelowOne};
        }
        if (slot.count > kLargestCount) {
            return {"", kCountOutOfRange};
        }
        weight += static_cast<double>(slot.count) * element->atomicMass;
        formula += element->symbol;
        formula += CountText(slot.count);
    }
    formula += " = ";
    formula += convert::FormatFixed(weight, 3);
    formula += kGramsPerMole;
    return {formula, std::nullopt, weight};
}

ConversionRow ChooseDirection(int mode, ConversionRow row)
{
    struct DirectionTexts {
        std::string_view explanation;
        std::string_view resultLabel;
        std::string_view operatorSign;
    };
    static constexpr DirectionTexts kGramsToMolesTexts{
        "moles =    [ # given grams ]   /    [ molecular weight ]", "moles =", "/"};
    static constexpr DirectionTexts kMolesToGramsTexts{
        "grams =    [ # given moles ]   *    [ molecular weight ]", "grams =", "*"};

    row.given = 0.0;
    row.molecularWeight = 0.0;
    row.result = 0.0;
    if (mode == kGramsToMoles || mode == kMolesToGrams) {
        const DirectionTexts& texts =
            mode == kGramsToMoles ? kGramsToMolesTexts : kMolesToGramsTexts;
        // Built afresh rather than assigned from a literal, which GCC 12 at -O2 wrongly
        // warns may overlap itself.
        row.explanation = std::string(texts.explanation);
        row.resultLabel = std::string(texts.resultLabel);
        row.operatorSign = std::string(texts.operatorSign);
    }
    return row;
}

ConversionOutcome ConvertAmount(int mode, double given, double molecularWeight,
                                double previousResult)
{
    double result = 0.0;
    if (mode == kMolesToGrams) {
        result = given * molecularWeight;
    } else if (mode == kGramsToMoles) {
        if (molecularWeight == 0.0) {
            return {previousResult, kDivideByZero};
        }
        result = given / molecularWeight;
    } else {
        return {previousResult, kIncomplete};
    }
    // An infinite result would be written into its box as text the page then refuses
    // to read back, blocking every later press and the leaving of the tab.
    if (!std::isfinite(result)) {
        return {previousResult, kResultOutOfRange};
    }
    return {result, std::nullopt};
}

ConversionOutcome ConvertRow(int mode, double given, double molecularWeight)
{
    if (mode == kMolesToGrams && molecularWeight == 0.0) {
        return {0.0, kIncomplete};
    }
    return ConvertAmount(mode, given, molecularWeight, 0.0);
}

std::string TypedFormulaResult(std::span<const TypedSlot> slots)
{
    // "=" reads every count box, used or not, and refuses the first that is no count.
    std::vector<FormulaSlot> formula;
    for (const TypedSlot& slot : slots) {
        const convert::WholeReading count =
            convert::ReadWholeNumber(slot.count, kSmallestCount, kLargestCount);
        if (!count.value) {
            return {};
        }
        formula.push_back({slot.element, *count.value});
    }
    FormulaOutcome outcome = MolecularWeightText(formula);
    return outcome.message ? std::string() : std::move(outcome.result);
}

std::string TypedConversionResult(int mode, std::string_view given,
                                  std::string_view molecularWeight)
{
    const convert::RealReading amount = convert::ReadReal(given);
    const convert::RealReading weight = convert::ReadReal(molecularWeight);
    if (!amount.value || !weight.value) {
        return {};
    }
    const ConversionOutcome outcome = ConvertRow(mode, *amount.value, *weight.value);
    return outcome.message ? std::string() : convert::FormatGeneral(outcome.result);
}

}  // namespace chemistry
