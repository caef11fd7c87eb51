#include "cli/chemistry_commands.h"

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "chem/composition.h"
#include "chem/elements.h"
#include "chem/formula.h"
#include "chem/molecular_weight.h"
#include "chem/periodic_text.h"
#include "cli/cli.h"
#include "cli/options.h"
#include "cli/text.h"
#include "numbers/number_text.h"

namespace cli {

const std::string_view kChemistryCommands =
    R"(  or:  velkari-cli element SYMBOL
  or:  velkari-cli weight FORMULA
  or:  velkari-cli weight SYMBOL COUNT [SYMBOL COUNT ...]
  or:  velkari-cli composition FORMULA
  or:  velkari-cli moles GRAMS WEIGHT
  or:  velkari-cli grams MOLES WEIGHT
  or:  velkari-cli formula --compound GRAMS [--unknown WEIGHT] SYMBOL GRAMS...
)";

const std::string_view kChemistryHelp =
    R"(The chemistry commands print what the chemistry pages show:

  element            the element's name, group, block, atomic mass, atomic
                     number, electronegativity, oxidation numbers and electron
                     distribution, one "Field: value" line each
  weight FORMULA     the molecular weight of a formula written as usual:
                     "H2SO4", "Ca(OH)2", "K4[Fe(CN)6]", "CuSO4*5H2O"; the same
                     line as the slot form, each element once in order of
                     first appearance; more than five elements (the page's
                     five slots) give the same line, longer
  weight SYMBOL COUNT...
                     the molecular weight of a formula of one to five
                     elements, each a symbol and its atom count: H2SO4 is
                     "weight H 2 S 1 O 4"
  composition        the percent composition by mass of a FORMULA: a line for
                     each element in order of first appearance (symbol,
                     percentage, grams per mole it contributes, separated by
                     tabs), then "Total" with 100 and the molecular weight
  moles              grams to moles: GRAMS / WEIGHT, WEIGHT being the
                     molecular weight
  grams              moles to grams: MOLES * WEIGHT
  formula            a compound of two or three elements, from the weight of a
                     sample in grams (--compound) and the grams of each element
                     in it: the percent composition, the simplest formula and
                     the molecular formula, one a line; the last line is empty
                     unless --unknown gives the compound's molecular weight.
                     The simplest formula is the mole ratios over the smallest,
                     times the smallest of 1 to 10 that brings each within 0.1
                     of a whole number; weights that no such multiple fits, or
                     that add up to more than the compound, are refused

A SYMBOL is written as in the periodic table, capitals as there: "Fe", "Tl".
Counts are whole numbers from 1; GRAMS, MOLES and WEIGHT are plain decimal
numbers.
In a FORMULA capitals matter too ("Co" is cobalt, "CO" carbon and oxygen);
groups in round or square brackets may nest and take a count after them; the
parts of a hydrate are joined by "*", "." or the middle dot, each with an
optional count before it; every count and every element's total is 1 to
9999999. Quote a formula with brackets or "*" for the shell.
With --format json each writes one JSON object of what it read and printed.

"Weight" is also a category. The word after it decides:
a number ("Weight 5 Gram") asks for the Weight conversion, a formula or an
element symbol ("weight H2O", "weight H 2 O 1") for the molecular weight.
)";

namespace {

bool IsWord(std::string_view arg, std::string_view command)
{
    return Lower(arg) == command;
}

Value Text(std::string_view text)
{
    return {std::string(text)};
}

// The row of the element whose symbol `text` spells in the periodic table's own
// capitals ("CO" is not cobalt, and may well mean carbon monoxide).
std::optional<int> SymbolIgnoringCase(std::string_view text)
{
    const std::string lower = Lower(text);
    for (int row = 0; row < chemistry::kElementCount; ++row) {
        if (Lower(chemistry::FindElement(row)->symbol) == lower) {
            return row;
        }
    }
    return std::nullopt;
}

int RequireElement(std::string_view text)
{
    if (const std::optional<int> row = chemistry::FindSymbol(text)) {
        return *row;
    }
    if (const std::optional<int> row = SymbolIgnoringCase(text)) {
        throw Refusal{"unknown element symbol " + Quoted(text) + " (did you mean " +
                      Quoted(chemistry::FindElement(*row)->symbol) + "?)"};
    }
    throw Refusal{"unknown element symbol " + Quoted(text)};
}

// What begins a formula or a symbol, known or not: a letter or a bracket. A value of
// the Weight conversion begins with a digit, a sign or a point.
bool LooksLikeFormula(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return false;
    }
    const char c = text[first];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '(' || c == '[';
}

