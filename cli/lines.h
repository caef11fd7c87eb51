// The lines of standard input as velkari-cli reads them: a large block at a time, each
// without its line end, the first without a byte order mark, blank ones told apart.
#pragma once

#include <array>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace cli {

// The lines of an input, read a large block at a time; memory stays one block however
// long the input.
class LineReader {
public:
    // A line longer than this is no number nor query; it is refused rather than gathered.
    static constexpr std::size_t kLongestLine = 4095;

    explicit LineReader(std::istream& in) : m_in(in) {}

    // The next line without its line end; empty at the end of the input, or when the
    // line is longer than kLongestLine (then tooLong() says so). A failed read throws
    // the stream's ReadError.
    std::optional<std::string_view> Next();

    bool tooLong() const { return m_tooLong; }

private:
    std::optional<std::string_view> Checked(std::string_view line);
    // The unread rest moved to the front, and the buffer filled up behind it.
    void Refill(std::string_view rest);

    std::istream& m_in;
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

// Appends the output of line `number`, whose text is `text`, to `pending`, or throws a
// Refusal.
using LineConverter = std::function<void(std::string& pending, std::string_view text, long number)>;

// Every line of `in` that is not blank given to `convert`, after `head`, and the output
// written a large block at a time. The run's exit status: a refused line stops the run
// after everything before it has been written whole, with its number and the reason on
// err; a line too long is no `what` ("number", "query"). A ReadError is thrown on after
// what was read before it has been written.
int ConvertLines(std::istream& in, std::ostream& out, std::ostream& err, std::string head,
                 std::string_view what, const LineConverter& convert);

}  // namespace cli
