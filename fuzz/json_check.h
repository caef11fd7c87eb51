// A strict check that a text is one JSON value (RFC 8259), for the fuzzers' invariants.
#pragma once

#include <cstddef>
#include <string_view>

namespace fuzz {

class JsonChecker {
public:
    explicit JsonChecker(std::string_view text) : m_text(text) {}

    bool WholeValue() { return Value(0) && (Blanks(), m_at == m_text.size()); }

private:
    static constexpr int kDeepest = 64;

    void Blanks()
    {
        while (m_at < m_text.size() &&
               std::string_view(" \t\r\n").find(m_text[m_at]) != std::string_view::npos) {
            ++m_at;
        }
    }
    bool Take(char c)
    {
        Blanks();
        return Here(c);
    }
    // Inside a number no blanks may stand.
    bool Here(char c)
    {
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool Word(std::string_view word)
    {
        if (m_text.substr(m_at).starts_with(word)) {
            m_at += word.size();
            return true;
        }
        return false;
    }
    std::size_t Digits()
    {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9') {
            ++m_at;
        }
        return m_at - start;
    }
    bool Number()
    {
        Here('-');
        if (!Here('0') && Digits() == 0) {
            return false;
        }
        if (Here('.') && Digits() == 0) {
            return false;
        }
        if (Here('e') || Here('E')) {
            if (!Here('+')) {
                Here('-');
            }
            return Digits() > 0;
        }
        return true;
    }
    bool String()
    {
        if (!Take('"')) {
            return false;
        }
        while (m_at < m_text.size()) {
            const auto c = static_cast<unsigned char>(m_text[m_at++]);
            if (c == '"') {
                return true;
            }
            if (c < 0x20) {
                return false;
            }
            if (c == '\\') {
                if (m_at >= m_text.size()) {
                    return false;
                }
                const char e = m_text[m_at++];
                if (e == 'u') {
                    for (int i = 0; i < 4; ++i, ++m_at) {
                        if (m_at >= m_text.size() ||
                            std::string_view("0123456789abcdefABCDEF").find(m_text[m_at]) ==
                                std::string_view::npos) {
                            return false;
                        }
                    }
                } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                    return false;
                }
            }
        }
        return false;
    }
    bool Value(int depth)
    {
        Blanks();
        if (depth > kDeepest || m_at >= m_text.size()) {
            return false;
        }
        const char c = m_text[m_at];
        if (c == '{' || c == '[') {
            const char close = c == '{' ? '}' : ']';
            ++m_at;
            if (Take(close)) {
                return true;
            }
            do {
                if (c == '{' && !(String() && Take(':'))) {
                    return false;
                }
                if (!Value(depth + 1)) {
                    return false;
                }
            } while (Take(','));
            return Take(close);
        }
        if (c == '"') {
            return String();
        }
        return Word("true") || Word("false") || Word("null") || Number();
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

inline bool IsJson(std::string_view text)
{
    return JsonChecker(text).WholeValue();
}

}  // namespace fuzz