std::vector<chemistry::ElementCount> RequireFormula(std::string_view text)
{
    chemistry::FormulaReading reading = chemistry::ReadFormula(text);
    if (!reading.refusal.empty()) {
        throw Refusal{"formula " + Quoted(text) + ": " + reading.refusal};
    }
    return std::move(reading.elements);
}

double RequireReal(std::string_view what, std::string_view text)
{
    const convert::RealReading reading = convert::ReadReal(text);
    if (!reading.value) {
        throw Refusal{std::string(what) + " " + Quoted(text) + ": " +
                      std::string(convert::RealRefusalMessage(reading.refusal))};
    }
    return *reading.value;
}

int RequireWholeNumber(std::string_view what, std::string_view text)
{
    const convert::WholeReading reading = convert::ReadWholeNumber(text);
    if (!reading.value) {
        throw Refusal{std::string(what) + " " + Quoted(text) + ": " +
                      std::string(convert::WholeRefusalMessage(reading.refusal))};
    }
    return *reading.value;
}

// A command's words after its name; those from firstLiteral on came after "--".
struct Arguments {
    std::span<const std::string_view> words;
    std::size_t firstLiteral;

    std::size_t size() const { return words.size(); }
    std::string_view operator[](std::size_t i) const { return words[i]; }
    bool IsOption(std::size_t i) const { return i < firstLiteral && IsOptionWord(words[i]); }
};

void RefuseOptions(const Arguments& args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args.IsOption(i)) {
            throw Refusal{"unknown option " + Quoted(args[i]) + " (see --help)"};
        }
    }
}

Report Element(const Arguments& args)
{
    RefuseOptions(args);
    if (args.size() != 1) {
        throw Refusal{"expected element SYMBOL (see --help)"};
    }
    Report report;
    Record fields;
    for (const chemistry::PeriodicLine& line :
         chemistry::PeriodicLinesFor(RequireElement(args[0]))) {
        report.text += std::string(line.label) + ": " + std::string(line.text) + '\n';
        fields.push_back({std::string(line.label), Text(line.text)});
    }
    report.record = {{"symbol", Text(args[0])}, {"fields", {std::move(fields)}}};
    return report;
}

Report FormulaWeight(std::string_view formula)
{
    const chemistry::FormulaOutcome outcome = chemistry::FormulaWeight(RequireFormula(formula));
    return {
        outcome.result + '\n',
        {{"formula", Text(formula)}, {"weight", {outcome.weight}}, {"text", Text(outcome.result)}}};
}

Report MolecularWeight(const Arguments& args)
{
    RefuseOptions(args);
    if (args.size() == 1) {
        return FormulaWeight(args[0]);
    }
    if (args.size() == 0 || args.size() % 2 != 0 ||
        args.size() > 2 * static_cast<std::size_t>(chemistry::kFormulaSlotCount)) {
        throw Refusal{
            "expected weight SYMBOL COUNT, with one to five symbols each followed "
            "by its count (see --help)"};
    }
    std::array<chemistry::FormulaSlot, chemistry::kFormulaSlotCount> formula{};
    List elements;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const int row = RequireElement(args[i]);
        const std::size_t slot = i / 2;
        formula[slot] = {row, RequireWholeNumber("count", args[i + 1])};
        elements.push_back({Record{{"symbol", Text(args[i])},
                                   {"count", {static_cast<double>(formula[slot].count)}}}});
    }
    const chemistry::FormulaOutcome outcome = chemistry::MolecularWeightText(formula);
    if (outcome.message) {
        throw Refusal{std::string(outcome.message->text)};
    }
    return {outcome.result + '\n',
            {{"elements", {std::move(elements)}},
             {"weight", {outcome.weight}},
             {"text", Text(outcome.result)}}};
}

Report Composition(const Arguments& args)
{
    RefuseOptions(args);
    if (args.size() != 1) {
        throw Refusal{"expected composition FORMULA (see --help)"};
    }
    const std::vector<chemistry::ElementCount> elements = RequireFormula(args[0]);
    List shares;
    for (const chemistry::ElementShare& share : chemistry::PercentComposition(elements)) {
        shares.push_back({Record{{"symbol", Text(share.symbol)},
                                 {"percent", {share.percent}},
                                 {"grams_per_mole", {share.gramsPerMole}}}});
    }
    std::string text = chemistry::PercentCompositionText(elements);
    return {text,
            {{"formula", Text(args[0])}, {"elements", {std::move(shares)}}, {"text", Text(text)}}};
}

