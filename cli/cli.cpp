#include "cli/cli.h"

#include <algorithm>
#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "chem/elements.h"
#include "cli/chemistry_commands.h"
#include "cli/json.h"
#include "cli/unit_names.h"
#include "convert/categories.h"
#include "convert/temperature_formula.h"
#include "numbers/number_text.h"

namespace cli {
namespace {

constexpr std::string_view kVersion = VELKARI_VERSION;

constexpr std::string_view kUsageLines =
    R"help(Usage: velkari-cli CATEGORY VALUE UNIT [--to UNIT]... [OPTION]...
  or:  velkari-cli CATEGORY - UNIT [--to UNIT]... [OPTION]...
  or:  velkari-cli --list [CATEGORY]
  or:  velkari-cli --names CATEGORY|element
)help";

constexpr std::string_view kConversionHelp =
    R"help(  or:  velkari-cli --help|--version

Converts VALUE from UNIT into every unit of CATEGORY, as the window's tab of
that name does, and prints one line per unit: the value, a tab, the unit.

  CATEGORY           a tab caption, in any case: Angle, Area,
                     "Computer Storage", Cooking, Energy, Frequency, Length,
                     Light, Power, Pressure, Speed, Temperature, Time, Torque,
                     Volume, Weight
  VALUE              a plain decimal number such as 12.5, -3 or 1e-4 ("." is
                     the decimal point); Energy takes a whole number; "-" reads
                     the values from standard input, one a line
  UNIT               a unit's index (from 0), name or abbreviation, in any
                     case, with 2, 3 and u for the squared, cubed and micro
                     signs: "Foot (ft)", foot, ft, feet, m2, m^2, ul, degC;
                     --list CATEGORY shows the units

Options:
  --to UNIT          only this unit; given again, each unit in the order given
  --format FORMAT    plain (the default), tsv, csv or json
  --decimals N       0 to 5 digits after the decimal point (five by default)
  --scientific       every value in exponent form
  --list [CATEGORY]  the categories, or the units of one with their indices
  --names WHAT       every name UNIT accepts in category WHAT, or with WHAT
                     "element" the element symbols
  --help             this help
  --version          the program's name and version
  --                 what follows is not an option: velkari-cli -- Angle -5 0

Values below 0.0001 (zero and negatives included) or above 10000000 are written
in exponent form. Temperature prints the two other scales with three decimals,
then the two formulas it used; --decimals and --scientific do not apply to it.

With one --to, plain output is the value alone. tsv and csv write a header row,
then the value and unit of each result (and its formula for Temperature); csv
quotes a field that holds a comma or a quote. json writes one object: the
category, the value and unit read, decimals, scientific, and the results, each
with its unit, its text as plain shows it and its full-precision value (null
when it is beyond the range of a double); Temperature adds its formulas.

With VALUE "-", every line of standard input is one value (blanks around it
ignored, empty lines skipped), converted as it would be alone. With one --to:
one line per value, or one JSON object a line. Otherwise plain writes each
value's lines and an empty line, tsv and csv a row per value under a header of
the unit names, json one object a line. A line that is not a number stops the
run with its line number; everything before it has been written.

An argument refused exits with status 2 and says why on standard error; output
that cannot be written, with status 1 (see the manual page).

)help";

void WriteUsage(std::ostream& out)
{
    out << kUsageLines << kChemistryCommands << kConversionHelp << kChemistryHelp;
}

// The arguments up to "--", where options end.
std::span<const std::string_view> OptionPart(std::span<const std::string_view> args)
{
    const auto end = std::find(args.begin(), args.end(), "--");
    return args.first(static_cast<std::size_t>(end - args.begin()));
}

