#include "chem/periodic_text.h"

#include "chem/elements.h"
#include "numbers/number_text.h"

namespace chemistry {

std::string ElectronDistribution(int z)
{
    std::string text;
    int remaining = z;
    for (const Subshell& subshell : kSubshells) {
        if (remaining <= 0) {
            break;
        }
        remaining -= subshell.capacity;
        text += subshell.label;
        text += " // ";
    }
    return text;
}

PeriodicFields PeriodicFieldsFor(int selection)
{
    const Element* element = FindElement(selection);
    if (element == nullptr) {
        return {};
    }
    PeriodicFields fields;
    fields.atomicMass = element->atomicMass;
    fields.distribution = ElectronDistribution(element->atomicNumber);
    fields.group = GroupText(element->atomicNumber);
    fields.name = element->name;
    fields.block = std::string(1, element->block);
    fields.atomicNumber = element->atomicNumber;
    fields.oxidation = element->oxidation;
    fields.electronegativity = element->electronegativity;
    return fields;
}

std::vector<PeriodicLine> PeriodicLinesFor(int selection)
{
    const PeriodicFields fields = PeriodicFieldsFor(selection);
    return {
        {kNameLabel, fields.name},
        {kGroupLabel, fields.group},
        {kBlockLabel, fields.block},
        {kAtomicMassLabel, convert::FormatGeneral(fields.atomicMass)},
        {kAtomicNumberLabel, std::to_string(fields.atomicNumber)},
        {kElectronegativityLabel, fields.electronegativity},
        {kOxidationLabel, fields.oxidation},
        {kDistributionLabel, fields.distribution},
    };
}

}  // namespace chemistry
