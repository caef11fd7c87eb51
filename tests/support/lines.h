// "a\r\nb\r\n" for {"a", "b"}: how the product's output texts hold their lines.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace testing_support {

inline std::string Lines(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (const std::string_view line : lines) {
        text.append(line).append("\r\n");
    }
    return text;
}

}  // namespace testing_support
