#include "cli/lines.h"

#include <algorithm>

#include "cli/cli.h"
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

int ConvertLines(std::istream& in, std::ostream& out, std::ostream& err, std::string head,
                 std::string_view what, const LineConverter& convert)
{
    constexpr std::size_t kBlock = 1 << 16;
    std::string pending = std::move(head);
    pending.reserve(2 * kBlock);
    auto refuse = [&](long number, std::string_view why) {
        out << pending << std::flush;
        err << "velkari-cli: line " << number << ": " << Escaped(why) << '\n';
        return kBadArguments;
    };
    LineReader lines(in);
    long number = 0;
    try {
        while (const auto line = lines.Next()) {
            const std::string_view text = LineText(*line, ++number);
            if (text.empty()) {
                continue;
            }
            try {
                convert(pending, text, number);
            } catch (const Refusal& refusal) {
                return refuse(number, refusal.message);
            }
            if (pending.size() >= kBlock) {
                if (!out.write(pending.data(), static_cast<std::streamsize>(pending.size()))) {
                    return kWriteFailed;
                }
                pending.clear();
            }
        }
    } catch (const ReadError&) {
        out << pending << std::flush;  // what was read before the error stands
        throw;
    }
    if (lines.tooLong()) {
        return refuse(number + 1, "longer than " + std::to_string(LineReader::kLongestLine) +
                                      " characters, not a " + std::string(what));
    }
    out << pending;
    return kSuccess;
}

}  // namespace cli
