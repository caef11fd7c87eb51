#include "cli/json.h"

#include <array>
#include <charconv>
#include <cmath>

namespace cli {

std::string JsonString(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            constexpr std::string_view kHex = "0123456789abcdef";
            json += "\\u00";
            json += kHex[byte >> 4];
            json += kHex[byte & 0xf];
        } else {
            json += c;
        }
    }
    json += '"';
    return json;
}

std::string JsonNumber(double value)
{
    if (!std::isfinite(value)) {
        return "null";
    }
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace cli
