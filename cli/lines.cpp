#include "cli/lines.h"

#include <algorithm>

#include "cli/text.h"

namespace cli {

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

int RefuseLine(const std::string& pending, long number, std::string_view why, std::ostream& out,
               std::ostream& err)
{
    out << pending << std::flush;
    err << "velkari-cli: line " << number << ": " << Escaped(why) << '\n';
    return kBadArguments;
}

}  // namespace cli