bool AsksFor(std::span<const std::string_view> args, std::string_view option,
             std::string_view shortOption = {})
{
    const auto options = OptionPart(args);
    return std::any_of(options.begin(), options.end(), [&](std::string_view arg) {
        return arg == option || (!shortOption.empty() && arg == shortOption);
    });
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

enum class Format { Plain, Tsv, Csv, Json };

Format ReadFormat(std::string_view text)
{
    constexpr std::array<std::pair<std::string_view, Format>, 4> kFormats{{{"plain", Format::Plain},
                                                                           {"tsv", Format::Tsv},
                                                                           {"csv", Format::Csv},
                                                                           {"json", Format::Json}}};
    for (const auto& [name, format] : kFormats) {
        if (text == name) {
            return format;
        }
    }
    throw Refusal{"--format takes plain, tsv, csv or json, not " + Quoted(text)};
}

// "--name VALUE" or "--name=VALUE"; advances i past what it used.
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

// What the command line asks for, once its words are sorted out.
struct Request {
    std::vector<std::string_view> positional;
    std::vector<std::string_view> targets;
    Format format = Format::Plain;
    bool formatGiven = false;
    int decimals = -1;
    int scientific = 0;
    bool list = false;
    bool names = false;
};

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
        } else if (arg == "--list") {
            request.list = true;
        } else if (arg == "--names") {
            request.names = true;
        } else if (arg == "--scientific") {
            request.scientific = 1;
        } else if (const auto number = OptionValue(args, i, "--decimals", "a number from 0 to 5")) {
            const auto reading = convert::ReadWholeNumber(*number);
            if (!reading.value || *reading.value < 0 || *reading.value > 5) {
                throw Refusal{"--decimals takes a number from 0 to 5, not " + Quoted(*number)};
            }
            request.decimals = *reading.value;
        } else if (const auto target = OptionValue(args, i, "--to", "a unit")) {
            request.targets.push_back(*target);
        } else if (const auto format =
                       OptionValue(args, i, "--format", "plain, tsv, csv or json")) {
            request.format = ReadFormat(*format);
            request.formatGiven = true;
        } else {
            throw Refusal{"unknown option " + Quoted(arg) + " (see --help)"};
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
    throw Refusal{"unknown category " + Quoted(name) +
                  " (velkari-cli --list shows the categories)"};
}

bool IsTemperature(const Tab& tab)
{
    return tab.category == nullptr;
}

UnitTexts TextsOf(const Tab& tab)
{
    if (IsTemperature(tab)) {
        return {kTemperature, convert::kTemperatureLabels, convert::kTemperatureListItems};
    }
    return {tab.category->caption, tab.category->labels, tab.category->listItems};
}

std::string_view LabelOf(const Tab& tab, std::size_t unit)
{
    return TextsOf(tab).labels[unit];
}

std::size_t FindUnit(const Tab& tab, std::string_view text)
{
    const UnitTexts units = TextsOf(tab);
    const std::string caption(units.caption);
    const std::size_t count = units.labels.size();
    const auto reading = convert::ReadWholeNumber(text);
    if (reading.value || reading.refusal == convert::NumberRefusal::OutOfRange) {
        if (reading.value && *reading.value >= 0 &&
            static_cast<std::size_t>(*reading.value) < count) {
            return static_cast<std::size_t>(*reading.value);
        }
        throw Refusal{"unit index " + std::string(Trim(text)) + " is not one of " + caption +
                      "'s (0 to " + std::to_string(count - 1) + ")"};
    }
    const std::vector<std::size_t> matches = MatchUnit(units, UnitAliases(), text);
    if (matches.size() == 1) {
        return matches.front();
    }
    if (matches.empty()) {
        throw Refusal{"unknown unit " + Quoted(text) + " for " + caption + " (velkari-cli --list " +
                      Quoted(caption) + " shows its units)"};
    }
    std::string which;
    for (const std::size_t unit : matches) {
        which += (which.empty() ? "" : " or ") + Quoted(units.labels[unit]);
    }
    throw Refusal{"unit " + Quoted(text) + " is ambiguous for " + caption + ": " + which};
}

double ReadValue(const Tab& tab, std::string_view text)
{
    if (!IsTemperature(tab) && tab.category->valueKind == convert::ValueKind::WholeNumber) {
        const auto reading = convert::ReadWholeNumber(text);
        if (!reading.value) {
            throw Refusal{"value " + Quoted(text) + ": " +
                          std::string(convert::WholeRefusalMessage(reading.refusal))};
        }
        return *reading.value;
    }
    const auto reading = convert::ReadReal(text);
    if (!reading.value) {
        throw Refusal{"value " + Quoted(text) + ": " +
                      std::string(convert::RealRefusalMessage(reading.refusal))};
    }
    return *reading.value;
}

// A conversion once its category, unit, targets and format are settled: the same for
// every value of a column.
struct Plan {
    Tab tab;
    std::size_t unit;
    std::vector<std::size_t> targets;  // in output order, every result when none given
    Format format;
    int scientific;
    int decimals;
};

struct Result {
    std::string_view label;
    std::string text;
    double value;
    std::string_view formula;  // Temperature only
};

