#include "cli/cli.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/chemistry_commands.h"
#include "convert/categories.h"
#include "convert/temperature_formula.h"
#include "numbers/number_text.h"

namespace cli {
namespace {

constexpr std::string_view kUsageLines =
    R"(Usage: velkari-cli CATEGORY VALUE UNIT [--decimals N] [--scientific]
  or:  velkari-cli --list [CATEGORY]
)";

constexpr std::string_view kConversionHelp =
    R"(  or:  velkari-cli --help

Converts VALUE from UNIT into every unit of CATEGORY, as the window's tab of that
name does, and prints one line per unit: the value, a tab character, the unit.

  CATEGORY      a tab caption, in any case: Angle, Area, "Computer Storage", Cooking,
                Energy, Frequency, Length, Light, Power, Pressure, Speed, Temperature,
                Time, Torque, Volume, Weight
  VALUE         a plain decimal number such as 12.5, -3 or 1e-4 ("." is the decimal
                point); Energy takes a whole number
  UNIT          a unit's index (from 0) or its name, in any case; --list CATEGORY
                shows both
  --decimals N  0 to 5 digits after the decimal point (five when not given)
  --scientific  every value in exponent form

Values below 0.0001 (zero and negatives included) or above 10000000 are written in
exponent form. Temperature prints the two other scales with three decimals, then the
two formulas it used.

)";

constexpr std::string_view kExitStatus =
    R"(
Exit status: 0 on success, 2 when an argument is refused (the reason goes to
standard error and nothing to standard output).
)";

void WriteUsage(std::ostream& out)
{
    out << kUsageLines << kChemistryCommands << kConversionHelp << kChemistryHelp << kExitStatus;
}

bool AsksForHelp(std::span<const std::string_view> args)
{
    return std::any_of(args.begin(), args.end(),
                       [](std::string_view arg) { return arg == "--help" || arg == "-h"; });
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return lower;
}

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    return Lower(Trim(a)) == Lower(Trim(b));
}

// What the command line asks for, once its words are sorted out.
struct Request {
    std::vector<std::string_view> positional;
    int decimals = -1;
    int scientific = 0;
    bool list = false;
    bool help = false;
};

Request Parse(std::span<const std::string_view> args)
{
    Request request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            request.help = true;
        } else if (arg == "--list") {
            request.list = true;
        } else if (arg == "--scientific") {
            request.scientific = 1;
        } else if (arg == "--decimals" || arg.starts_with("--decimals=")) {
            std::string_view number;
            if (arg == "--decimals") {
                if (i + 1 == args.size()) {
                    throw Refusal{"--decimals needs a number from 0 to 5"};
                }
                number = args[++i];
            } else {
                number = arg.substr(std::string_view("--decimals=").size());
            }
            const auto reading = convert::ReadWholeNumber(number);
            if (!reading.value || *reading.value < 0 || *reading.value > 5) {
                throw Refusal{"--decimals takes a number from 0 to 5, not \"" +
                              std::string(number) + "\""};
            }
            request.decimals = *reading.value;
        } else if (arg.starts_with("--")) {
            throw Refusal{"unknown option \"" + std::string(arg) + "\" (see --help)"};
        } else {
            // Anything else, "-5" included, is a category, value or unit.
            request.positional.push_back(arg);
        }
    }
    return request;
}

constexpr std::string_view kTemperature = "Temperature";

// A category of the window's tabs: a factor-table one, or Temperature (null).
struct Tab {
    const convert::Category* category;
};

std::optional<Tab> FindTab(std::string_view name)
{
    for (const convert::Category* category : convert::kConverterCategories) {
        if (SameName(name, category->caption)) {
            return Tab{category};
        }
    }
    if (SameName(name, kTemperature)) {
        return Tab{nullptr};
    }
    return std::nullopt;
}

Tab RequireTab(std::string_view name)
{
    if (const auto tab = FindTab(name)) {
        return *tab;
    }
    throw Refusal{"unknown category \"" + std::string(name) +
                  "\" (velkari-cli --list shows the categories)"};
}

// The unit texts of a tab: list items and labels, in unit order.
struct UnitNames {
    std::span<const std::string_view> listItems;
    std::span<const std::string_view> labels;
};

UnitNames NamesOf(const Tab& tab)
{
    if (tab.category == nullptr) {
        return {convert::kTemperatureListItems, convert::kTemperatureLabels};
    }
    return {tab.category->listItems, tab.category->labels};
}

std::string_view CaptionOf(const Tab& tab)
{
    return tab.category != nullptr ? tab.category->caption : kTemperature;
}

