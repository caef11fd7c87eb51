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
#include "cli/json.h"
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
                     unless --unknown gives the compound's molecular weight

A SYMBOL is written as in the periodic table, capitals as there: "Fe", "Tl".
Counts are whole numbers; GRAMS, MOLES and WEIGHT are plain decimal numbers.
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

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return lower;
}

bool IsWord(std::string_view arg, std::string_view command)
{
    return Lower(arg) == command;
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

void RefuseOptions(std::span<const std::string_view> args)
{
    for (const std::string_view arg : args) {
        if (arg.starts_with("--")) {
            throw Refusal{"unknown option " + Quoted(arg) + " (see --help)"};
        }
    }
}

void Element(std::span<const std::string_view> args, std::ostream& out, bool json)
{
    RefuseOptions(args);
    if (args.size() != 1) {
        throw Refusal{"expected element SYMBOL (see --help)"};
    }
    std::string fields;
    for (const chemistry::PeriodicLine& line :
         chemistry::PeriodicLinesFor(RequireElement(args[0]))) {
        if (!json) {
            out << line.label << ": " << line.text << '\n';
        }
        fields += fields.empty() ? "" : ",";
        fields += JsonString(line.label) + ":" + JsonString(line.text);
    }
    if (json) {
        out << "{\"symbol\":" << JsonString(args[0]) << ",\"fields\":{" << fields << "}}\n";
    }
}

void MolecularWeight(std::span<const std::string_view> args, std::ostream& out, bool json)
{
    RefuseOptions(args);
    if (args.size() == 1) {
        const std::string text = chemistry::FormulaWeightText(RequireFormula(args[0]));
        if (json) {
            out << "{\"formula\":" << JsonString(args[0]) << ",\"text\":" << JsonString(text)
                << "}\n";
        } else {
            out << text << '\n';
        }
        return;
    }
    if (args.empty() || args.size() % 2 != 0 ||
        args.size() > 2 * static_cast<std::size_t>(chemistry::kFormulaSlotCount)) {
        throw Refusal{
            "expected weight SYMBOL COUNT, with one to five symbols each followed "
            "by its count (see --help)"};
    }
    std::array<chemistry::FormulaSlot, chemistry::kFormulaSlotCount> formula{};
    std::string elements;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const int row = RequireElement(args[i]);
        formula[i / 2] = {row, RequireWholeNumber("count", args[i + 1])};
        elements += std::string(i == 0 ? "" : ",") + "{\"symbol\":" + JsonString(args[i]) +
                    ",\"count\":" + std::to_string(formula[i / 2].count) + "}";
    }
    const chemistry::FormulaOutcome outcome = chemistry::MolecularWeightText(formula);
    if (outcome.message) {
        throw Refusal{std::string(outcome.message->text)};
    }
    if (json) {
        out << "{\"elements\":[" << elements << "],\"text\":" << JsonString(outcome.result)
            << "}\n";
        return;
    }
    out << outcome.result << '\n';
}

void Composition(std::span<const std::string_view> args, std::ostream& out, bool json)
{
    RefuseOptions(args);
    if (args.size() != 1) {
        throw Refusal{"expected composition FORMULA (see --help)"};
    }
    const std::vector<chemistry::ElementCount> elements = RequireFormula(args[0]);
    if (!json) {
        out << chemistry::PercentCompositionText(elements);
        return;
    }
    std::string shares;
    for (const chemistry::ElementShare& share : chemistry::PercentComposition(elements)) {
        shares += shares.empty() ? "{\"symbol\":" : ",{\"symbol\":";
        shares += JsonString(share.symbol) + ",\"percent\":" + JsonNumber(share.percent) +
                  ",\"grams_per_mole\":" + JsonNumber(share.gramsPerMole) + "}";
    }
    out << "{\"formula\":" << JsonString(args[0]) << ",\"elements\":[" << shares
        << "],\"text\":" << JsonString(chemistry::PercentCompositionText(elements)) << "}\n";
}

void GramsMoles(int mode, std::span<const std::string_view> args, std::ostream& out, bool json)
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
    if (json) {
        out << "{" << (toMoles ? "\"grams\":" : "\"moles\":") << JsonNumber(given)
            << ",\"weight\":" << JsonNumber(weight) << (toMoles ? ",\"moles\":" : ",\"grams\":")
            << JsonNumber(outcome.result)
            << ",\"text\":" << JsonString(convert::FormatGeneral(outcome.result)) << "}\n";
        return;
    }
    out << convert::FormatGeneral(outcome.result) << '\n';
}

