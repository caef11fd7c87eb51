#include "convert/categories.h"

namespace convert {
namespace {

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

}  // namespace

const Category kComputerStorage{"Computer Storage", kComputerStorageLabels, kComputerStorageListItems, ValueKind::Real, SquareTable{}};

}  // namespace convert
