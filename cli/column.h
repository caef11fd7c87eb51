// A column of values from standard input, one a line, each converted as it would be
// alone and written as it goes.
#pragma once

#include <cmath>
#include <iosfwd>
#include <string>

#include "cli/cli.h"
#include "cli/plan.h"
#include "cli/writer.h"
#include "convert/converter.h"
#include "convert/messages.h"

namespace cli {

// Each value of a column converted by its plan and appended to the column's output.
class ColumnValues {
public:
    ColumnValues(const Plan& plan, const Writer& writer);
    void Append(std::string& pending, double value) const;
    // Whether a value is written as its one result's text alone.
    bool WritesTextAlone() const { return m_justText; }

private:
    void AppendResults(std::string& pending, double value) const;

    const Plan& m_plan;
    const Writer& m_writer;
    bool m_justText;
};

// Called for every value: defined here, so that the loops over the lines inline it.
inline void ColumnValues::Append(std::string& pending, double value) const
{
    if (!m_justText) {
        AppendResults(pending, value);
        return;
    }
    const auto product =
        convert::ConvertProduct(*m_plan.tab.category, value, static_cast<int>(m_plan.unit),
                                static_cast<int>(m_plan.targets.front()));
    if (!product) {
        throw Refusal{"the " + std::string(m_plan.tab.category->caption) +
                      " tab has no conversion data yet"};
    }
    if (!std::isfinite(*product)) {
        throw Refusal{std::string(convert::kTooLargeRefusal)};
    }
    pending += convert::FormatProduct(*product, m_plan.scientific, m_plan.decimals);
    pending += '\n';
}

// The run's exit status: a refused line stops the run after everything before it has
// been written whole, with its number and the reason on err.
int ConvertColumn(const Plan& plan, const Writer& writer, std::istream& in, std::ostream& out,
                  std::ostream& err);

}  // namespace cli