Report GramsMoles(int mode, const Arguments& args)
{
    RefuseOptions(args);
    const bool toMoles = mode == chemistry::kGramsToMoles;
    if (args.size() != 2) {
        throw Refusal{toMoles ? "expected moles GRAMS WEIGHT (see --help)"
                              : "expected grams MOLES WEIGHT (see --help)"};
    }
    const double given = RequireReal(toMoles ? "grams" : "moles", args[0]);
    const double weight = RequireReal("molecular weight", args[1]);
    const chemistry::ConversionOutcome outcome = chemistry::ConvertAmount(mode, given, weight, 0.0);
    if (outcome.message) {
        throw Refusal{std::string(outcome.message->text)};
    }
    const std::string text = convert::FormatGeneral(outcome.result);
    return {text + '\n',
            {{toMoles ? "grams" : "moles", {given}},
             {"weight", {weight}},
             {toMoles ? "moles" : "grams", {outcome.result}},
             {"text", Text(text)}}};
}

// The formula command's words: the compound's weight, the unknown's, and the pairs.
struct FormulaWords {
    std::optional<double> compound;
    std::optional<double> unknown;
    std::vector<std::string_view> pairs;
};

void ReadOnce(std::optional<double>& into, std::string_view name, std::string_view text)
{
    if (into) {
        throw Refusal{std::string(name) + " is given twice"};
    }
    into = RequireReal(name, text);
}

FormulaWords ReadFormulaWords(const Arguments& args)
{
    FormulaWords words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!args.IsOption(i)) {
            words.pairs.push_back(args[i]);
        } else if (const auto value = OptionValue(args.words, i, "--compound", "a number")) {
            ReadOnce(words.compound, "--compound", *value);
        } else if (const auto weight = OptionValue(args.words, i, "--unknown", "a number")) {
            ReadOnce(words.unknown, "--unknown", *weight);
        } else {
            throw Refusal{"unknown option " + Quoted(args[i]) + " (see --help)"};
        }
    }
    if (!words.compound) {
        throw Refusal{"formula needs --compound GRAMS, the weight of the whole sample"};
    }
    if (words.pairs.size() != 4 && words.pairs.size() != 6) {
        throw Refusal{
            "expected two or three elements, each a SYMBOL followed by its GRAMS "
            "(see --help)"};
    }
    return words;
}

Report Formula(const Arguments& args)
{
    const FormulaWords words = ReadFormulaWords(args);
    chemistry::CompositionInput input{*words.compound, words.unknown.value_or(0.0), {}};
    for (std::size_t i = 0; i < words.pairs.size(); i += 2) {
        const int row = RequireElement(words.pairs[i]);
        // Item 0 of the page's lists is the empty one; item k is row k - 1.
        input.slots[i / 2] = {row + 1, RequireReal("grams", words.pairs[i + 1])};
    }
    const chemistry::CompositionOutcome outcome = chemistry::ComputeComposition(input);
    if (outcome.message) {
        // Every element here has a symbol, so only a weight of 0 can be missing.
        if (outcome.message->text == chemistry::kIncomplete.text) {
            throw Refusal{"the compound weight and the grams of each element must not be 0"};
        }
        throw Refusal{std::string(outcome.message->text)};
    }
    return {outcome.composition + '\n' + outcome.simplestFormula + '\n' + outcome.molecularFormula +
                '\n',
            {{"compound", {*words.compound}},
             {"unknown", words.unknown ? Value{*words.unknown} : Value{}},
             {"composition", Text(outcome.composition)},
             {"simplestFormula", Text(outcome.simplestFormula)},
             {"molecularFormula", Text(outcome.molecularFormula)}}};
}

}  // namespace

bool IsChemistryCommand(std::span<const std::string_view> args)
{
    if (args.empty()) {
        return false;
    }
    const std::string_view command = args[0];
    if (IsWord(command, "weight")) {
        // One word alone that is no number can only be a formula ("2H2O", ""): its
        // refusal then says what is wrong with it.
        return (args.size() >= 2 && LooksLikeFormula(args[1])) ||
               (args.size() == 2 && !convert::ReadReal(args[1]).value);
    }
    return IsWord(command, "element") || IsWord(command, "composition") ||
           IsWord(command, "moles") || IsWord(command, "grams") || IsWord(command, "formula");
}

Report RunChemistry(std::span<const std::string_view> args, std::size_t firstLiteral)
{
    const std::string_view command = args[0];
    const Arguments rest{args.subspan(1), firstLiteral == 0 ? 0 : firstLiteral - 1};
    if (IsWord(command, "element")) {
        return Element(rest);
    }
    if (IsWord(command, "weight")) {
        return MolecularWeight(rest);
    }
    if (IsWord(command, "composition")) {
        return Composition(rest);
    }
    if (IsWord(command, "moles")) {
        return GramsMoles(chemistry::kGramsToMoles, rest);
    }
    if (IsWord(command, "grams")) {
        return GramsMoles(chemistry::kMolesToGrams, rest);
    }
    return Formula(rest);
}

}  // namespace cli