std::vector<Result> Results(const Plan& plan, double value)
{
    std::vector<Result> results;
    if (IsTemperature(plan.tab)) {
        const auto converted = convert::TemperatureResults(value, static_cast<int>(plan.unit));
        for (const std::size_t target : plan.targets) {
            for (const convert::TemperatureResult& r : converted.value()) {
                if (static_cast<std::size_t>(r.unit) == target) {
                    results.push_back({convert::kTemperatureLabels[target],
                                       convert::FormatFixed(r.value, 3), r.value, r.formula});
                }
            }
        }
        return results;
    }
    const auto products =
        convert::ConvertProducts(*plan.tab.category, value, static_cast<int>(plan.unit));
    if (!products) {
        throw Refusal{"the " + std::string(plan.tab.category->caption) +
                      " tab has no conversion data yet"};
    }
    for (const std::size_t target : plan.targets) {
        const double product = (*products)[target];
        results.push_back({plan.tab.category->labels[target],
                           convert::FormatProduct(product, plan.scientific, plan.decimals),
                           product,
                           {}});
    }
    return results;
}

Plan MakePlan(const Request& request, const Tab& tab)
{
    Plan plan{tab,
              FindUnit(tab, request.positional[2]),
              {},
              request.format,
              request.scientific,
              request.decimals};
    if (IsTemperature(tab)) {
        if (request.decimals >= 0 || request.scientific != 0) {
            throw Refusal{
                "Temperature always writes three decimals; --decimals and --scientific do "
                "not apply to it"};
        }
        std::vector<std::size_t> results;
        const auto converted = convert::TemperatureResults(0, static_cast<int>(plan.unit));
        for (const auto& r : converted.value()) {
            results.push_back(static_cast<std::size_t>(r.unit));
        }
        for (const std::string_view target : request.targets) {
            const std::size_t unit = FindUnit(tab, target);
            if (std::find(results.begin(), results.end(), unit) == results.end()) {
                throw Refusal{"Temperature converts into the two other scales only, so not into " +
                              Quoted(LabelOf(tab, unit))};
            }
            plan.targets.push_back(unit);
        }
        if (plan.targets.empty()) {
            plan.targets = results;
        }
        return plan;
    }
    for (const std::string_view target : request.targets) {
        plan.targets.push_back(FindUnit(tab, target));
    }
    if (plan.targets.empty()) {
        for (std::size_t k = 0; k < tab.category->labels.size(); ++k) {
            plan.targets.push_back(k);
        }
    }
    return plan;
}

// One row of tsv or csv, ended by a line feed. csv quotes a field only when it holds a
// comma, a quote or a line break, doubling its quotes.
void AppendRow(std::string& text, Format format, std::span<const std::string_view> fields)
{
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first) {
            text += format == Format::Csv ? ',' : '\t';
        }
        first = false;
        if (format == Format::Csv && field.find_first_of(",\"\r\n") != std::string_view::npos) {
            text += '"';
            for (const char c : field) {
                text += c;
                if (c == '"') {
                    text += '"';
                }
            }
            text += '"';
        } else {
            text += field;
        }
    }
    text += '\n';
}

bool HasFormulas(const Plan& plan)
{
    return IsTemperature(plan.tab);
}

// The header of a single value's tsv or csv rows.
std::string ResultHeader(const Plan& plan)
{
    std::string text;
    if (HasFormulas(plan)) {
        AppendRow(text, plan.format, std::array<std::string_view, 3>{"value", "unit", "formula"});
    } else {
        AppendRow(text, plan.format, std::array<std::string_view, 2>{"value", "unit"});
    }
    return text;
}

void AppendResultRows(std::string& text, const Plan& plan, const std::vector<Result>& results)
{
    for (const Result& r : results) {
        if (HasFormulas(plan)) {
            AppendRow(text, plan.format,
                      std::array<std::string_view, 3>{r.text, r.label, r.formula});
        } else {
            AppendRow(text, plan.format, std::array<std::string_view, 2>{r.text, r.label});
        }
    }
}

std::string JsonObject(const Plan& plan, double value, const std::vector<Result>& results)
{
    const bool temperature = IsTemperature(plan.tab);
    std::string json = "{\"category\":" + JsonString(TextsOf(plan.tab).caption) +
                       ",\"value\":" + JsonNumber(value) +
                       ",\"unit\":" + JsonString(LabelOf(plan.tab, plan.unit)) + ",\"decimals\":" +
                       std::to_string(temperature          ? 3
                                      : plan.decimals >= 0 ? plan.decimals
                                                           : 5) +
                       ",\"scientific\":" + (plan.scientific != 0 ? "true" : "false") +
                       ",\"results\":[";
    for (std::size_t i = 0; i < results.size(); ++i) {
        json += (i == 0 ? "{\"unit\":" : ",{\"unit\":") + JsonString(results[i].label) +
                ",\"text\":" + JsonString(results[i].text) +
                ",\"value\":" + JsonNumber(results[i].value) + "}";
    }
    json += "]";
    if (temperature) {
        json += ",\"formulas\":[";
        for (std::size_t i = 0; i < results.size(); ++i) {
            json += i == 0 ? "" : ",";
            json += JsonString(results[i].formula);
        }
        json += "]";
    }
    json += "}\n";
    return json;
}

