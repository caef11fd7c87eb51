// Any text through the formula reader: no crash and no undefined behaviour; a reading
// gives each element once with a count in range, and written back and read again it
// gives the same counts; a refusal names a place inside the text and gives nothing else.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "chem/elements.h"
#include "chem/formula.h"
#include "chem/molecular_weight.h"
#include "fuzz/check.h"

namespace {

using fuzz::Check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const chemistry::FormulaReading reading = chemistry::ReadFormula(text);

    if (!reading.refusal.empty()) {
        Check(reading.elements.empty());
        Check(size == 0 ? reading.position == 0 : reading.position < size);
        Check(reading.refusal.starts_with("character "));
        return 0;
    }
    Check(!reading.elements.empty());
    for (std::size_t i = 0; i < reading.elements.size(); ++i) {
        const chemistry::ElementCount& element = reading.elements[i];
        Check(chemistry::FindElement(element.row) != nullptr);
        Check(element.count >= 1 && element.count <= chemistry::kLargestCount);
        for (std::size_t j = 0; j < i; ++j) {
            Check(reading.elements[j].row != element.row);
        }
    }
    const chemistry::FormulaReading again =
        chemistry::ReadFormula(chemistry::CanonicalFormula(reading.elements));
    Check(again.refusal.empty() && again.elements == reading.elements);

    Check(chemistry::FormulaWeightText(reading.elements).ends_with("grams/moles"));
    double percent = 0.0;
    for (const chemistry::ElementShare& share : chemistry::PercentComposition(reading.elements)) {
        Check(share.percent > 0.0 && share.percent <= 100.0);
        percent += share.percent;
    }
    Check(std::abs(percent - 100.0) < 1e-9);
    return 0;
}
