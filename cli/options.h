// velkari-cli's options: which a command line gives, and the words left for the
// command.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "cli/writer.h"

namespace cli {

// Whether the options (the arguments up to "--") include `option` or `shortOption`.
bool AsksFor(std::span<const std::string_view> args, std::string_view option,
             std::string_view shortOption = {});

// "--name VALUE" or "--name=VALUE" at args[i], advancing i past what it used; a
// Refusal saying that it needs `what` when the value is missing.
std::optional<std::string_view> OptionValue(std::span<const std::string_view> args, std::size_t& i,
                                            std::string_view name, std::string_view what);

// What the command line of a conversion asks for, once its words are sorted out.
struct Request {
    std::vector<std::string_view> positional;
    std::vector<std::string_view> targets;
    const Writer* writer = &PlainWriter();
    int decimals = -1;
    int scientific = 0;
    bool list = false;
    bool names = false;
    bool literal = false;  // "--" was given: what follows it is no option
};

Request Parse(std::span<const std::string_view> args);

// An option of the conversions' or an unknown one: "--to", "--bogus", "-x"; not a value
// such as "-5" or "-.5", nor "-" (standard input).
bool IsOptionWord(std::string_view arg);

// A Refusal when a word that is no option follows --help or --version (or -h).
void RefuseAfterHelp(std::span<const std::string_view> args);

// The words of a command line that may be a chemistry command: its --format and the
// other words in order ("--format json element Fe" is "element Fe"), those from
// firstLiteral on given after "--", so never options.
struct ChemistryRequest {
    std::vector<std::string_view> words;
    std::size_t firstLiteral = 0;
    std::optional<std::string_view> format;
    bool formatMissing = false;         // --format ends the line
    std::string_view conversionOption;  // --decimals or --scientific, if given
};

ChemistryRequest ParseChemistry(std::span<const std::string_view> args);

}  // namespace cli