// The plain lines of one value: value and unit, then Temperature's formulas.
void AppendPlainBlock(std::string& text, const std::vector<Result>& results)
{
    for (const Result& r : results) {
        text += r.text;
        text += '\t';
        text += r.label;
        text += '\n';
    }
    for (const Result& r : results) {
        if (!r.formula.empty()) {
            text += r.formula;
            text += '\n';
        }
    }
}

// One value's output, alone or as one value of a column.
std::string Output(const Plan& plan, double value, bool column)
{
    const std::vector<Result> results = Results(plan, value);
    const bool oneTarget = plan.targets.size() == 1;
    std::string text;
    switch (plan.format) {
        case Format::Json:
            return JsonObject(plan, value, results);
        case Format::Plain:
            if (oneTarget) {
                text = results.front().text + '\n';
            } else {
                AppendPlainBlock(text, results);
                if (column) {
                    text += '\n';
                }
            }
            return text;
        case Format::Tsv:
        case Format::Csv:
            if (!column) {
                text = ResultHeader(plan);
            }
            if (column && !oneTarget) {
                std::vector<std::string_view> row;
                row.reserve(results.size());
                for (const Result& r : results) {
                    row.push_back(r.text);
                }
                AppendRow(text, plan.format, row);
            } else {
                AppendResultRows(text, plan, results);
            }
            return text;
    }
    return text;
}

// The header of a column's tsv or csv output.
std::string ColumnHeader(const Plan& plan)
{
    if (plan.format != Format::Tsv && plan.format != Format::Csv) {
        return {};
    }
    if (plan.targets.size() == 1) {
        return ResultHeader(plan);
    }
    std::vector<std::string_view> labels;
    for (const std::size_t target : plan.targets) {
        labels.push_back(LabelOf(plan.tab, target));
    }
    std::string text;
    AppendRow(text, plan.format, labels);
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
        throw Refusal{"expected CATEGORY VALUE UNIT, got " +
                      std::to_string(request.positional.size()) + " argument(s) (see --help)"};
    }
    return RequireTab(request.positional[0]);
}

void Convert(const Request& request, std::ostream& out)
{
    const Tab tab = RequireConversion(request);
    const double value = ReadValue(tab, request.positional[1]);
    out << Output(MakePlan(request, tab), value, false);
}

// The lines of an input, read a large block at a time; memory stays one block however
// long the input.
class LineReader {
public:
    // A line longer than this is no number; it is refused rather than gathered.
    static constexpr std::size_t kLongestLine = 4095;

    explicit LineReader(std::istream& in) : m_in(in) {}

    // The next line without its line end; empty at the end of the input, or when the
    // line is longer than kLongestLine (then tooLong() says so).
    std::optional<std::string_view> Next()
    {
        for (;;) {
            const std::string_view rest(m_buffer.data() + m_begin, m_end - m_begin);
            if (const auto end = rest.find('\n'); end != std::string_view::npos) {
                m_begin += end + 1;
                return Checked(rest.substr(0, end));
            }
            if (m_atEnd) {
                m_begin = m_end;
                return rest.empty() ? std::nullopt : Checked(rest);
            }
            if (rest.size() > kLongestLine) {
                m_tooLong = true;
                return std::nullopt;
            }
            std::copy(rest.begin(), rest.end(), m_buffer.begin());
            m_begin = 0;
            m_end = rest.size();
            const auto got = m_in.rdbuf()->sgetn(
                m_buffer.data() + m_end, static_cast<std::streamsize>(m_buffer.size() - m_end));
            m_atEnd = got <= 0;
            m_end += m_atEnd ? 0 : static_cast<std::size_t>(got);
        }
    }

    bool tooLong() const { return m_tooLong; }

private:
    std::optional<std::string_view> Checked(std::string_view line)
    {
        if (line.size() > kLongestLine) {
            m_tooLong = true;
            return std::nullopt;
        }
        return line;
    }

