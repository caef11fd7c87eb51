#include "chem/count_text.h"

#include <array>
#include <charconv>

namespace chemistry {

std::string CountText(int count)
{
    std::array<char, 16> buffer{};  // "-2147483648" and its sign fit with room to spare
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), count);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace chemistry
