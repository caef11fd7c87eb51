#include "cli/options.h"

#include <algorithm>
#include <string>

#include "cli/cli.h"
#include "cli/formats.h"
#include "numbers/number_text.h"

namespace cli {
namespace {

// The arguments up to "--", where options end.
std::span<const std::string_view> OptionPart(std::span<const std::string_view> args)
{
    const auto end = std::find(args.begin(), args.end(), "--");
    return args.first(static_cast<std::size_t>(end - args.begin()));
}

int ReadDecimals(std::string_view text)
{
    const auto reading = convert::ReadWholeNumber(text);
    if (!reading.value || *reading.value < 0 || *reading.value > 5) {
        throw Refusal{"--decimals takes a number from 0 to 5, not " + Quoted(text)};
    }
    return *reading.value;
}

// Reads the option at args[i] into the request; false when it is no option of the
// conversions.
bool ReadOption(std::span<const std::string_view> args, std::size_t& i, Request& request)
{
    const std::string_view arg = args[i];
    if (arg == "--list") {
        request.list = true;
    } else if (arg == "--names") {
        request.names = true;
    } else if (arg == "--scientific") {
        request.scientific = 1;
    } else if (const auto number = OptionValue(args, i, "--decimals", "a number from 0 to 5")) {
        request.decimals = ReadDecimals(*number);
    } else if (const auto target = OptionValue(args, i, "--to", "a unit")) {
        request.targets.push_back(*target);
    } else if (const auto format = OptionValue(args, i, "--format", FormatNames(false))) {
        request.writer = &WriterNamed(*format, false);
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool AsksFor(std::span<const std::string_view> args, std::string_view option,
             std::string_view shortOption)
{
    const auto options = OptionPart(args);
    return std::any_of(options.begin(), options.end(), [&](std::string_view arg) {
        return arg == option || (!shortOption.empty() && arg == shortOption);
    });
}

std::optional<std::string_view> OptionValue(std::span<const std::string_view> args, std::size_t& i,
                                            std::string_view name, std::string_view what)
{
    const std::string_view arg = args[i];
    if (arg == name) {
        if (i + 1 == args.size()) {
            throw Refusal{std::string(name) + " needs " + std::string(what)};
        }
        return args[++i];
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
        return arg.substr(name.size() + 1);
    }
    return std::nullopt;
}

Request Parse(std::span<const std::string_view> args)
{
    Request request;
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!options || !arg.starts_with("--")) {
            // Anything else, "-5" and "-" included, is a category, value or unit.
            request.positional.push_back(arg);
        } else if (arg == "--") {
            options = false;
        } else if (!ReadOption(args, i, request)) {
            throw Refusal{"unknown option " + Quoted(arg) + " (see --help)"};
        }
    }
    return request;
}

std::vector<std::string_view> CommandFirst(std::span<const std::string_view> args)
{
    std::size_t lead = 0;
    while (lead < args.size() &&
           (args[lead] == "--format" || args[lead].starts_with("--format="))) {
        lead += args[lead] == "--format" && lead + 1 < args.size() ? 2U : 1U;
    }
    std::vector<std::string_view> reordered(args.begin() + static_cast<std::ptrdiff_t>(lead),
                                            args.end());
    reordered.insert(reordered.end(), args.begin(),
                     args.begin() + static_cast<std::ptrdiff_t>(lead));
    return reordered;
}

ChemistryRequest ParseChemistry(std::span<const std::string_view> args)
{
    ChemistryRequest request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (const auto format = OptionValue(args, i, "--format", FormatNames(true))) {
            request.writer = &WriterNamed(*format, true);
        } else if (args[i] == "--decimals" || args[i].starts_with("--decimals=") ||
                   args[i] == "--scientific") {
            throw Refusal{std::string(args[i].substr(0, args[i].find('='))) +
                          " is for the conversions; the chemistry commands write their results "
                          "as the chemistry pages do"};
        } else {
            request.words.push_back(args[i]);
        }
    }
    return request;
}

}  // namespace cli
