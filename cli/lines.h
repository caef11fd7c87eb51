// The lines of standard input as velkari-cli reads them: what has come, up to a large
// block at a time, each without its line end, the first without a byte order mark, blank
// ones told apart.
#pragma once

#include <array>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/cli.h"
#include "cli/text.h"

namespace cli {

// The lines of an input, read as they come, a large block at a time at most; memory
// stays one block however long the input. Before it waits for more input, it calls
// `beforeWaiting`, so that a person typing, or a program writing a line and waiting for
// its answer, gets the answers to what it has sent.
class LineReader {
public:
    // A line longer than this is no number nor query; it is refused rather than gathered.
    static constexpr std::size_t kLongestLine = 4095;

    explicit LineReader(std::istream& in, std::function<void()> beforeWaiting = {})
        : m_in(in), m_beforeWaiting(std::move(beforeWaiting))
    {
    }

    // The next line without its line end; empty at the end of the input, or when the
    // line is longer than kLongestLine (then tooLong() says so). A failed read throws
    // the stream's ReadError.
    std::optional<std::string_view> Next();

    bool tooLong() const { return m_tooLong; }

private:
    std::optional<std::string_view> Checked(std::string_view line);
    // The unread rest moved to the front, and what the input has behind it, waiting for
    // input only when none has come.
    void Refill(std::string_view rest);

    std::istream& m_in;
    std::function<void()> m_beforeWaiting;
    std::array<char, 1 << 16> m_buffer{};
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    bool m_tooLong = false;
};

// Line `number` (from 1) without a carriage return before its line feed, and the first
// without a byte order mark, which editors on some systems put at the start of a file;
// empty when blank.
std::string_view LineText(std::string_view line, long number);

// Called for every line: defined here, so that the loops below inline them.
inline std::optional<std::string_view> LineReader::Next()
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

inline std::optional<std::string_view> LineReader::Checked(std::string_view line)
{
    if (line.size() > kLongestLine) {
        m_tooLong = true;
        return std::nullopt;
    }
    return line;
}

inline std::string_view LineText(std::string_view line, long number)
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

// The output so far written, and line `number` refused for `why`: kBadArguments.
int RefuseLine(const std::string& pending, long number, std::string_view why, std::ostream& out,
               std::ostream& err);

// Every line of `in` that is not blank given to `convert(pending, text, number)`, which
// appends the line's output to `pending` or throws a Refusal; `head` comes first, and
// the output is written a large block at a time. The run's exit status: a refused line
// stops the run after everything before it has been written whole, with its number and
// the reason on err; a line too long is no `what` ("number", "query"). Whenever the input
// has nothing more waiting, what has been converted is written and flushed before the
// next read, so that each line is answered as soon as it is read; a large input still
// goes through in large writes. A ReadError is thrown on after what was read before it
// has been written.
template <typename Convert>
int ConvertLines(std::istream& in, std::ostream& out, std::ostream& err, std::string head,
                 std::string_view what, Convert&& convert)
{
    constexpr std::size_t kBlock = 1 << 16;
    std::string pending = std::move(head);
    pending.reserve(2 * kBlock);
    bool written = true;
    LineReader lines(in, [&] {
        written = written &&
                  out.write(pending.data(), static_cast<std::streamsize>(pending.size())).flush();
        pending.clear();
    });
    long number = 0;
    try {
        while (const auto line = lines.Next()) {
            if (!written) {
                return kWriteFailed;
            }
            const std::string_view text = LineText(*line, ++number);
            if (text.empty()) {
                continue;
            }
            try {
                convert(pending, text, number);
            } catch (const Refusal& refusal) {
                return RefuseLine(pending, number, refusal.message, out, err);
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
        return RefuseLine(pending, number + 1,
                          "longer than " + std::to_string(LineReader::kLongestLine) +
                              " characters, not a " + std::string(what),
                          out, err);
    }
    out << pending;
    return kSuccess;
}

}  // namespace cli
