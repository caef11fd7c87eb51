#include "cli/column.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "cli/lines.h"
#include "cli/text.h"

namespace cli {
namespace {

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
            const std::string_view text = LineText(*line, ++number);
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