// "--name VALUE" or "--name=VALUE"; advances i past what it used.
std::optional<std::string_view> OptionValue(std::span<const std::string_view> args, std::size_t& i,
                                            std::string_view name)
{
    const std::string_view arg = args[i];
    if (arg == name) {
        if (i + 1 == args.size()) {
            throw Refusal{std::string(name) + " needs a number"};
        }
        return args[++i];
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
        return arg.substr(name.size() + 1);
    }
    return std::nullopt;
}

void Formula(std::span<const std::string_view> args, std::ostream& out, bool json)
{
    std::optional<double> compound;
    std::optional<double> unknown;
    std::vector<std::string_view> pairs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (const auto value = OptionValue(args, i, "--compound")) {
            if (compound) {
                throw Refusal{"--compound is given twice"};
            }
            compound = RequireReal("--compound", *value);
        } else if (const auto weight = OptionValue(args, i, "--unknown")) {
            if (unknown) {
                throw Refusal{"--unknown is given twice"};
            }
            unknown = RequireReal("--unknown", *weight);
        } else if (args[i].starts_with("--")) {
            throw Refusal{"unknown option " + Quoted(args[i]) + " (see --help)"};
        } else {
            pairs.push_back(args[i]);
        }
    }
    if (!compound) {
        throw Refusal{"formula needs --compound GRAMS, the weight of the whole sample"};
    }
    if (pairs.size() != 4 && pairs.size() != 6) {
        throw Refusal{
            "expected two or three elements, each a SYMBOL followed by its GRAMS "
            "(see --help)"};
    }
    chemistry::CompositionInput input{*compound, unknown.value_or(0.0), {}};
    for (std::size_t i = 0; i < pairs.size(); i += 2) {
        const int row = RequireElement(pairs[i]);
        // Item 0 of the page's lists is the empty one; item k is row k - 1.
        input.slots[i / 2] = {row + 1, RequireReal("grams", pairs[i + 1])};
    }
    const chemistry::CompositionOutcome outcome = chemistry::ComputeComposition(input);
    if (outcome.message) {
        // Every element here has a symbol, so only a weight of 0 can be missing.
        if (outcome.message->text == chemistry::kIncomplete.text) {
            throw Refusal{"the compound weight and the grams of each element must not be 0"};
        }
        throw Refusal{std::string(outcome.message->text)};
    }
    if (json) {
        out << "{\"compound\":" << JsonNumber(*compound)
            << ",\"unknown\":" << (unknown ? JsonNumber(*unknown) : "null")
            << ",\"composition\":" << JsonString(outcome.composition)
            << ",\"simplestFormula\":" << JsonString(outcome.simplestFormula)
            << ",\"molecularFormula\":" << JsonString(outcome.molecularFormula) << "}\n";
        return;
    }
    out << outcome.composition << '\n'
        << outcome.simplestFormula << '\n'
        << outcome.molecularFormula << '\n';
}

}  // namespace

bool IsChemistryCommand(std::span<const std::string_view> args)
{
    if (args.empty()) {
        return false;
    }
    const std::string_view command = args[0];
    if (IsWord(command, "weight")) {
        return args.size() >= 2 && LooksLikeFormula(args[1]);
    }
    return IsWord(command, "element") || IsWord(command, "composition") ||
           IsWord(command, "moles") || IsWord(command, "grams") || IsWord(command, "formula");
}

void RunChemistry(std::span<const std::string_view> args, std::ostream& out, bool json)
{
    const std::string_view command = args[0];
    const std::span<const std::string_view> rest = args.subspan(1);
    if (IsWord(command, "element")) {
        Element(rest, out, json);
    } else if (IsWord(command, "weight")) {
        MolecularWeight(rest, out, json);
    } else if (IsWord(command, "composition")) {
        Composition(rest, out, json);
    } else if (IsWord(command, "moles")) {
        GramsMoles(chemistry::kGramsToMoles, rest, out, json);
    } else if (IsWord(command, "grams")) {
        GramsMoles(chemistry::kMolesToGrams, rest, out, json);
    } else {
        Formula(rest, out, json);
    }
}

}  // namespace cli
