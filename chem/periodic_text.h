// What the periodic-table page shows for the element chosen in its list: every field's
// value, the electron distribution and the group text included.
#pragma once

#include <string>

namespace chemistry {

// The page's fields, named after the members they fill.
struct PeriodicFields {
    double atomicMass = 0.0;
    std::string distribution;
    std::string group;
    std::string name;
    std::string block;
    int atomicNumber = 0;
    std::string oxidation;
    std::string electronegativity;
};

// The subshells that filling z electrons reaches, each followed by " // ", e.g.
// "1s // 2s // 2p // 3s // " for sodium; empty for z <= 0.
std::string ElectronDistribution(int z);

// The fields for the element at list index `selection`. Any index outside the table
// (-1 when the list's text selects nothing) gives the cleared fields, as on a fresh
// page: empty texts and 0 for the two numbers.
PeriodicFields PeriodicFieldsFor(int selection);

}  // namespace chemistry
