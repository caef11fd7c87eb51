// What the periodic-table page shows for the element chosen in its list: every field's
// value, the electron distribution and the group text included.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// The labels beside the page's fields.
inline constexpr std::string_view kNameLabel = "Name";
inline constexpr std::string_view kGroupLabel = "Group";
inline constexpr std::string_view kBlockLabel = "Block";
inline constexpr std::string_view kAtomicMassLabel = "Atomic Mass (Atomic Weight)";
inline constexpr std::string_view kAtomicNumberLabel = "Atomic Number";
inline constexpr std::string_view kElectronegativityLabel = "Electronegativity";
inline constexpr std::string_view kOxidationLabel = "Oxidation No.";
inline constexpr std::string_view kDistributionLabel = "Electronic Distribution";

// One field as the page shows it: its label and its text, numbers written as the
// field writes them (atomic mass "%.15g", atomic number in decimal).
struct PeriodicLine {
    std::string_view label;
    std::string text;
};

// The subshells that filling z electrons reaches, each followed by " // ", e.g.
// "1s // 2s // 2p // 3s // " for sodium; empty for z <= 0.
std::string ElectronDistribution(int z);

// The fields for the element at list index `selection`. Any index outside the table
// (-1 when the list's text selects nothing) gives the cleared fields, as on a fresh
// page: empty texts and 0 for the two numbers.
PeriodicFields PeriodicFieldsFor(int selection);

// The eight fields of the element at list index `selection`, top to bottom as the page
// shows them: name, group, block, atomic mass, atomic number, electronegativity,
// oxidation numbers, distribution.
std::vector<PeriodicLine> PeriodicLinesFor(int selection);

}  // namespace chemistry
