#include <algorithm>
#include <array>
#include <cstddef>

#include "convert/categories.h"

namespace convert {
namespace {

// clang-format off
constexpr std::string_view kFrequencyLabels[]{
    "Cycle/second",
    "Degree/hour",
    "Degree/minute",
    "Degree/second",
    "Millihertz",
    "Hertz",
    "Kilohertz",
    "Megahertz",
    "Gigahertz",
    "Terrahertz",
    "Radian/hour",
    "Radian/minute",
    "Radian/second",
    "Revolution/hour",
    "Revolution/minute",
    "Revolution/second",
};

constexpr std::size_t kFrequencyUnits = 16;

// Marks a cell that holds 1 divided by its reverse entry; every real factor is positive.
constexpr double kReciprocal = -1;

// Many small entries are rounded to six decimal places (Degree/hour to Hertz is 1e-06 beside a
// Kilohertz cell of 1/1296000000). Radian/minute to Radian/hour (59.999999) and Radian/second to
// Radian/hour (3599.999987) are the table's own values, kept as the product has always shown them.
constexpr double kFrequencyEntries[]{
    // Each unit takes two lines: its factors to the first eight units, then to the last eight.
    // Cyc/s          Deg/h             Deg/min         Deg/s            mHz               Hz             kHz          MHz
    // GHz          THz          Rad/h           Rad/min             Rad/s              Rev/h             Rev/min         Rev/s
    // Cycle/second
       1,             1296000,          21600,          360,             1000,             1,             0.001,       1e-06,
       1e-09,       1e-12,       22619.467,      376.99112,          6.283185,          3600,             60,             1,
    // Degree/hour
       1e-06,         1,                0.016667,       0.000278,        0.000772,         1e-06,         kReciprocal, kReciprocal,
       kReciprocal, kReciprocal, 0.017453,       0.000291,           5e-06,             0.002778,         4.6e-05,        1e-06,
    // Degree/minute
       4.6e-05,       60,               1,              0.016667,        0.046296,         4.6e-05,       4.62963e-08, 4.62963e-11,
       4.62963e-14, 4.62963e-17, 1.047198,       0.017453,           0.000291,          0.166667,         0.002778,       4.6e-05,
    // Degree/second
       0.002778,      3600,             60,             1,               2.777778,         0.002778,      3e-06,       2.77778e-09,
       2.77778e-12, 2.77778e-15, 62.831853,      1.047198,           0.017453,          10,               0.166667,       0.002778,
    // Millihertz
       0.001,         1296,             21.6,           0.36,            1,                0.001,         1e-06,       1e-09,
       1e-12,       1e-15,       22.619467,      0.376991,           0.006283,          3.6,              0.06,           0.001,
    // Hertz
       1,             1296000,          21600,          360,             1000,             1,             0.001,       1e-06,
       1e-09,       1e-12,       22619.467,      376.99112,          6.283185,          3600,             60,             1,
    // Kilohertz
       1000,          1296000000,       21600000,       360000,          1000000,          1000,          1,           0.001,
       1e-06,       1e-09,       22619467,       376991.12,          6283.1853,         3600000,          60000,          1000,
    // Megahertz
       1000000,       1296000000000,    21600000000,    360000000,       1000000000,       1000000,       1000,        1,
       0.001,       1e-06,       22619467000,    376991120,          6283185.3,         3600000000,       60000000,       1000000,
    // Gigahertz
       1000000000,    1296000000000000, 21600000000000, 360000000000,    1000000000000,    1000000000,    1000000,     1000,
       1,           0.001,       22619467000000, 376991120000.00006, 6283185300.000002, 3600000000000,    60000000000,    1000000000,
    // Terrahertz
       1000000000000, 1.296e+18,        2.16e+16,       360000000000000, 1000000000000000, 1000000000000, 1000000000,  1000000,
       1000,        1,           2.2619467e+16,  376991120000000.06, 6283185300000.001, 3600000000000000, 60000000000000, 1000000000000,
    // Radian/hour
       4.4e-05,       57.29578,         0.95493,        0.015915,        0.04421,          4.4e-05,       4.42097e-08, 4.42097e-11,
       4.42097e-14, 4.42097e-17, 1,              0.016667,           0.000278,          0.159155,         0.002653,       4.4e-05,
    // Radian/minute
       0.002653,      3437.746756,      57.295779,      0.95493,         2.652582,         0.002653,      3e-06,       kReciprocal,
       kReciprocal, kReciprocal, 59.999999,      1,                  0.016667,          9.549297,         0.159155,       0.002653,
    // Radian/second
       0.159155,      206264.806483,    3437.746775,    57.29578,        159.154943,       0.159155,      0.000159,    1.59155e-07,
       1.59155e-10, 1.59155e-13, 3599.999987,    60,                 1,                 572.957796,       9.549297,       0.159155,
    // Revolution/hour
       0.000278,      360,              6,              0.1,             0.277778,         0.000278,      2.77778e-07, 2.77778e-10,
       2.77778e-13, 2.77778e-16, 6.283185,       0.10472,            0.001745,          1,                0.016667,       0.000278,
    // Revolution/minute
       0.016667,      21600,            360,            6,               16.666667,        0.016667,      1.7e-05,     1.66667e-08,
       1.66667e-11, 1.66667e-14, 376.991117,     6.283185,           0.10472,           60,               1,              0.016667,
    // Revolution/second
       1,             1296000,          21600,          360,             1000,             1,             0.001,       1e-06,
       1e-09,       1e-12,       22619.467,      376.99112,          6.283185,          3600,             60,             1,
};
// clang-format on

// The marked cells (Degree/hour to Kilohertz and up, Radian/minute to Megahertz and up) have
// always been 1 divided by the reverse entry; they are worked out from the table's own constants
// when the program is compiled, not typed as rounded decimals.
constexpr std::array<double, kFrequencyUnits * kFrequencyUnits> FillReciprocals()
{
    std::array<double, kFrequencyUnits * kFrequencyUnits> table{};
    std::copy(std::begin(kFrequencyEntries), std::end(kFrequencyEntries), table.begin());
    for (std::size_t row = 0; row < kFrequencyUnits; ++row) {
        for (std::size_t column = 0; column < kFrequencyUnits; ++column) {
            // cppcheck takes the array for one row long; the index stays below 16 x 16.
            // cppcheck-suppress containerOutOfBounds
            double& cell = table[row * kFrequencyUnits + column];
            if (cell == kReciprocal) {
                cell = 1 / table[column * kFrequencyUnits + row];
            }
        }
    }
    return table;
}

constexpr auto kFrequencyFactors = FillReciprocals();

static_assert(std::size(kFrequencyEntries) == kFrequencyFactors.size());
// A marked cell whose reverse was marked too would have come out negative.
static_assert(std::ranges::all_of(kFrequencyFactors, [](double factor) { return factor > 0; }));

static_assert(kFrequencyFactors.size() ==
              std::size(kFrequencyLabels) * std::size(kFrequencyLabels));

}  // namespace

const Category kFrequency{"Frequency", kFrequencyLabels, kFrequencyLabels, ValueKind::Real,
                          SquareTable{kFrequencyFactors}};

}  // namespace convert
