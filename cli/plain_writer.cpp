// Plain output: a value and its unit a line, Temperature's formulas after them; with
// one target the value alone. A chemistry command prints the lines its page shows.
#include "cli/writer.h"

namespace cli {
namespace {

void AppendBlock(std::string& text, const std::vector<Result>& results)
{
    for (const Result& r : results) {
        text += r.text;
        text += '\t';
        text += r.label;
        text += '\n';
    }
    for (const Result& r : results) {
        if (!r.formula.empty()) {
            text += r.formula;
            text += '\n';
        }
    }
}

class Plain final : public Writer {
public:
    void Single(std::string& text, const Conversion& conversion) const override
    {
        if (WritesTextAlone(conversion.plan)) {
            text += conversion.results.front().text;
            text += '\n';
        } else {
            AppendBlock(text, conversion.results);
        }
    }

    void ColumnHead(std::string& /*text*/, const Plan& /*plan*/) const override {}

    // A value of several results ends in an empty line, so that blocks stay apart.
    void ColumnValue(std::string& text, const Conversion& conversion) const override
    {
        Single(text, conversion);
        if (!WritesTextAlone(conversion.plan)) {
            text += '\n';
        }
    }

    bool WritesTextAlone(const Plan& plan) const override { return plan.targets.size() == 1; }

    bool WritesReports() const override { return true; }
    void WriteReport(std::string& text, const Report& report) const override
    {
        text += report.text;
    }
};

}  // namespace

const Writer& PlainWriter()
{
    static const Plain writer;
    return writer;
}

}  // namespace cli
