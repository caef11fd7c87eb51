// The look-up table of every unit name of every tab, as the build writes it into the
// program: what convert::UnitNameStart, UnitsNamed and ClosestUnitNames read. Inside
// the core only, and for the tool that writes it.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "convert/unit_names.h"

namespace convert::names {

// One name of a unit.
struct Gathered {
    std::string_view key;      // folded
    std::string_view written;  // as people write it
    bool exact;                // found only as written
    UnitName unit;
};

// A slot of the open-addressed table of folded keys. A key may be only the first word of
// longer names ("sq" of "sq ft"): then it names no unit itself.
struct Slot {
    std::string_view key;       // empty: a free slot
    std::uint32_t first = 0;    // where the key's names begin in Index::byKey
    std::uint32_t count = 0;    // how many there are
    std::uint32_t longest = 0;  // words of the longest name that begins with this key
    bool exact = false;         // the key's names are found only as written
};

// The table: a power of two of slots, at most half in use; each slot's names from its
// `first`, `count` of them, in byKey, and their units at the same places in units.
struct Index {
    std::span<const Slot> slots;
    std::span<const Gathered> byKey;
    std::span<const UnitName> units;
};

// The slot a key hashes to first.
std::uint32_t HashOf(std::string_view key);

// The table built from the unit tables, the aliases and the name table at the first
// call: what the build writes into the program.
Index BuiltIndex();

// The table as the build wrote it: constant data, so that the first look-up of a run
// builds nothing.
Index CompiledIndex();

}  // namespace convert::names
