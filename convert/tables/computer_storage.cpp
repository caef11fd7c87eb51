#include "convert/categories.h"

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

// Powers of 1024 and 8 bits to the byte; factors above 1000 carry five significant digits
// (Gigabit to Kilobit is 1048600), as the product has always shown them.
constexpr double kComputerStorageFactors[]{
    // Gigabit     Megabit     Kilobit     Bit         GB          MB          KB          Byte
    1,             1024,       1048600,    1073700000, 0.125,      128,        131070,     134220000,   // Gigabit
    0.00097656,    1,          1024,       1048600,    0.00012207, 0.125,      128,        131070,      // Megabit
    9.5367e-07,    0.00097656, 1,          1024,       1.1921e-07, 0.00012207, 0.125,      128,         // Kilobit
    9.3132e-10,    9.5367e-07, 0.00097656, 1,          1.1642e-10, 1.1921e-07, 0.00012207, 0.125,       // Bit
    8,             8192,       8388600,    8589900000, 1,          1024,       1048600,    1073700000,  // Gigabyte (GB)
    0.0078125,     8,          8192,       8388600,    0.00097656, 1,          1024,       1048600,     // Megabyte (MB)
    7.6294e-06,    0.0078125,  8,          8192,       9.5367e-07, 0.00097656, 1,          1024,        // kilobyte (KB)
    7.4506e-09,    7.6294e-06, 0.0078125,  8,          9.3132e-10, 9.5367e-07, 0.00097656, 1,           // Byte (octet)
};
// clang-format on

static_assert(std::size(kComputerStorageFactors) ==
              std::size(kComputerStorageLabels) * std::size(kComputerStorageLabels));
static_assert(std::size(kComputerStorageListItems) == std::size(kComputerStorageLabels));

}  // namespace

const Category kComputerStorage{"Computer Storage", kComputerStorageLabels,
                                kComputerStorageListItems, ValueKind::Real,
                                SquareTable{kComputerStorageFactors}};

}  // namespace convert
