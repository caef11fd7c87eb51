// "a\r\nb\r\n" for {"a", "b"}: how the product's output texts hold their lines, and
// back. Header-only and std-only, so that the fuzzers use it too.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

inline std::string Lines(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (const std::string_view line : lines) {
        text.append(line).append("\r\n");
    }
    return text;
}

// The lines of a text, "\r\n" between or after them.
inline std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const auto end = text.find("\r\n", begin);
        lines.emplace_back(text.substr(begin, end - begin));
        begin = end == std::string_view::npos ? text.size() : end + 2;
    }
    return lines;
}

}  // namespace testing_support