    std::istream& m_in;
    std::array<char, 1 << 16> m_buffer{};
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    bool m_tooLong = false;
};

// Values one a line from `in`, each converted as a single call would convert it. The
// output is gathered in blocks and written as it grows; a refused line stops the run
// after everything before it has been written whole.
int ConvertColumn(const Request& request, std::istream& in, std::ostream& out, std::ostream& err)
{
    const Tab tab = RequireConversion(request);
    const Plan plan = MakePlan(request, tab);
    constexpr std::size_t kBlock = 1 << 16;
    std::string pending = ColumnHeader(plan);
    pending.reserve(2 * kBlock);
    // The common case of a script, one unit in plain text, without the general path's
    // result records.
    const bool justText =
        plan.format == Format::Plain && plan.targets.size() == 1 && !IsTemperature(plan.tab);
    auto refuse = [&](long number, std::string_view why) {
        out << pending << std::flush;
        err << "velkari-cli: line " << number << ": " << why << '\n';
        return kBadArguments;
    };
    LineReader lines(in);
    long number = 0;
    while (const auto line = lines.Next()) {
        ++number;
        std::string_view text = *line;
        if (text.ends_with('\r')) {
            text.remove_suffix(1);
        }
        if (Trim(text).empty()) {
            continue;
        }
        try {
            const double value = ReadValue(tab, text);
            if (justText) {
                const auto product =
                    convert::ConvertProduct(*tab.category, value, static_cast<int>(plan.unit),
                                            static_cast<int>(plan.targets.front()));
                if (!product) {
                    throw Refusal{"the " + std::string(tab.category->caption) +
                                  " tab has no conversion data yet"};
                }
                pending += convert::FormatProduct(*product, plan.scientific, plan.decimals);
                pending += '\n';
            } else {
                pending += Output(plan, value, true);
            }
        } catch (const Refusal& refusal) {
            return refuse(number, refusal.message);
        }
        if (pending.size() >= kBlock) {
            if (!out.write(pending.data(), static_cast<std::streamsize>(pending.size()))) {
                return kWriteFailed;
            }
            pending.clear();
        }
    }
    if (lines.tooLong()) {
        return refuse(number + 1, "longer than " + std::to_string(LineReader::kLongestLine) +
                                      " characters, not a number");
    }
    out << pending;
    return kSuccess;
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
    const UnitTexts units = TextsOf(RequireTab(request.positional[0]));
    for (std::size_t i = 0; i < units.labels.size(); ++i) {
        out << i << '\t' << Trim(units.listItems[i]) << '\n';
    }
}

// For shell completion: every name UNIT takes in a category, or the element symbols.
void Names(const Request& request, std::ostream& out)
{
    if (request.positional.size() != 1) {
        throw Refusal{"--names takes one category, or \"element\""};
    }
    if (SameName(request.positional[0], "element")) {
        for (int row = 0; row < chemistry::kElementCount; ++row) {
            out << chemistry::FindElement(row)->symbol << '\n';
        }
        return;
    }
    const UnitTexts units = TextsOf(RequireTab(request.positional[0]));
    for (std::size_t unit = 0; unit < units.labels.size(); ++unit) {
        const std::string_view item = Trim(units.listItems[unit]);
        out << item << '\n';
        for (const std::string& name : NamesOfUnit(units, UnitAliases(), unit)) {
            if (name != FoldName(item)) {
                out << name << '\n';
            }
        }
    }
}

// The chemistry commands take --format json or plain, and options of their own.
void Chemistry(std::span<const std::string_view> args, std::ostream& out)
{
    std::vector<std::string_view> rest;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (const auto format = OptionValue(args, i, "--format", "plain or json")) {
            const Format chosen = ReadFormat(*format);
            if (chosen == Format::Tsv || chosen == Format::Csv) {
                throw Refusal{"the chemistry commands write plain or json, not " + Quoted(*format)};
            }
            json = chosen == Format::Json;
        } else if (args[i] == "--decimals" || args[i].starts_with("--decimals=") ||
                   args[i] == "--scientific") {
            throw Refusal{std::string(args[i].substr(0, args[i].find('='))) +
                          " is for the conversions; the chemistry commands write their results "
                          "as the chemistry pages do"};
        } else {
            rest.push_back(args[i]);
        }
    }
    RunChemistry(rest, out, json);
}

// "--format json element Fe" as "element Fe --format json": the command comes first.
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

}  // namespace

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

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
            List(request, result);
        } else if (request.names) {
            Names(request, result);
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
