#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

// clang-format off
constexpr std::string_view kComputerStorageLabels[]{
    "Gigabit",
    "Megabit",
    "Kilobit",
    "Bit",
    "Gigabyte (GB)",
    "Megabyte (MB)",
    "kilobyte (KB)",
    "Byte (octet)",
};

// The unit list keeps its own spelling where it differs from the label.
constexpr std::string_view kComputerStorageListItems[]{
    "Gigabit",
    "Megabit",
    "Kilobit",
    "Bit",
    "Gigabyte (GB)",
    "Megabyte (MB)",
    "Kilobyte (KB)",
    "Byte (octet)",
};

// One of each unit in bits. Storage here is binary, as memory is sold: a kilo is 1024,
// a mega 1024², a giga 1024³ (the IEC's kibi, mebi and gibi), and a byte is 8 bits.
constexpr double kComputerStorageSizes[]{
    1024.0 * 1024 * 1024,      // Gigabit: 1024³ bits
    1024.0 * 1024,             // Megabit: 1024² bits
    1024.0,                    // Kilobit: 1024 bits
    1,                         // Bit
    8 * 1024.0 * 1024 * 1024,  // Gigabyte: 1024³ bytes
    8 * 1024.0 * 1024,         // Megabyte: 1024² bytes
    8 * 1024.0,                // kilobyte: 1024 bytes
    8,                         // Byte: an octet of 8 bits
};
// clang-format on

static_assert(std::size(kComputerStorageSizes) == std::size(kComputerStorageLabels));
static_assert(std::size(kComputerStorageListItems) == std::size(kComputerStorageLabels));

}  // namespace

const Category kComputerStorage{"Computer Storage", kComputerStorageLabels,
                                kComputerStorageListItems, ValueKind::Real, kComputerStorageSizes};

}  // namespace convert
