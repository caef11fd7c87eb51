#include "cli/column.h"

#include <algorithm>
#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "cli/text.h"

namespace cli {
namespace {

// The lines of an input, read a large block at a time; memory stays one block however
// long the input.
class LineReader {
public:
    // A line longer than this is no number; it is refused rather than gathered.
    static constexpr std::size_t kLongestLine = 4095;

    explicit LineReader(std::istream& in) : m_in(in) {}

    // The next line without its line end; empty at the end of the input, or when the
    // line is longer than kLongestLine (then tooLong() says so).
    std::optional<std::string_view> Next()
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

    bool tooLong() const { return m_tooLong; }

private:
    std::optional<std::string_view> Checked(std::string_view line)
    {
        if (line.size() > kLongestLine) {
            m_tooLong = true;
            return std::nullopt;
        }
        return line;
    }

    // The unread rest moved to the front, and the buffer filled up behind it.
    void Refill(std::string_view rest)
    {
        std::copy(rest.begin(), rest.end(), m_buffer.begin());
        m_begin = 0;
        m_end = rest.size();
        const auto got = m_in.rdbuf()->sgetn(m_buffer.data() + m_end,
                                             static_cast<std::streamsize>(m_buffer.size() - m_end));
        m_atEnd = got <= 0;
        m_end += m_atEnd ? 0 : static_cast<std::size_t>(got);
    }

    std::istream& m_in;
    std::array<char, 1 << 16> m_buffer{};
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    bool m_tooLong = false;
};

// One value of the column appended to `pending`.
class ColumnValues {
public:
    ColumnValues(const Plan& plan, const Writer& writer)
        : m_plan(plan),
          m_writer(writer),
          // The common case of a script, one unit in plain text, without the general
          // path's result records.
          m_justText(writer.WritesTextAlone(plan) && !IsTemperature(plan.tab))
    {
    }

    void Append(std::string& pending, std::string_view text) const
    {
        const double value = ReadValue(m_plan.tab, text);
        if (!m_justText) {
            const std::vector<Result> results = Results(m_plan, value);
            m_writer.ColumnValue(pending, {m_plan, value, results});
            return;
        }
        const auto product =
            convert::ConvertProduct(*m_plan.tab.category, value, static_cast<int>(m_plan.unit),
                                    static_cast<int>(m_plan.targets.front()));
        if (!product) {
            throw Refusal{"the " + std::string(m_plan.tab.category->caption) +
                          " tab has no conversion data yet"};
        }
        pending += convert::FormatProduct(*product, m_plan.scientific, m_plan.decimals);
        pending += '\n';
    }

private:
    const Plan& m_plan;
    const Writer& m_writer;
    bool m_justText;
};

// A line of the input without its line end, and on the first line without a byte order
// mark, which editors on some systems put at the start of a file; empty when blank.
std::string_view ValueText(std::string_view line, long number)
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

}  // namespace

int ConvertColumn(const Plan& plan, const Writer& writer, std::istream& in, std::ostream& out,
                  std::ostream& err)
{
    constexpr std::size_t kBlock = 1 << 16;
    std::string pending;
    pending.reserve(2 * kBlock);
    writer.ColumnHead(pending, plan);
    const ColumnValues values(plan, writer);
    auto refuse = [&](long number, std::string_view why) {
        out << pending << std::flush;
        err << "velkari-cli: line " << number << ": " << Escaped(why) << '\n';
        return kBadArguments;
    };
    LineReader lines(in);
    long number = 0;
    try {
        while (const auto line = lines.Next()) {
            const std::string_view text = ValueText(*line, ++number);
            if (text.empty()) {
                continue;
            }
            try {
                values.Append(pending, text);
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
                                      " characters, not a number");
    }
    out << pending;
    return kSuccess;
}

}  // namespace cli
