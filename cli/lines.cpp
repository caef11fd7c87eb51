#include "cli/lines.h"

#include <algorithm>

#include "cli/text.h"

namespace cli {

std::optional<std::string_view> LineReader::Next()
{
    for (;;) {
        const std::string_view rest(m_buffer.data() + m_begin, m_end - m_begin);
        if (const auto end = rest.find('\n'); end != std::string_view::npos) {
            m_begin += end + 1;
            return Checked(rest.substr(0, end));
        }
        if (m_atEnd) {
            m_begin = m_end;
            return rest.empty() ? std::nullopt : Checked(rest);
        }
        if (rest.size() > kLongestLine) {
            m_tooLong = true;
            return std::nullopt;
        }
        Refill(rest);
    }
}

std::optional<std::string_view> LineReader::Checked(std::string_view line)
{
    if (line.size() > kLongestLine) {
        m_tooLong = true;
        return std::nullopt;
    }
    return line;
}

void LineReader::Refill(std::string_view rest)
{
    std::copy(rest.begin(), rest.end(), m_buffer.begin());
    m_begin = 0;
    m_end = rest.size();
    const auto got = m_in.rdbuf()->sgetn(m_buffer.data() + m_end,
                                         static_cast<std::streamsize>(m_buffer.size() - m_end));
    m_atEnd = got <= 0;
    m_end += m_atEnd ? 0 : static_cast<std::size_t>(got);
}

std::string_view LineText(std::string_view line, long number)
{
    constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";
    if (number == 1 && line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
    }
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return Trim(line).empty() ? std::string_view{} : line;
}

int RefuseLine(const std::string& pending, long number, std::string_view why, std::ostream& out,
               std::ostream& err)
{
    out << pending << std::flush;
    err << "velkari-cli: line " << number << ": " << Escaped(why) << '\n';
    return kBadArguments;
}

}  // namespace cli
