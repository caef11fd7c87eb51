// velkari-cli's dispatch: which command the words ask for, and where its output and
// refusals go.
#include "cli/cli.h"

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/chemistry_commands.h"
#include "cli/column.h"
#include "cli/help.h"
#include "cli/listing.h"
#include "cli/options.h"
#include "cli/plan.h"
#include "cli/text.h"

namespace cli {
namespace {

constexpr std::string_view kVersion = VELKARI_VERSION;

Tab RequireConversion(const Request& request)
{
    if (request.positional.size() != 3) {
        if (!request.positional.empty() && SameName(request.positional[0], "weight")) {
            throw Refusal{
                "expected Weight VALUE UNIT (the Weight conversion) or weight SYMBOL COUNT "
                "[SYMBOL COUNT]... (the molecular weight of a formula) (see --help)"};
        }
        throw Refusal{"expected CATEGORY VALUE UNIT, got " +
                      std::to_string(request.positional.size()) + " argument(s) (see --help)"};
    }
    return RequireTab(request.positional[0]);
}

Plan PlanOf(const Request& request, const Tab& tab)
{
    return MakePlan(tab,
                    {request.positional[2], request.targets, request.scientific, request.decimals});
}

void Convert(const Request& request, std::ostream& out)
{
    const Tab tab = RequireConversion(request);
    const double value = ReadValue(tab, request.positional[1]);
    const Plan plan = PlanOf(request, tab);
    const std::vector<Result> results = Results(plan, value);
    std::string text;
    request.writer->Single(text, {plan, value, results});
    out << text;
}

int ConvertColumn(const Request& request, std::istream& in, std::ostream& out, std::ostream& err)
{
    const Tab tab = RequireConversion(request);
    return ConvertColumn(PlanOf(request, tab), *request.writer, in, out, err);
}

void Chemistry(std::span<const std::string_view> args, std::ostream& out)
{
    const ChemistryRequest request = ParseChemistry(args);
    std::string text;
    request.writer->WriteReport(text, RunChemistry(request.words));
    out << text;
}

}  // namespace

int Run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err)
{
    // Results are gathered first so that a refusal leaves standard output empty; a column
    // of values is written as it is converted.
    std::ostringstream result;
    try {
        if (AsksFor(args, "--help", "-h")) {
            WriteUsage(result);
        } else if (AsksFor(args, "--version")) {
            result << "velkari-cli " << kVersion << '\n';
        } else if (const auto command = CommandFirst(args); IsChemistryCommand(command)) {
            // A chemistry command has options of its own, which the conversions' parsing
            // would refuse.
            Chemistry(command, result);
        } else if (const Request request = Parse(args); request.list) {
            WriteList(request.positional, result);
        } else if (request.names) {
            WriteNames(request.positional, result);
        } else if (args.empty()) {
            throw Refusal{"nothing to convert (see --help)"};
        } else if (request.positional.size() == 3 && Trim(request.positional[1]) == "-") {
            const int status = ConvertColumn(request, in, out, err);
            return status == kSuccess && !out.flush() ? kWriteFailed : status;
        } else {
            Convert(request, result);
        }
    } catch (const Refusal& refusal) {
        err << "velkari-cli: " << refusal.message << '\n';
        return kBadArguments;
    }
    out << result.str();
    return out.flush() ? kSuccess : kWriteFailed;
}

}  // namespace cli
