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
    } else if (arg.starts_with("--list=")) {
        request.list = true;
        request.positional.push_back(arg.substr(arg.find('=') + 1));
    } else if (arg.starts_with("--names=")) {
        request.names = true;
        request.positional.push_back(arg.substr(arg.find('=') + 1));
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
        if (!options || !IsOptionWord(arg)) {
            // Anything else, "-5" and "-" included, is a category, value or unit.
            request.positional.push_back(arg);
        } else if (arg == "--") {
            options = false;
            request.literal = true;
        } else if (!ReadOption(args, i, request)) {
            throw Refusal{"unknown option " + Quoted(arg) + " (see --help)"};
        }
    }
    return request;
}

bool IsOptionWord(std::string_view arg)
{
    // "->" is the arrow of a query ("3 ft -> m").
    return arg != "->" && arg.size() >= 2 && arg[0] == '-' && arg[1] != '.' &&
           (arg[1] < '0' || arg[1] > '9');
}

void RefuseAfterHelp(std::span<const std::string_view> args)
{
    const auto options = OptionPart(args);
    const auto help = std::find_if(options.begin(), options.end(), [](std::string_view arg) {
        return arg == "--help" || arg == "-h" || arg == "--version";
    });
    for (auto word = help; word != args.end(); ++word) {
        if (*word != "--" && !IsOptionWord(*word)) {
            throw Refusal{std::string(*help) + " takes no arguments, not " + Quoted(*word)};
        }
    }
}

ChemistryRequest ParseChemistry(std::span<const std::string_view> args)
{
    ChemistryRequest request;
    bool literal = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!literal && arg == "--") {
            literal = true;
            request.firstLiteral = request.words.size();
        } else if (literal) {  // NOLINT(bugprone-branch-clone): after "--" every word is one
            request.words.push_back(arg);
        } else if (arg == "--format") {
            request.format = i + 1 < args.size() ? std::optional(args[++i]) : std::nullopt;
            request.formatMissing = !request.format;
        } else if (arg.starts_with("--format=")) {
            request.format = arg.substr(arg.find('=') + 1);
        } else if (arg == "--decimals" || arg.starts_with("--decimals=") || arg == "--scientific") {
            request.conversionOption = arg.substr(0, arg.find('='));
        } else {
            request.words.push_back(arg);
        }
    }
    if (!literal) {
        request.firstLiteral = request.words.size();
    }
    return request;
}

}  // namespace cli
