// velkari-cli's chemistry calculators: an element's data, the molecular weight and the
// percent composition of a formula, grams/moles conversion, and percent composition with
// simplest and molecular formula from weights. Each prints the texts the chemistry pages show for
// the same input.
#pragma once

#include <span>
#include <string_view>

#include "cli/report.h"

namespace cli {

// The usage lines and the explanation of the chemistry commands, for --help.
extern const std::string_view kChemistryCommands;
extern const std::string_view kChemistryHelp;

// Whether the command line is a chemistry command. "weight" is one only when the word
// after it begins like a formula or an element symbol (a letter or a bracket);
// "Weight 5 Gram" is the Weight conversion.
bool IsChemistryCommand(std::span<const std::string_view> args);

// Runs the chemistry command (its word first, without --format; the words from
// firstLiteral on came after "--" and are never options); throws Refusal for a bad
// argument.
Report RunChemistry(std::span<const std::string_view> args, std::size_t firstLiteral);

}  // namespace cli
