// Any text given to the number-reading rule: a value is accepted only with the plain
// decimal grammar, and an accepted value written back reads again unchanged.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/check.h"
#include "numbers/number_text.h"

namespace {

bool IsPlainDecimalCharacter(char c)
{
    return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E' ||
           c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

using fuzz::Check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const convert::RealReading real = convert::ReadReal(text);
    if (real.value) {
        Check(std::isfinite(*real.value));
        for (const char c : text) {
            Check(IsPlainDecimalCharacter(c));
        }
        const std::string written = convert::FormatGeneral(*real.value);
        const convert::RealReading again = convert::ReadReal(written);
        Check(again.value.has_value());
        Check(convert::FormatGeneral(*again.value) == written);
        // What a box is given back reads as the very same double.
        const convert::RealReading exact = convert::ReadReal(convert::FormatRoundTrip(*real.value));
        Check(exact.value.has_value() && std::signbit(*exact.value) == std::signbit(*real.value) &&
              *exact.value == *real.value);
    }

    const convert::WholeReading whole = convert::ReadWholeNumber(text);
    if (whole.value) {
        // Every whole number is also a number, and the same one.
        Check(real.value.has_value() && *real.value == static_cast<double>(*whole.value));
    }
    return 0;
}
