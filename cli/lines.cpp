#include "cli/lines.h"

#include <algorithm>

#include "cli/text.h"

namespace cli {

void LineReader::Refill(std::string_view rest)
{
    std::copy(rest.begin(), rest.end(), m_buffer.begin());
    m_begin = 0;
    m_end = rest.size();
    // A read of the whole block would wait for the block to fill: take what has come.
    std::streambuf& input = *m_in.rdbuf();
    std::streamsize waiting = input.in_avail();
    if (waiting <= 0) {
        if (m_beforeWaiting) {
            m_beforeWaiting();
        }
        if (std::istream::traits_type::eq_int_type(input.sgetc(),
                                                   std::istream::traits_type::eof())) {
            m_atEnd = true;
            return;
        }
        waiting = input.in_avail();
    }
    const auto room = static_cast<std::streamsize>(m_buffer.size() - m_end);
    const auto got =
        input.sgetn(m_buffer.data() + m_end, std::min(std::max<std::streamsize>(waiting, 1), room));
    m_atEnd = got <= 0;
    m_end += m_atEnd ? 0 : static_cast<std::size_t>(got);
}

int RefuseLine(const std::string& pending, long number, std::string_view why, std::ostream& out,
               std::ostream& err)
{
    out << pending << std::flush;
    err << "velkari-cli: line " << number << ": " << Escaped(why) << '\n';
    return kBadArguments;
}

}  // namespace cli
