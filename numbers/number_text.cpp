#include "numbers/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

namespace convert {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Length of the run of digits at the start of text.
std::size_t DigitRun(std::string_view text)
{
    std::size_t n = 0;
    while (n < text.size() && IsDigit(text[n])) {
        ++n;
    }
    return n;
}

// The grammar of a plain decimal number; from_chars alone would also take "inf",
// "nan" and other spellings the value box must refuse.
bool IsPlainDecimal(std::string_view text, bool wholeOnly)
{
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t intDigits = DigitRun(text.substr(at));
    at += intDigits;
    std::size_t fracDigits = 0;
    if (!wholeOnly && at < text.size() && text[at] == '.') {
        ++at;
        fracDigits = DigitRun(text.substr(at));
        at += fracDigits;
    }
    if (intDigits + fracDigits == 0) {
        return false;
    }
    if (!wholeOnly && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            ++at;
        }
        const std::size_t expDigits = DigitRun(text.substr(at));
        if (expDigits == 0) {
            return false;
        }
        at += expDigits;
    }
    return at == text.size();
}

// from_chars takes no leading '+'.
std::string_view WithoutPlus(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    return text;
}

// Sign of the decimal exponent of a nonzero plain decimal: true when its magnitude is
// below one. Used only to tell an underflow from an overflow.
bool IsBelowOne(std::string_view text)
{
    const std::size_t intEnd = DigitRun(text);
    std::size_t firstNonZero = 0;
    while (firstNonZero < intEnd && text[firstNonZero] == '0') {
        ++firstNonZero;
    }
    long long magnitude = 0;
    if (firstNonZero < intEnd) {
        magnitude = static_cast<long long>(intEnd - firstNonZero) - 1;
    } else {
        std::size_t at = intEnd;
        if (at < text.size() && text[at] == '.') {
            ++at;
        }
        long long zeros = 0;
        while (at < text.size() && text[at] == '0') {
            ++at;
            ++zeros;
        }
        magnitude = -zeros - 1;
    }
    const std::size_t e = text.find_first_of("eE");
    if (e != std::string_view::npos) {
        std::string_view exp = text.substr(e + 1);
        const bool negative = !exp.empty() && exp.front() == '-';
        if (!exp.empty() && (exp.front() == '-' || exp.front() == '+')) {
            exp.remove_prefix(1);
        }
        long long value = 0;
        for (const char c : exp) {
            value = std::min<long long>(value * 10 + (c - '0'), 1'000'000'000);
        }
        magnitude += negative ? -value : value;
    }
    return magnitude < 0;
}

// Whether the digits before the exponent hold anything but zeros.
bool HasNonZeroMantissa(std::string_view text)
{
    const std::string_view mantissa = text.substr(0, text.find_first_of("eE"));
    return mantissa.find_first_of("123456789") != std::string_view::npos;
}

template <typename... Format>
std::string ToChars(double value, Format... format)
{
    // Enough for "%.5f" of the largest double (309 digits) and every "%e" form.
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
    return std::string(buffer.data(), result.ptr);
}

// printf's "%0.Nf" for N up to 5 and the magnitudes the converters mostly write,
// without the general algorithm: |value| = m * 2^-shift exactly, so value * 10^N is the
// 128-bit integer m * 10^N shifted right, rounded to nearest with ties to even on the
// bits shifted out, as printf rounds the exact binary value. Empty outside that range.
std::optional<std::string> FixedByShifting(double value, int digits)
{
    constexpr std::array<std::uint64_t, 6> kPowersOfTen{1, 10, 100, 1000, 10000, 100000};
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);  // in [0.5, 1)
    if (digits < 0 || digits > 5 || value == 0 || !std::isfinite(value) || exponent < -60 ||
        exponent > 33) {
        return std::nullopt;
    }
    constexpr int kMantissaBits = 53;
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
    const int shift = kMantissaBits - exponent;  // 20 to 113
    __extension__ using Wide = unsigned __int128;
    const Wide scaled = Wide{mantissa} * kPowersOfTen[static_cast<std::size_t>(digits)];
    Wide rounded = scaled >> shift;
    const Wide rest = scaled - (rounded << shift);
    const Wide half = Wide{1} << (shift - 1);
    if (rest > half || (rest == half && (rounded & 1U) != 0)) {
        ++rounded;
    }
    const auto whole = static_cast<std::uint64_t>(rounded);  // below 2^33 * 10^5
    const std::uint64_t power = kPowersOfTen[static_cast<std::size_t>(digits)];
    std::array<char, 48> buffer{};
    char* end = buffer.data();
    if (std::signbit(value)) {
        *end++ = '-';
    }
    end = std::to_chars(end, buffer.data() + buffer.size(), whole / power).ptr;
    if (digits > 0) {
        *end++ = '.';
        std::uint64_t decimals = whole % power;
        for (char* digit = end + digits; digit > end; decimals /= 10) {
            *--digit = static_cast<char>('0' + decimals % 10);
        }
        end += digits;
    }
    return std::string(buffer.data(), end);
}

}  // namespace

