// velkari-cli's dispatch: which command the words ask for, and where its output and
// refusals go.
#include "cli/cli.h"

#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/chemistry_commands.h"
#include "cli/column.h"
#include "cli/formats.h"
#include "cli/help.h"
#include "cli/listing.h"
#include "cli/options.h"
#include "cli/plan.h"
#include "cli/query_form.h"
#include "cli/text.h"

namespace cli {
namespace {

constexpr std::string_view kVersion = VELKARI_VERSION;

// "3 arguments: "Temperature" "-40" "C"", the first few of them.
std::string Counted(std::span<const std::string_view> words)
{
    constexpr std::size_t kShown = 6;
    std::string text =
        std::to_string(words.size()) + (words.size() == 1 ? " argument" : " arguments");
    for (std::size_t i = 0; i < words.size() && i <= kShown; ++i) {
        text += i == 0 ? ": " : " ";
        text += i == kShown ? "\u2026" : Quoted(words[i]);
    }
    return text;
}

Tab RequireConversion(const Request& request)
{
    if (request.positional.size() != 3) {
        if (!request.positional.empty() && SameName(request.positional[0], "weight")) {
            throw Refusal{
                "expected Weight VALUE UNIT (the Weight conversion) or weight SYMBOL COUNT "
                "[SYMBOL COUNT]... (the molecular weight of a formula) (see --help)"};
        }
        // After "--" an option is an argument too; saying which words were taken shows it.
        throw Refusal{"expected CATEGORY VALUE UNIT, got " + Counted(request.positional) +
                      (request.literal && std::any_of(request.positional.begin(),
                                                      request.positional.end(), IsOptionWord)
                           ? " (after \"--\" every word is an argument)"
                           : "") +
                      " (see --help)"};
    }
    return RequireTab(request.positional[0]);
}

// Exponent form has no fixed count of decimals: a --decimals beside --scientific is not
// used, and is said to be not used.
void SaysDecimalsIgnored(const Request& request, std::ostream& err)
{
    if (request.scientific != 0 && request.decimals >= 0) {
        err << "velkari-cli: --scientific writes every value in exponent form, so --decimals "
               "was ignored\n";
    }
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

void Chemistry(const ChemistryRequest& request, std::ostream& out)
{
    if (request.formatMissing) {
        throw Refusal{"--format needs " + FormatNames(true)};
    }
    const Writer& writer = request.format ? WriterNamed(*request.format, true) : PlainWriter();
    if (!request.conversionOption.empty()) {
        throw Refusal{std::string(request.conversionOption) +
                      " is for the conversions; the chemistry commands write their results "
                      "as the chemistry pages do"};
    }
    std::string text;
    writer.WriteReport(text, RunChemistry(request.words, request.firstLiteral));
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
            RefuseAfterHelp(args);
            WriteUsage(result);
        } else if (AsksFor(args, "--version")) {
            RefuseAfterHelp(args);
            result << "velkari-cli " << kVersion << '\n';
        } else if (const ChemistryRequest chemistry = ParseChemistry(args);
                   IsChemistryCommand(chemistry.words)) {
            // A chemistry command has options of its own, which the conversions' parsing
            // would refuse.
            Chemistry(chemistry, result);
        } else if (const Request request = Parse(args); request.list) {
            WriteList(request.positional, result);
        } else if (request.names) {
            WriteNames(request.positional, result);
        } else if (args.empty()) {
            throw Refusal{"nothing to convert (see --help)"};
        } else {
            SaysDecimalsIgnored(request, err);
            if (ReadsQueryLines(request)) {
                const int status = ConvertQueryLines(request, in, out, err);
                return status == kSuccess && !out.flush() ? kWriteFailed : status;
            }
            if (AsksForQuery(request)) {
                ConvertQuery(request, result, err);
            } else if (request.positional.size() == 3 && Trim(request.positional[1]) == "-") {
                const int status = ConvertColumn(request, in, out, err);
                return status == kSuccess && !out.flush() ? kWriteFailed : status;
            } else {
                Convert(request, result);
            }
        }
    } catch (const Refusal& refusal) {
        err << "velkari-cli: " << Escaped(refusal.message) << '\n';
        return kBadArguments;
    } catch (const ReadError& failure) {
        err << "velkari-cli: read error: " << std::generic_category().message(failure.error)
            << '\n';
        return kReadFailed;
    }
    out << result.str();
    return out.flush() ? kSuccess : kWriteFailed;
}

}  // namespace cli
