#include "cli/column.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "cli/lines.h"

namespace cli {

ColumnValues::ColumnValues(const Plan& plan, const Writer& writer)
    : m_plan(plan),
      m_writer(writer),
      // The common case of a script, one unit in plain text, without the general path's
      // result records.
      m_justText(writer.WritesTextAlone(plan) && !IsTemperature(plan.tab))
{
}

void ColumnValues::AppendResults(std::string& pending, double value) const
{
    const std::vector<Result> results = Results(m_plan, value);
    m_writer.ColumnValue(pending, {m_plan, value, results});
}

int ConvertColumn(const Plan& plan, const Writer& writer, std::istream& in, std::ostream& out,
                  std::ostream& err)
{
    std::string head;
    writer.ColumnHead(head, plan);
    const ColumnValues values(plan, writer);
    return ConvertLines(in, out, err, std::move(head), "number",
                        [&](std::string& pending, std::string_view text, long /*number*/) {
                            values.Append(pending, ReadValue(plan.tab, text));
                        });
}

}  // namespace cli
