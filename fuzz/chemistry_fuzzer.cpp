// Random list choices, counts and weights through the chemistry pages' arithmetic: no
// crash, no undefined behaviour, and a failure always comes with its message and no
// half-written result.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "chem/composition.h"
#include "chem/molecular_weight.h"
#include "chem/periodic_text.h"
#include "fuzz/check.h"
#include "numbers/number_text.h"

namespace {

using fuzz::Check;

double AnyFinite(FuzzedDataProvider& input)
{
    const double value = input.ConsumeFloatingPoint<double>();
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);

    const chemistry::PeriodicFields fields =
        chemistry::PeriodicFieldsFor(input.ConsumeIntegralInRange<int>(-3, 112));
    Check(fields.name.empty() == (fields.atomicNumber == 0));

    std::array<chemistry::FormulaSlot, chemistry::kFormulaSlotCount> slots{};
    for (auto& slot : slots) {
        slot.element = input.ConsumeIntegralInRange<int>(-2, 110);
        slot.count = input.ConsumeIntegral<int>();
    }
    const auto formula = chemistry::MolecularWeightText(slots);
    Check(formula.result.empty() == formula.message.has_value());

    const int mode = input.ConsumeIntegralInRange<int>(-2, 3);
    const double given = AnyFinite(input);
    const double weight = AnyFinite(input);
    const auto amount = chemistry::ConvertAmount(mode, given, weight, 7.0);
    Check(std::isfinite(amount.result));
    Check(!amount.message || amount.result == 7.0);

    // The rows as typed show a result exactly where "=" would: every count a count, and
    // the formula's own text; an amount that reads back.
    std::array<std::string, chemistry::kFormulaSlotCount> counts;
    std::array<chemistry::TypedSlot, chemistry::kFormulaSlotCount> typed{};
    for (std::size_t slot = 0; slot < typed.size(); ++slot) {
        counts[slot] = input.ConsumeRandomLengthString(12);
        typed[slot] = {slots[slot].element, counts[slot]};
    }
    const std::string typedFormula = chemistry::TypedFormulaResult(typed);
    bool allCounts = true;
    for (std::size_t slot = 0; slot < typed.size(); ++slot) {
        const auto count = convert::ReadWholeNumber(counts[slot], chemistry::kSmallestCount,
                                                    chemistry::kLargestCount);
        allCounts = allCounts && count.value.has_value();
        slots[slot].count = count.value.value_or(0);
    }
    Check(typedFormula == (allCounts ? chemistry::MolecularWeightText(slots).result : ""));
    const std::string givenText = input.ConsumeRandomLengthString(24);
    const std::string weightText = input.ConsumeRandomLengthString(24);
    const std::string typedAmount = chemistry::TypedConversionResult(mode, givenText, weightText);
    Check(typedAmount.empty() || convert::ReadReal(typedAmount).value.has_value());

    chemistry::CompositionInput composition;
    composition.compoundWeight = AnyFinite(input);
    composition.unknownWeight = AnyFinite(input);
    for (auto& slot : composition.slots) {
        slot.item = input.ConsumeIntegralInRange<int>(-2, 111);
        slot.grams = AnyFinite(input);
    }
    const auto outcome = chemistry::ComputeComposition(composition);
    Check(!outcome.message ||
          (outcome.composition + outcome.simplestFormula + outcome.molecularFormula).empty());
    // Every count of a simplest formula is a whole number of at least 1.
    Check(outcome.simplestFormula.find_first_of("-.") == std::string::npos);
    return 0;
}
