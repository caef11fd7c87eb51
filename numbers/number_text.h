// Numbers as the user types and reads them: one reading rule for every numeric field
// and every printf-style form the product writes, all with "." as the decimal point
// whatever the process locale.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace convert {

enum class NumberRefusal {
    None,        // accepted
    Empty,       // nothing but blanks
    NotANumber,  // not a plain decimal number
    OutOfRange,  // beyond the range of the field's type
    TooSmall,    // a nonzero number closer to zero than the smallest double
    NotWhole,    // a fraction or exponent where a whole number is asked for
};

struct RealReading {
    std::optional<double> value;
    NumberRefusal refusal = NumberRefusal::None;  // why, when there is no value
};

struct WholeReading {
    std::optional<int> value;
    NumberRefusal refusal = NumberRefusal::None;
};

// Accepts an optional sign, digits with an optional point and fraction, and an
// optional exponent, with blanks around. A value below the normal doubles reads as the
// nearest subnormal; a nonzero value that would read as zero, and one too large for a
// double, are refused.
RealReading ReadReal(std::string_view text);

// Accepts an optional sign and digits, with blanks around, from smallest to largest
// (the 32-bit range unless a field narrows it).
WholeReading ReadWholeNumber(std::string_view text, int smallest = std::numeric_limits<int>::min(),
                             int largest = std::numeric_limits<int>::max());

// What the user is told when a field refuses its text; a whole-number field names the
// range it was read with.
std::string_view RealRefusalMessage(NumberRefusal refusal);
std::string WholeRefusalMessage(NumberRefusal refusal,
                                int smallest = std::numeric_limits<int>::min(),
                                int largest = std::numeric_limits<int>::max());

// printf "%e": six digits after the point, an exponent of at least two digits.
std::string FormatExponent(double value);
// printf "%0.Nf" for N = digits (0 writes no decimal point).
std::string FormatFixed(double value, int digits);
// printf "%.15g": a result as the command line writes it.
std::string FormatGeneral(double value);
// How a number is written back into its box: the fewest significant digits that read
// back as exactly the same double, laid out as "%g" lays out fifteen ("1e-320",
// "10000000", "0.1"), so a value survives any number of pushes and pulls unchanged.
std::string FormatRoundTrip(double value);

}  // namespace convert
