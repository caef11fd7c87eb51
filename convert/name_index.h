// The look-up table of every unit name of every tab, as the build writes it into the
// program: what convert::UnitNameStart, UnitsNamed, UnitNamed and ClosestUnitNames
// read. Inside the core only, and for the tool that writes it.
//
// It holds no pointers, only places in one text, so that the program carries it as
// read-only data that the loader need not relocate and that stays on disk until read.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "convert/unit_names.h"

namespace convert::names {

// A string of Index::text.
struct Text {
    std::uint32_t at = 0;
    std::uint32_t size = 0;
};

// One name of a unit.
struct Name {
    Text key;      // folded
    Text written;  // as people write it
    bool exact;    // found only as written
    UnitName unit;
};

// A slot of the open-addressed table of folded keys. A key may be only the first word of
// longer names ("sq" of "sq ft"): then it names no unit itself.
struct Slot {
    Text key;                   // empty: a free slot
    std::uint32_t first = 0;    // where the key's names begin in Index::byKey
    std::uint32_t count = 0;    // how many there are
    std::uint32_t longest = 0;  // words of the longest name that begins with this key
    bool exact = false;         // the key's names are found only as written
};

// The table: a power of two of slots, at most half in use; each slot's names from its
// `first`, `count` of them, in byKey, and their units at the same places in units.
struct Index {
    std::string_view text;
    std::span<const Slot> slots;
    std::span<const Name> byKey;
    std::span<const UnitName> units;

    std::string_view operator()(Text string) const { return text.substr(string.at, string.size); }
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
