// Numbers as the user types and reads them: one reading rule for every numeric field
// and every printf-style form the product writes, all with "." as the decimal point
// whatever the process locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace convert {

enum class NumberRefusal {
    None,        // accepted
    Empty,       // nothing but blanks
    NotANumber,  // not a plain decimal number
    OutOfRange,  // beyond the range of the field's type
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
// optional exponent, with blanks around. A value too small for a double reads as the
// nearest double (a subnormal or zero); one too large for a double is refused.
RealReading ReadReal(std::string_view text);

// Accepts an optional sign and digits, with blanks around, within the 32-bit range.
WholeReading ReadWholeNumber(std::string_view text);

// What the user is told when a field refuses its text.
std::string_view RealRefusalMessage(NumberRefusal refusal);
std::string_view WholeRefusalMessage(NumberRefusal refusal);

// printf "%e": six digits after the point, an exponent of at least two digits.
std::string FormatExponent(double value);
// printf "%0.Nf" for N = digits (0 writes no decimal point).
std::string FormatFixed(double value, int digits);
// printf "%.15g": a result as the command line writes it.
std::string FormatGeneral(double value);
// How a number is written back into its box: the shortest "%.Ng" (N = 15 to 17) that
// reads back as exactly the same double, so a value survives any number of pushes and
// pulls unchanged ("0" for zero).
std::string FormatRoundTrip(double value);

}  // namespace convert