int FindUnit(const Tab& tab, std::string_view text)
{
    const UnitNames names = NamesOf(tab);
    const int count = static_cast<int>(names.labels.size());
    if (const auto index = convert::ReadWholeNumber(text).value) {
        if (*index >= 0 && *index < count) {
            return *index;
        }
        throw Refusal{"unit index " + std::to_string(*index) + " is not one of " +
                      std::string(CaptionOf(tab)) + "'s (0 to " + std::to_string(count - 1) + ")"};
    }
    for (int i = 0; i < count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (SameName(text, names.listItems[k]) || SameName(text, names.labels[k])) {
            return i;
        }
    }
    // "celsius" for "Celsius (°C)": the name without its abbreviation, when only one
    // unit has it.
    std::optional<int> shortMatch;
    for (int i = 0; i < count; ++i) {
        const std::string_view label = names.labels[static_cast<std::size_t>(i)];
        if (SameName(text, label.substr(0, label.find('(')))) {
            if (shortMatch) {
                throw Refusal{"unit \"" + std::string(text) + "\" is ambiguous for " +
                              std::string(CaptionOf(tab))};
            }
            shortMatch = i;
        }
    }
    if (shortMatch) {
        return *shortMatch;
    }
    throw Refusal{"unknown unit \"" + std::string(text) + "\" for " + std::string(CaptionOf(tab)) +
                  " (velkari-cli --list \"" + std::string(CaptionOf(tab)) + "\" shows its units)"};
}

double ReadValue(const Tab& tab, std::string_view text)
{
    if (tab.category != nullptr && tab.category->valueKind == convert::ValueKind::WholeNumber) {
        const auto reading = convert::ReadWholeNumber(text);
        if (!reading.value) {
            throw Refusal{"value \"" + std::string(text) +
                          "\": " + std::string(convert::WholeRefusalMessage(reading.refusal))};
        }
        return *reading.value;
    }
    const auto reading = convert::ReadReal(text);
    if (!reading.value) {
        throw Refusal{"value \"" + std::string(text) +
                      "\": " + std::string(convert::RealRefusalMessage(reading.refusal))};
    }
    return *reading.value;
}

// Pairs the lines of two "\r\n"-separated texts as "value<TAB>label".
void WriteColumns(std::ostream& out, std::string_view values, std::string_view labels)
{
    auto nextLine = [](std::string_view& text) {
        const auto end = text.find("\r\n");
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 2);
        return line;
    };
    while (!values.empty() || !labels.empty()) {
        const std::string_view value = nextLine(values);
        out << value << '\t' << nextLine(labels) << '\n';
    }
}

void WriteLines(std::ostream& out, std::string_view text)
{
    std::size_t end = 0;
    while ((end = text.find("\r\n")) != std::string_view::npos) {
        out << text.substr(0, end) << '\n';
        text.remove_prefix(end + 2);
    }
    out << text << '\n';
}

void Convert(const Request& request, std::ostream& out)
{
    if (request.positional.size() != 3) {
        throw Refusal{"expected CATEGORY VALUE UNIT, got " +
                      std::to_string(request.positional.size()) + " argument(s) (see --help)"};
    }
    const Tab tab = RequireTab(request.positional[0]);
    const double value = ReadValue(tab, request.positional[1]);
    const int unit = FindUnit(tab, request.positional[2]);
    if (tab.category == nullptr) {
        const auto text = convert::ConvertTemperature(value, unit);
        WriteColumns(out, text->values, text->labels);
        WriteLines(out, text->formula);
        return;
    }
    const auto text =
        convert::ConvertAll(*tab.category, value, unit, request.scientific, request.decimals);
    if (!text) {
        throw Refusal{"the " + std::string(tab.category->caption) +
                      " tab has no conversion data yet"};
    }
    WriteColumns(out, text->values, text->labels);
}

void List(const Request& request, std::ostream& out)
{
    if (request.positional.empty()) {
        for (const convert::Category* category : convert::kConverterCategories) {
            out << category->caption << '\n';
            if (category == &convert::kSpeed) {
                out << kTemperature << '\n';  // between Speed and Time, as on the tabs
            }
        }
        return;
    }
    if (request.positional.size() > 1) {
        throw Refusal{"--list takes at most one category"};
    }
    const UnitNames names = NamesOf(RequireTab(request.positional[0]));
    for (std::size_t i = 0; i < names.labels.size(); ++i) {
        out << i << '\t' << Trim(names.listItems[i]) << '\n';
    }
}

}  // namespace

int Run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    // Results are gathered first so that a refusal leaves standard output empty.
    std::ostringstream result;
    try {
        // A chemistry command has options of its own, which the conversions' parsing
        // would refuse.
        if (IsChemistryCommand(args)) {
            if (AsksForHelp(args)) {
                WriteUsage(result);
            } else {
                RunChemistry(args, result);
            }
        } else if (const Request request = Parse(args); request.help) {
            WriteUsage(result);
        } else if (request.list) {
            List(request, result);
        } else if (args.empty()) {
            throw Refusal{"nothing to convert (see --help)"};
        } else {
            Convert(request, result);
        }
    } catch (const Refusal& refusal) {
        err << "velkari-cli: " << refusal.message << '\n';
        return kBadArguments;
    }
    out << result.str();
    return kSuccess;
}

}  // namespace cli
