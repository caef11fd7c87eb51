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
};

Request Parse(std::span<const std::string_view> args);

// "--format json element Fe" as "element Fe --format json": the command comes first.
std::vector<std::string_view> CommandFirst(std::span<const std::string_view> args);

// A chemistry command's words without the --format it was given, and its writer.
struct ChemistryRequest {
    std::vector<std::string_view> words;
    const Writer* writer = &PlainWriter();
};

ChemistryRequest ParseChemistry(std::span<const std::string_view> args);

}  // namespace cli