RealReading ReadReal(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty()) {
        return {std::nullopt, NumberRefusal::Empty};
    }
    if (!IsPlainDecimal(text, false)) {
        return {std::nullopt, NumberRefusal::NotANumber};
    }
    const bool negative = text.front() == '-';
    const std::string_view digits = WithoutPlus(text);
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars reports both ends alike: a number too small for a double would
        // read as zero, one too large has no double at all.
        const std::string_view unsignedDigits = negative ? digits.substr(1) : digits;
        return {std::nullopt,
                IsBelowOne(unsignedDigits) ? NumberRefusal::TooSmall : NumberRefusal::OutOfRange};
    }
    if (value == 0 && HasNonZeroMantissa(text)) {
        return {std::nullopt, NumberRefusal::TooSmall};
    }
    return {value, NumberRefusal::None};
}

WholeReading ReadWholeNumber(std::string_view text, int smallest, int largest)
{
    text = TrimBlanks(text);
    if (text.empty()) {
        return {std::nullopt, NumberRefusal::Empty};
    }
    if (!IsPlainDecimal(text, true)) {
        const bool isNumber = IsPlainDecimal(text, false);
        return {std::nullopt, isNumber ? NumberRefusal::NotWhole : NumberRefusal::NotANumber};
    }
    const std::string_view digits = WithoutPlus(text);
    int value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range || value < smallest || value > largest) {
        return {std::nullopt, NumberRefusal::OutOfRange};
    }
    return {value, NumberRefusal::None};
}

std::string_view RealRefusalMessage(NumberRefusal refusal)
{
    switch (refusal) {
        case NumberRefusal::Empty:
            return "Please enter a number.";
        case NumberRefusal::OutOfRange:
            return "Please enter a number between -1.7976931348623157e308 and "
                   "1.7976931348623157e308.";
        case NumberRefusal::TooSmall:
            return "Please enter 0, or a number from 4.9406564584124654e-324 up or from "
                   "-4.9406564584124654e-324 down.";
        case NumberRefusal::None:
        case NumberRefusal::NotWhole:
        case NumberRefusal::NotANumber:
            break;
    }
    return "Please enter a number, written with digits, an optional \".\" and an optional "
           "exponent (for example 12.5 or -3e4).";
}

std::string WholeRefusalMessage(NumberRefusal refusal, int smallest, int largest)
{
    switch (refusal) {
        case NumberRefusal::Empty:
            return "Please enter a whole number.";
        case NumberRefusal::OutOfRange:
            return "Please enter a whole number between " + std::to_string(smallest) + " and " +
                   std::to_string(largest) + ".";
        case NumberRefusal::NotWhole:
            return "Please enter a whole number, without a decimal point or exponent.";
        case NumberRefusal::None:
        case NumberRefusal::TooSmall:
        case NumberRefusal::NotANumber:
            break;
    }
    return "Please enter a whole number, written with digits only (for example 250 or -3).";
}

std::string FormatExponent(double value)
{
    return ToChars(value, std::chars_format::scientific, 6);
}

std::string FormatFixed(double value, int digits)
{
    if (auto text = FixedByShifting(value, digits)) {
        return std::move(*text);
    }
    return ToChars(value, std::chars_format::fixed, digits);
}

std::string FormatGeneral(double value)
{
    return ToChars(value, std::chars_format::general, 15);
}

std::string FormatRoundTrip(double value)
{
    // The shortest digits come from to_chars in its shortest form; "%.15g" then decides
    // between the fixed and the exponent layout by the decimal exponent, so that a
    // million stays "1000000" where the shortest text of all would be "1e+06".
    std::string shortest = ToChars(value, std::chars_format::scientific);
    const int exponent = std::stoi(shortest.substr(shortest.find('e') + 1));
    if (exponent >= -4 && exponent < 15) {
        return ToChars(value, std::chars_format::fixed);
    }
    return shortest;
}

}  // namespace convert
