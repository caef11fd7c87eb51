// The built velkari-cli, run as a script would run it: whole standard output,
// standard error and exit status compared.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <ostream>
#include <random>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "cli/plan.h"
#include "convert/unit_names.h"
#include "numbers/number_text.h"

extern char** environ;

namespace {

struct Outcome {
    std::string out;
    std::string err;
    int status = -1;
};

// Where the program's standard output goes: a pipe the test reads, a file such as
// /dev/full, or a pipe whose reader has gone.
struct Stdout {
    const char* file = nullptr;
    bool readerGone = false;
};

// Where standard input comes from instead of `input`: a file such as a directory, which
// cannot be read, or nothing (closed).
struct Stdin {
    const char* file = nullptr;
    bool closed = false;
};

// velkari-cli's argument vector for posix_spawn: its path, args (which must outlive it),
// and the null that ends it.
std::vector<char*> ArgumentVector(const std::vector<std::string>& args)
{
    std::vector<char*> argv{const_cast<char*>(VELKARI_CLI)};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    return argv;
}

// Runs the program with the arguments and `input` as its standard input. Standard input
// and error are files, so that only standard output is a pipe, read to its end here, and
// neither side can stall on a full one.
Outcome RunCli(const std::vector<std::string>& args, const std::string& input = {}, Stdout to = {},
               Stdin from = {})
{
    std::FILE* in = std::tmpfile();
    std::FILE* err = std::tmpfile();
    if (in == nullptr || err == nullptr ||
        std::fwrite(input.data(), 1, input.size(), in) != input.size() || std::fflush(in) != 0 ||
        lseek(fileno(in), 0, SEEK_SET) != 0) {
        throw std::runtime_error("cannot write the input");
    }
    std::array<int, 2> outPipe{-1, -1};
    if (to.file == nullptr && pipe(outPipe.data()) != 0) {
        throw std::runtime_error("pipe failed");
    }
    if (to.readerGone) {
        close(outPipe[0]);
        outPipe[0] = -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (from.closed) {
        posix_spawn_file_actions_addclose(&actions, STDIN_FILENO);
    } else if (from.file != nullptr) {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, from.file, O_RDONLY, 0);
    } else {
        posix_spawn_file_actions_adddup2(&actions, fileno(in), STDIN_FILENO);
    }
    if (to.file != nullptr) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, to.file, O_WRONLY, 0);
    } else {
        posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    }
    posix_spawn_file_actions_adddup2(&actions, fileno(err), STDERR_FILENO);
    for (const int fd : {outPipe[0], outPipe[1], fileno(in), fileno(err)}) {
        if (fd >= 0) {
            posix_spawn_file_actions_addclose(&actions, fd);
        }
    }
    std::vector<char*> argv = ArgumentVector(args);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, VELKARI_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    std::fclose(in);
    if (outPipe[1] >= 0) {
        close(outPipe[1]);
    }
    Outcome outcome;
    std::array<char, 4096> buffer{};
    for (ssize_t got = 0; spawned == 0 && outPipe[0] >= 0 &&
                          (got = read(outPipe[0], buffer.data(), buffer.size())) > 0;) {
        outcome.out.append(buffer.data(), static_cast<std::size_t>(got));
    }
    if (outPipe[0] >= 0) {
        close(outPipe[0]);
    }
    if (spawned != 0) {
        std::fclose(err);
        throw std::runtime_error(std::string("cannot run ") + VELKARI_CLI);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    // As a shell reports it: 128 + the signal that ended the program.
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::rewind(err);
    for (std::size_t got = 0; (got = std::fread(buffer.data(), 1, buffer.size(), err)) > 0;) {
        outcome.err.append(buffer.data(), got);
    }
    std::fclose(err);
    return outcome;
}

std::string Describe(const std::vector<std::string>& args)
{
    std::string text = "velkari-cli";
    for (const std::string& arg : args) {
        text += " '" + (arg.size() > 80 ? arg.substr(0, 80) + "..." : arg) + "'";
    }
    return text;
}

struct Success {
    std::vector<std::string> args;
    std::string out;
};

void PrintTo(const Success& c, std::ostream* os)
{
    *os << Describe(c.args);
}

class Prints : public ::testing::TestWithParam<Success> {};

TEST_P(Prints, ExactlyTheseLines)
{
    const Outcome run = RunCli(GetParam().args);
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Prints,
    ::testing::Values(
        Success{{"Angle", "90", "Degrees", "--decimals", "2"},
                "1.57\tRadians\n100.00\tGradients\n90.00\tDegrees\n5400.00\tMinutes\n"
                "324000.00\tSeconds\n"},
        Success{{"Temperature", "100", "Celsius"},
                "212.000\tFarenheit(°F)\n373.150\tKelvin(K)\n"
                "Farenheit = [ (9/5) * Celsius ] + 32\nKelvin      = Celsius +273.15\n"},
        // A number after "Weight" asks for the Weight conversion.
        Success{{"Weight", "1", "Kilogram", "--decimals", "0"},
                "1.000000e-06\tKilotonne\n0\tTonne\n0\tCentner\n1\tKilogram (kg)\n"
                "1000\tGram (g)\n100000\tCentigram\n1000000\tMilligram (mg)\n"
                "1.000000e+09\tMicrogram (mcg)\n2\tPound (lb) (Avoir)\n35\tOunce (Avoir)\n"
                "10\tNewton (N)\n5000\tCarat\n"},
        Success{{"element", "Fe"},
                "Name: Iron\nGroup: Transition Metal\nBlock: d\n"
                "Atomic Mass (Atomic Weight): 55.845\nAtomic Number: 26\n"
                "Electronegativity: 1.8\nOxidation No.: 6,3,2,0,-2\n"
                "Electronic Distribution: 1s // 2s // 2p // 3s // 3p // 4s // 3d // \n"},
        // An element symbol after "weight" asks for the molecular weight.
        Success{{"weight", "H", "2", "S", "1", "O", "4"}, "H2S1O4 = 98.079    grams/moles\n"},
        Success{{"Weight", "Tl", "1"}, "Tl1 = 204.383    grams/moles\n"},
        // A formula prints what its slots print.
        Success{{"weight", "H2SO4"}, "H2S1O4 = 98.079    grams/moles\n"},
        Success{{"composition", " CuSO4*5H2O"},
                "Cu\t25.450\t63.546\nS\t12.843\t32.066\nO\t57.670\t143.995\n"
                "H\t4.037\t10.079\nTotal\t100.000\t249.686\n"},
        Success{{"moles", "36.03", "18.015"}, "2\n"}, Success{{"grams", "2", "18.015"}, "36.03\n"},
        Success{{"formula", "--compound", "100", "--unknown", "180.16", "C", "40", "H", "6.71", "O",
                 "53.29"},
                "C= 40.000%,  H= 6.710%,  O= 53.290%\nC1 H2 O1\nC6.00 ,  H12.00 ,  O6.00\n"}));

INSTANTIATE_TEST_SUITE_P(
    ChosenTargetsAndFormats, Prints,
    ::testing::Values(
        Success{{"Length", "3", "feet", "--to", "m"}, "0.91440\n"},
        Success{{"Length", "3", "ft", "--to", "m", "--to=in"},
                "0.91440\tMeter (m)\n36.00000\tInch (in)\n"},
        Success{{"--to", "rad", "--", "Angle", "-5", "0"}, "-5.000000e+00\n"},
        Success{{"--version"}, "velkari-cli 1.0\n"},
        Success{{"Temperature", "100", "C", "--format", "tsv"},
                "value\tunit\tformula\n"
                "212.000\tFarenheit(°F)\tFarenheit = [ (9/5) * Celsius ] + 32\n"
                "373.150\tKelvin(K)\tKelvin      = Celsius +273.15\n"},
        Success{{"Volume", "1", "gal", "--format=csv", "--to", "gal", "--to", "l"},
                "value,unit\n1.00000,\"Gallon, liquid (gal) (US)\"\n3.78541,Liter (l)\n"},
        Success{{"Length", "3", "ft", "--to", "m", "--format", "json", "--decimals", "2"},
                "{\"category\":\"Length\",\"value\":3,\"unit\":\"Foot (ft)\",\"decimals\":2,"
                "\"scientific\":false,\"results\":[{\"unit\":\"Meter (m)\",\"text\":\"0.91\","
                "\"value\":0.9144000000000001}]}\n"},
        Success{{"Temperature", "212", "F", "--to", "C", "--format", "json"},
                "{\"category\":\"Temperature\",\"value\":212,\"unit\":\"Farenheit(°F)\","
                "\"decimals\":3,\"scientific\":false,\"results\":[{\"unit\":\"Celsius(°C)\","
                "\"text\":\"100.000\",\"value\":100.00008000000001}],"
                "\"formulas\":[\"Celsius   = (5/9) * [Farenheit - 32]\"]}\n"},
        Success{{"--format", "json", "moles", "36.03", "18.015"},
                "{\"grams\":36.03,\"weight\":18.015,\"moles\":2,\"text\":\"2\"}\n"}));

struct Refused {
    std::vector<std::string> args;
    std::string err;
};

void PrintTo(const Refused& c, std::ostream* os)
{
    *os << Describe(c.args);
}

class Refuses : public ::testing::TestWithParam<Refused> {};

TEST_P(Refuses, WithAReasonAndNothingOnStandardOutput)
{
    const Outcome run = RunCli(GetParam().args);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "velkari-cli: " + GetParam().err + "\n");
    EXPECT_EQ(run.status, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, Refuses,
    ::testing::Values(
        Refused{{"Angel", "90", "Degrees"},
                "unknown category \"Angel\" (velkari-cli --list shows the categories)"},
        Refused{{"Angle", "1,5", "Degrees"},
                "value \"1,5\": Please enter a number, written with digits, an optional \".\" "
                "and an optional exponent (for example 12.5 or -3e4)."},
        Refused{{"Computer Storage", "1", "mb"},
                "unit \"mb\" is not a name of Computer Storage's; did you mean \"MB\" "
                "(megabyte) or \"Mb\" (megabit)? (a millibar is \"mbar\")"},
        Refused{{"Computer Storage", "1", "kB", "--to", "kb"},
                "unit \"kb\" is not a name of Computer Storage's; did you mean \"KB\" "
                "(kilobyte) or \"Kb\" (kilobit)?"},
        Refused{{"Angle", "90", "Furlongs"},
                "unknown unit \"Furlongs\" for Angle (velkari-cli --list \"Angle\" shows its "
                "units)"},
        Refused{{"Angle", "90", "5"}, "unit index 5 is not one of Angle's (0 to 4)"},
        Refused{{"Angle", "90", "99999999999"},
                "unit index 99999999999 is not one of Angle's (0 to 4)"},
        Refused{{"weight"},
                "expected Weight VALUE UNIT (the Weight conversion) or weight SYMBOL COUNT "
                "[SYMBOL COUNT]... (the molecular weight of a formula) (see --help)"},
        Refused{{"Temperature", "100", "C", "--decimals", "2"},
                "Temperature always writes three decimals; --decimals and --scientific do not "
                "apply to it"},
        Refused{{"Temperature", "100", "C", "--to", "celsius"},
                "Temperature converts into the two other scales only, so not into "
                "\"Celsius(°C)\""},
        Refused{{"Angle", "90", "0", "--format", "xml"},
                "--format takes plain, tsv, csv or json, not \"xml\""},
        Refused{{"element", "Fe", "--format", "csv"},
                "the chemistry commands write plain or json, not \"csv\""},
        Refused{{"Angle", "90", "Degrees", "--decimals", "9"},
                "--decimals takes a number from 0 to 5, not \"9\""},
        Refused{{"Angle", "90", "Degrees", "--bogus"}, "unknown option \"--bogus\" (see --help)"},
        // A value whose result in an asked unit would be "inf" is refused, not shown.
        Refused{{"Length", "1e300", "km", "--to", "Angstrom"},
                "the result is too large to be a number"},
        Refused{{"Length", "1e300", "km"}, "the result is too large to be a number"},
        Refused{{"Angle", "90"},
                "expected CATEGORY VALUE UNIT, got 2 arguments: \"Angle\" \"90\" (see --help)"},
        Refused{{}, "nothing to convert (see --help)"}));

INSTANTIATE_TEST_SUITE_P(
    Chemistry, Refuses,
    ::testing::Values(
        Refused{{"element"}, "expected element SYMBOL (see --help)"},
        Refused{{"element", "Xx"}, "unknown element symbol \"Xx\""},
        // "CO" is not cobalt: symbols keep the periodic table's capitals.
        Refused{{"weight", "CO", "1"}, "unknown element symbol \"CO\" (did you mean \"Co\"?)"},
        Refused{{"weight", "H", "1", "O", "1", "C", "1", "N", "1", "S", "1", "P", "1"},
                "expected weight SYMBOL COUNT, with one to five symbols each followed by its "
                "count (see --help)"},
        Refused{{"weight", "H", "2.5"},
                "count \"2.5\": Please enter a whole number, without a decimal point or "
                "exponent."},
        Refused{{"weight", "H2Xx"}, "formula \"H2Xx\": character 3: unknown element symbol \"Xx\""},
        Refused{{"composition", "Ca(OH"},
                "formula \"Ca(OH\": character 3: unbalanced brackets: \"(\" is never closed"},
        Refused{{"composition"}, "expected composition FORMULA (see --help)"},
        Refused{{"grams", "1"}, "expected grams MOLES WEIGHT (see --help)"},
        Refused{{"formula", "C", "40", "H", "6"},
                "formula needs --compound GRAMS, the weight of the whole sample"},
        Refused{{"formula", "--compound", "100", "C", "40"},
                "expected two or three elements, each a SYMBOL followed by its GRAMS (see "
                "--help)"},
        Refused{{"formula", "--compound", "0", "C", "40", "H", "6"},
                "the compound weight and the grams of each element must not be 0"},
        Refused{{"formula", "--compound", "100", "--colour", "red", "C", "40", "H", "6"},
                "unknown option \"--colour\" (see --help)"},
        Refused{{"formula", "C", "40", "H", "6", "--compound"}, "--compound needs a number"},
        Refused{{"formula", "--unknown", "1", "--unknown", "2", "--compound", "100", "C", "40", "H",
                 "6"},
                "--unknown is given twice"}));

// Input no thermometer or compound can give: one sentence from the core, status 2, in
// the category form, as a query and for each chemistry command.
INSTANTIATE_TEST_SUITE_P(
    ImpossibleInputs, Refuses,
    ::testing::Values(
        Refused{{"-5", "K", "to", "C"}, "The temperature is below absolute zero (0 K)"},
        Refused{{"-273.16", "C"}, "The temperature is below absolute zero (-273.15 °C)"},
        Refused{{"-460", "F", "to", "K"}, "The temperature is below absolute zero (-459.67 °F)"},
        Refused{{"Temperature", "-460", "F"},
                "The temperature is below absolute zero (-459.67 °F)"},
        Refused{{"Temperature", "-0.001", "K", "--format", "json"},
                "The temperature is below absolute zero (0 K)"},
        Refused{{"1e308", "C"},
                "The result is too large to show; please enter a smaller temperature"},
        Refused{{"weight", "H", "-2", "O", "1"}, "Every atom count must be at least 1"},
        Refused{{"weight", "H", "2", "O", "0"}, "Every atom count must be at least 1"},
        Refused{{"weight", "H0O"}, "formula \"H0O\": character 2: a count of 0"},
        Refused{{"formula", "--compound", "100", "C", "80", "H", "30"},
                "The elements weigh more than the compound"},
        Refused{{"formula", "--compound", "100", "--", "C", "40", "H", "-6.71", "O", "53.29"},
                "A weight can not be negative"},
        Refused{{"formula", "--compound", "100", "C", "10", "H", "5", "O", "85"},
                "These weights fit no simplest formula in whole numbers"},
        Refused{{"grams", "1e300", "1e10"},
                "The result is too large to show; please enter smaller numbers"}));

// Absolute zero itself converts, however it is asked for.
INSTANTIATE_TEST_SUITE_P(AbsoluteZero, Prints,
                         ::testing::Values(Success{{"0", "K", "to", "F"}, "-459.670\n"},
                                           Success{{"-273.15", "C", "to", "K"}, "0.000\n"},
                                           Success{{"Temperature", "-459.67", "F", "--to", "K"},
                                                   "0.000\n"}));

// Simplest formulas in whole numbers, and molecular counts as multiples of them.
INSTANTIATE_TEST_SUITE_P(
    WholeNumberFormulas, Prints,
    ::testing::Values(
        Success{{"formula", "--compound", "10", "--unknown", "159.69", "Fe", "6.994", "O", "3.006"},
                "Fe= 69.940%,  O= 30.060%\nFe2 O3 \nFe2.00 ,  O3.00 \n"},
        Success{{"formula", "--compound", "100", "--unknown", "283.89", "P", "43.64", "O", "56.36"},
                "P= 43.640%,  O= 56.360%\nP2 O5 \nP4.00 ,  O10.00 \n"},
        Success{{"formula", "--compound", "100", "Al", "52.93", "O", "47.07", "--format", "json"},
                "{\"compound\":100,\"unknown\":null,\"composition\":\"Al= 52.930%,  O= "
                "47.070%\",\"simplestFormula\":\"Al2 O3 \",\"molecularFormula\":\"\"}\n"}));

// What the user typed comes back escaped and cut, so no argument can paint the terminal
// or fill it; "--" and unknown options are named the same way for every command.
INSTANTIATE_TEST_SUITE_P(
    TypedTextAndOptions, Refuses,
    ::testing::Values(
        Refused{{"Angle", "90", "\x1b[31mx"},
                "unknown unit \"\\x1b[31mx\" for Angle (velkari-cli --list \"Angle\" shows its "
                "units)"},
        Refused{{"Angle", "90",
                 "\xef\xbb\xbf"
                 "deg\"\\\xff"},
                "unknown unit \"\\ufeffdeg\\\"\\\\\\xff\" for Angle (velkari-cli --list \"Angle\" "
                "shows its units)"},
        Refused{{"Angle", std::string(100000, '1'), "0"},
                "value \"" + std::string(64, '1') + "\u2026\": " +
                    std::string(convert::RealRefusalMessage(convert::NumberRefusal::OutOfRange))},
        Refused{{"Angle", "90", std::string(100000, '9')},
                "unit index " + std::string(64, '9') + "\u2026 is not one of Angle's (0 to 4)"},
        Refused{{"-x", "Length", "1", "m"}, "unknown option \"-x\" (see --help)"},
        Refused{{"moles", "-g", "1", "2"}, "unknown option \"-g\" (see --help)"},
        Refused{{"--version", "extra"}, "--version takes no arguments, not \"extra\""},
        Refused{{"--help", "--format", "json", "Length"},
                "--help takes no arguments, not \"json\""},
        Refused{{"--", "Temperature", "-40", "C", "--to", "F"},
                "expected CATEGORY VALUE UNIT, got 5 arguments: \"Temperature\" \"-40\" \"C\" "
                "\"--to\" \"F\" (after \"--\" every word is an argument) (see --help)"},
        Refused{{"element", "--", "--format"}, "unknown element symbol \"--format\""},
        // Every formula command reads a formula by one rule and says the same of it.
        Refused{{"weight", "2H2O"},
                "formula \"2H2O\": character 1: a formula starts with an element symbol, not a "
                "count"},
        Refused{{"weight", "2H2O*CuSO4"},
                "formula \"2H2O*CuSO4\": character 1: a formula starts with an element symbol, "
                "not a count"},
        Refused{{"weight", ""}, "formula \"\": character 1: the formula is empty"},
        Refused{{"composition", ""}, "formula \"\": character 1: the formula is empty"}));

INSTANTIATE_TEST_SUITE_P(
    DoubleDash, Prints,
    ::testing::Values(Success{{"--", "moles", "-5", "18"}, "-0.277777777777778\n"},
                      Success{{"moles", "--", "-5", "18"}, "-0.277777777777778\n"},
                      Success{{"--format", "json", "--", "grams", "-1", "2"},
                              "{\"moles\":-1,\"weight\":2,\"grams\":-2,\"text\":\"-2\"}\n"},
                      Success{{"formula", "--compound", "100", "--", "C", "40", "H", "6.71", "O",
                               "53.29"},
                              "C= 40.000%,  H= 6.710%,  O= 53.290%\nC1 H2 O1\n\n"},
                      // The molecular weight as a number, as composition and moles give theirs.
                      Success{{"weight", "H2O", "--format", "json"},
                              "{\"formula\":\"H2O\",\"weight\":18.01528,"
                              "\"text\":\"H2O1 = 18.015    grams/moles\"}\n"},
                      Success{{"weight", "H", "2", "O", "1", "--format=json"},
                              "{\"elements\":[{\"symbol\":\"H\",\"count\":2},{\"symbol\":\"O\","
                              "\"count\":1}],\"weight\":18.01528,"
                              "\"text\":\"H2O1 = 18.015    grams/moles\"}\n"}));

TEST(Help, NamesEveryCommandInLinesOf79ColumnsOneUsageALine)
{
    const Outcome run = RunCli({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* usage :
         {"velkari-cli QUERY...", "velkari-cli CATEGORY VALUE UNIT", "velkari-cli element SYMBOL",
          "velkari-cli weight SYMBOL COUNT", "velkari-cli weight FORMULA",
          "velkari-cli composition FORMULA", "more than five elements",
          "velkari-cli moles GRAMS WEIGHT", "velkari-cli grams MOLES WEIGHT",
          "velkari-cli formula --compound GRAMS", "a number (\"Weight 5 Gram\")"}) {
        EXPECT_NE(run.out.find(usage), std::string::npos) << usage;
    }
    EXPECT_EQ(RunCli({"formula", "--help"}).out, run.out);
    // Lines of at most 79 characters (not bytes), each usage form on a line of its own.
    std::istringstream lines(run.out);
    bool inUsage = true;
    for (std::string line; std::getline(lines, line);) {
        const auto characters = std::count_if(line.begin(), line.end(),
                                              [](unsigned char c) { return (c & 0xc0) != 0x80; });
        EXPECT_LE(characters, 79) << line;
        inUsage = inUsage && !line.empty();
        if (inUsage) {
            EXPECT_TRUE(line.starts_with("Usage: velkari-cli ") ||
                        line.starts_with("  or:  velkari-cli "))
                << line;
        }
    }
}

// The run in this process, for the comparisons of many runs.
Outcome InProcess(const std::vector<std::string>& args, std::string_view input = {})
{
    const std::vector<std::string_view> words(args.begin(), args.end());
    std::istringstream in{std::string(input)};
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Run(words, in, out, err);
    return {out.str(), err.str(), status};
}

std::string Runs(const std::vector<std::string>& args, std::string_view input = {})
{
    const Outcome run = InProcess(args, input);
    return run.out + run.err;
}

// A few thousand random values read as a column give what the same values give one
// call each: values of every size and sign, in each kind of column output.
TEST(Column, ConvertsEachValueAsASingleCallDoes)
{
    struct Column {
        std::vector<std::string> args;  // VALUE is "-"
        std::string afterEach;          // what the column adds after each value's output
    };
    std::mt19937_64 random(13);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-12, 12);
    std::uniform_int_distribution<int> whole(-2147483647, 2147483647);
    for (const Column& column :
         {Column{{"Length", "-", "ft", "--to", "m"}, ""},
          Column{{"Energy", "-", "kJ", "--format", "json"}, ""},
          Column{{"Temperature", "-", "F"}, "\n"},
          Column{{"Volume", "-", "gal", "--scientific", "--to", "l", "--to", "m3"}, "\n"}}) {
        std::string input;
        std::string expected;
        for (int i = 0; i < 1000; ++i) {
            std::vector<std::string> single = column.args;
            std::ostringstream value;
            value.precision(17);
            if (single[0] == "Energy") {
                value << whole(random);
            } else {
                double v = mantissa(random) * std::pow(10.0, exponent(random));
                // Below absolute zero a column stops (tested on its own).
                if (single[0] == "Temperature" && v < -459.67) {
                    v = -v;
                }
                value << v;
            }
            single[1] = value.str();
            input += value.str() + "\n";
            expected += Runs(single) + column.afterEach;
        }
        const Outcome run = RunCli(column.args, input);
        EXPECT_EQ(run.out, expected) << Describe(column.args);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.status, 0);
    }
}

TEST(Column, SkipsEmptyLinesAndWritesAHeaderOfTheUnits)
{
    const Outcome run =
        RunCli({"Angle", "-", "Degrees", "--format", "csv", "--to", "Degrees", "--to", "rad"},
               "90\n\n  180 \r\n");
    EXPECT_EQ(run.out, "Degrees,Radians\n90.00000,1.57080\n180.00000,3.14159\n");
    EXPECT_EQ(run.status, 0);
}

TEST(Column, StopsAtALineThatIsNoNumberAfterWritingEveryLineBefore)
{
    const Outcome run = RunCli({"Length", "-", "ft", "--to", "m"}, "1\n\n 2 \nabc\n4\n");
    EXPECT_EQ(run.out, "0.30480\n0.60960\n");
    EXPECT_EQ(run.err,
              "velkari-cli: line 4: value \"abc\": Please enter a number, written with digits, "
              "an optional \".\" and an optional exponent (for example 12.5 or -3e4).\n");
    EXPECT_EQ(run.status, 2);
}

// A value too large for the asked unit stops a column as a line that is no number does, in
// the category form and in a stream of queries, where the second line reuses the first's
// reading of its units.
TEST(Column, StopsAtAValueTooLargeForItsUnits)
{
    for (const auto& [args, input] :
         {std::pair<std::vector<std::string>, std::string>{
              {"Length", "-", "km", "--to", "Angstrom"}, "1\n1e300\n1\n"},
          {{"-"}, "1 km to angstrom\n1e300 km to angstrom\n1 km to angstrom\n"}}) {
        const Outcome run = RunCli(args, input);
        EXPECT_EQ(run.out, "1.000000e+13\n") << Describe(args);
        EXPECT_EQ(run.err, "velkari-cli: line 2: the result is too large to be a number\n");
        EXPECT_EQ(run.status, 2);
    }
    // Only the asked units decide: 1e300 km is a number of miles.
    EXPECT_EQ(RunCli({"-"}, "1e300 km to mi\n").out, "6.213712e+299\n");
}

TEST(Column, StopsAtATemperatureBelowAbsoluteZero)
{
    const Outcome column = RunCli({"Temperature", "-", "C", "--to", "K"}, "0\n-273.15\n-274\n5\n");
    EXPECT_EQ(column.out, "273.150\n0.000\n");
    EXPECT_EQ(column.err,
              "velkari-cli: line 3: The temperature is below absolute zero (-273.15 °C)\n");
    EXPECT_EQ(column.status, 2);
    // Query lines in the same words reuse their reading, but not past absolute zero.
    const Outcome lines = RunCli({"-"}, "1 K to C\n0 K to C\n-1 K to C\n2 K to C\n");
    EXPECT_EQ(lines.out, "-272.150\n-273.150\n");
    EXPECT_EQ(lines.err, "velkari-cli: line 3: The temperature is below absolute zero (0 K)\n");
    EXPECT_EQ(lines.status, 2);
}

// A byte order mark before the first value is skipped; a refused line is shown with its
// invisible bytes escaped, whatever ends the lines.
TEST(Column, SkipsAByteOrderMarkAndEscapesWhatARefusalShows)
{
    struct Case {
        std::string input;
        std::string out;
        std::string err;
    };
    const std::string why =
        ": Please enter a number, written with digits, an optional \".\" and an optional "
        "exponent (for example 12.5 or -3e4).\n";
    for (const Case& c :
         {Case{"\xef\xbb\xbf"
               "1\r\n2\n",
               "0.30480\n0.60960\n", ""},
          Case{"1\r2\r", "", "velkari-cli: line 1: value \"1\\r2\"" + why},
          Case{"1\n\x1b[31m2\n", "0.30480\n", "velkari-cli: line 2: value \"\\x1b[31m2\"" + why},
          Case{std::string("3\0", 2) + "\n", "", "velkari-cli: line 1: value \"3\\0\"" + why},
          Case{"2\n\xef\xbb\xbf"
               "1\n",
               "0.60960\n", "velkari-cli: line 2: value \"\\ufeff1\"" + why}}) {
        const Outcome run = RunCli({"Length", "-", "ft", "--to", "m"}, c.input);
        EXPECT_EQ(run.out, c.out) << c.input;
        EXPECT_EQ(run.err, c.err) << c.input;
        EXPECT_EQ(run.status, c.err.empty() ? 0 : 2) << c.input;
    }
}

// "-" with blanks around it is still standard input, as a value with blanks around it is
// still that value; with nothing to read, nothing is written and the run succeeds.
TEST(Column, AStandardInputDashMayHaveBlanksAround)
{
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"\t-"}, {"Length", " - ", "ft", "--to", "m"}}) {
        const std::string input = args.size() == 1 ? "3 ft to m\n" : "3\n";
        const Outcome run = RunCli(args, input);
        EXPECT_EQ(run.out, "0.91440\n") << Describe(args);
        EXPECT_EQ(run.status, 0);
        const Outcome empty = RunCli(args, "");
        EXPECT_EQ(empty.out + empty.err, "") << Describe(args);
        EXPECT_EQ(empty.status, 0);
    }
}

// Standard input that cannot be read is a failure, never an empty success.
TEST(Column, AFailedReadIsReportedWithStatusOne)
{
    const std::vector<std::string> column{"Length", "-", "ft", "--to", "m"};
    const Outcome directory = RunCli(column, {}, {}, {"/tmp"});
    EXPECT_EQ(directory.err, "velkari-cli: read error: Is a directory\n");
    EXPECT_EQ(directory.status, 1);
    const Outcome closed = RunCli(column, {}, {}, {nullptr, true});
    EXPECT_EQ(closed.err, "velkari-cli: read error: Bad file descriptor\n");
    EXPECT_EQ(closed.status, 1);
    const Outcome queries = RunCli({"-"}, {}, {}, {"/tmp"});
    EXPECT_EQ(queries.err, "velkari-cli: read error: Is a directory\n");
    EXPECT_EQ(queries.status, 1);
}

// A full disk is an error on every kind of command; a reader that went away is not.
TEST(Output, AFailedWriteIsReportedWithStatusOne)
{
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"Angle", "90", "Degrees"},
                                               {"Angle", "-", "Degrees"},
                                               {"3", "ft", "to", "m"},
                                               {"-"},
                                               {"Angle", "90", "Degrees", "--format", "json"},
                                               {"element", "Fe"},
                                               {"--list"},
                                               {"--names", "Length"},
                                               {"--help"},
                                               {"--version"}}) {
        // Standard input holds a value, and a query for the command that reads queries.
        const Outcome run =
            RunCli(args, args.size() == 1 && args[0] == "-" ? "90 deg\n" : "90\n", {"/dev/full"});
        EXPECT_EQ(run.err, "velkari-cli: write error: No space left on device\n") << Describe(args);
        EXPECT_EQ(run.status, 1) << Describe(args);
    }
    const std::vector<std::string> column{"Length", "-", "ft"};
    const Outcome killed = RunCli(column, "1\n", {nullptr, true});
    EXPECT_EQ(killed.err, "");
    EXPECT_EQ(killed.status, 128 + SIGPIPE);
    // With SIGPIPE ignored (as some shells and services start programs) the write fails
    // with EPIPE instead: still quiet.
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    const Outcome ignored = RunCli(column, "1\n", {nullptr, true});
    std::signal(SIGPIPE, previous);
    EXPECT_EQ(ignored.err, "");
    EXPECT_EQ(ignored.status, 1);
}

// A query prints what the category form prints for the same category, value and units,
// and takes the same options.
TEST(Query, PrintsWhatTheCategoryFormPrints)
{
    struct Pair {
        std::vector<std::string> query;
        std::vector<std::string> category;
    };
    for (const Pair& pair : {
             Pair{{"3", "ft", "to", "m"}, {"Length", "3", "ft", "--to", "m"}},
             Pair{{"3 ft"}, {"Length", "3", "ft"}},
             Pair{{"350F"}, {"Temperature", "350", "F"}},
             Pair{{"5", "ft", "3", "in", "to", "cm"}, {"Length", "63", "in", "--to", "cm"}},
             Pair{{"1", "1/2", "cups", "in", "ml"}, {"Cooking", "1.5", "cup", "--to", "ml"}},
             Pair{{"100", "lbs", "kg", "--format", "json"},
                  {"Weight", "100", "lb", "--to", "kg", "--format", "json"}},
             Pair{{"-40", "C", "--format", "tsv"}, {"Temperature", "-40", "C", "--format", "tsv"}},
             Pair{{"2", "kWh", "--to", "J", "--to", "kJ", "--scientific", "--format", "csv"},
                  {"Energy", "2", "kWh", "--to", "J", "--to", "kJ", "--scientific", "--format",
                   "csv"}},
             Pair{{"3", "ft", "->", "m", "--to", "in", "--decimals", "2"},
                  {"Length", "3", "ft", "--to", "m", "--to", "in", "--decimals", "2"}},
             Pair{{"--", "-5", "deg", "to", "rad"}, {"--to", "rad", "--", "Angle", "-5", "deg"}},
             Pair{{"212", "F", "to", "C", "--format=json"},
                  {"Temperature", "212", "F", "--to", "C", "--format", "json"}},
         }) {
        const Outcome query = InProcess(pair.query);
        const Outcome category = InProcess(pair.category);
        EXPECT_EQ(query.out, category.out) << Describe(pair.query);
        EXPECT_EQ(query.err, "") << Describe(pair.query);
        EXPECT_EQ(query.status, 0) << Describe(pair.query);
        EXPECT_EQ(category.status, 0) << Describe(pair.category);
    }
}

// A name of two categories settled by preference gives the results and one line on
// standard error naming both categories, and succeeds.
TEST(Query, SaysWhichCategoryAPreferenceChose)
{
    const Outcome run = RunCli({"1", "gallon", "to", "ml"});
    EXPECT_EQ(run.out, InProcess({"Volume", "1", "gallon", "--to", "ml"}).out);
    EXPECT_TRUE(run.err.starts_with("velkari-cli: ")) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find("Volume"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Cooking"), std::string::npos) << run.err;
    EXPECT_EQ(run.status, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Queries, Refuses,
    ::testing::Values(
        Refused{{"3", "ft", "to", "kg"}, "\"ft\" is a Length unit, \"kg\" a Weight unit"},
        Refused{{"firefox"}, "a query begins with an amount, as in \"3 ft to m\" (see --help)"},
        // --to names a unit of the category the query chose.
        Refused{{"3", "ft", "--to", "kg"},
                "unknown unit \"kg\" for Length (velkari-cli --list \"Length\" shows its units)"},
        Refused{{"1e300", "km", "to", "angstrom"}, "the result is too large to be a number"},
        Refused{{"1e300", "km"}, "the result is too large to be a number"},
        Refused{{"100", "C", "to", "C"},
                "Temperature converts into the two other scales only, so not into "
                "\"Celsius(°C)\""},
        // The category form's shape with a mistyped category says so, as it always has.
        Refused{{"Angel", "-", "Degrees"},
                "unknown category \"Angel\" (velkari-cli --list shows the categories)"}));

// The examples --help gives each answer.
TEST(Help, ItsQueryExamplesWork)
{
    const std::string help = RunCli({"--help"}).out;
    const std::regex example("velkari-cli ([^ ].*?)(?=  |$)");
    int examples = 0;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("  velkari-cli ")) {
            continue;
        }
        for (std::sregex_iterator it(line.begin(), line.end(), example), end; it != end; ++it) {
            std::istringstream words((*it)[1].str());
            std::vector<std::string> args;
            for (std::string word; words >> word;) {
                args.push_back(word);
            }
            const Outcome run = InProcess(args);
            EXPECT_EQ(run.status, 0) << Describe(args) << ": " << run.err;
            EXPECT_NE(run.out, "") << Describe(args);
            ++examples;
        }
    }
    EXPECT_GE(examples, 6);
}

// Random queries of every kind, read one a line, give what each gives alone: a value
// line for a single target, else the block and an empty line; one JSON object a line.
TEST(QueryLines, AnswerEachQueryAsASingleCallDoes)
{
    const std::vector<std::string> units{"ft to m", "F",          "kg",  "cups in ml", "m ft",
                                         "mph",     "psi to kPa", "kWh", "deg to rad", "GB to MB"};
    std::mt19937_64 random(21);
    std::uniform_int_distribution<std::size_t> pick(0, units.size() - 1);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-6, 6);
    for (const std::vector<std::string>& options :
         std::vector<std::vector<std::string>>{{}, {"--format", "json"}}) {
        std::string input;
        std::string expected;
        for (int i = 0; i < 500; ++i) {
            std::ostringstream query;
            query.precision(12);
            const std::string& unit = units[pick(random)];
            double v = mantissa(random) * std::pow(10.0, exponent(random));
            // Below absolute zero a query is refused (tested on its own).
            if (unit == "F" && v < -459.67) {
                v = -v;
            }
            query << v;
            query << (i % 2 == 0 ? " " : "") << unit;
            input += query.str() + (i % 3 == 0 ? "\r\n" : "\n");
            std::vector<std::string> single{query.str()};
            single.insert(single.end(), options.begin(), options.end());
            const Outcome alone = InProcess(single);
            ASSERT_EQ(alone.status, 0) << query.str() << ": " << alone.err;
            const bool block =
                options.empty() && std::count(alone.out.begin(), alone.out.end(), '\n') > 1;
            // A JSON line of a stream says first which query it answers.
            expected += options.empty()
                            ? alone.out + (block ? "\n" : "")
                            : "{\"query\":\"" + query.str() + "\"," + alone.out.substr(1);
        }
        std::vector<std::string> args{"-"};
        args.insert(args.end(), options.begin(), options.end());
        const Outcome run = RunCli(args, input);
        EXPECT_EQ(run.out, expected) << Describe(args);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.status, 0);
    }
}

TEST(QueryLines, StopAtARefusedLineAfterWritingEveryLineBefore)
{
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string out;
        std::string err;
    };
    for (const Case& c : {
             Case{{"-"},
                  "\xef\xbb\xbf"
                  "3 ft to m\r\n\n 2 ft to m \n3 ft to kg\n1 m\n",
                  "0.91440\n0.60960\n",
                  "velkari-cli: line 4: \"ft\" is a Length unit, \"kg\" a Weight unit\n"},
             Case{{"-", "--to", "m"},
                  "1 ft\n1 kg\n",
                  "0.30480\n",
                  "velkari-cli: line 2: unknown unit \"m\" for Weight (velkari-cli --list "
                  "\"Weight\" shows its units)\n"},
             Case{{"-"},
                  std::string(5000, '1') + " ft\n",
                  "",
                  "velkari-cli: line 1: longer than 4095 characters, not a query\n"},
         }) {
        const Outcome run = RunCli(c.args, c.input);
        EXPECT_EQ(run.out, c.out) << c.input.substr(0, 40);
        EXPECT_EQ(run.err, c.err) << c.input.substr(0, 40);
        EXPECT_EQ(run.status, 2) << c.input.substr(0, 40);
    }
}

// A stream of queries of several categories is one table: one header, each row naming
// the query it answers, Temperature's formulas in their column, a row per unit where a
// line names no target. A preference is said once, at the first line it settled.
TEST(QueryLines, AreOneTableAndSayAPreferenceOnce)
{
    const std::string input = "3 ft to m\n100 C to F\n1 GB\n\t1\tkg\tto\tlb\n";
    const Outcome table = RunCli({"-", "--format", "tsv"}, input);
    std::istringstream rows(table.out);
    std::string row;
    std::vector<std::string> byQuery;
    ASSERT_TRUE(std::getline(rows, row));
    EXPECT_EQ(row, "query\tvalue\tunit\tformula");
    for (; std::getline(rows, row);) {
        EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 3) << row;
        byQuery.push_back(row.substr(0, row.find('\t')));
    }
    const std::vector<std::string> storage(
        cli::TextsOf(cli::RequireTab("Computer Storage")).labels.size(), "1 GB");
    std::vector<std::string> expected{"3 ft to m", "100 C to F"};
    expected.insert(expected.end(), storage.begin(), storage.end());
    expected.emplace_back("1 kg to lb");
    EXPECT_EQ(byQuery, expected);
    EXPECT_NE(table.out.find("100 C to F\t212.000\tFarenheit(°F)\tFarenheit = [ (9/5) * "
                             "Celsius ] + 32\n"),
              std::string::npos)
        << table.out;
    EXPECT_NE(table.out.find("3 ft to m\t0.91440\tMeter (m)\t\n"), std::string::npos);
    EXPECT_EQ(table.status, 0);
    const Outcome csv = RunCli({"-", "--format", "csv"}, "1 gal to l\n-40 F\n");
    EXPECT_TRUE(csv.out.starts_with("query,value,unit,formula\n1 gal to l,3.78541,Liter (l),\n"))
        << csv.out;
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 4) << csv.out;
    EXPECT_EQ(csv.status, 0);
    const Outcome preferred = RunCli({"-"}, "1 ft to m\n1 gallon to ml\n2 gallon to ml\n");
    EXPECT_EQ(preferred.out, "0.30480\n3785.41178\n7570.82357\n");
    EXPECT_TRUE(preferred.err.starts_with("velkari-cli: line 2: ")) << preferred.err;
    EXPECT_EQ(std::count(preferred.err.begin(), preferred.err.end(), '\n'), 1) << preferred.err;
    EXPECT_EQ(preferred.status, 0);
}

// A program that writes a line and waits for its answer before it writes the next gets
// each answer while velkari-cli waits for more, and the end of its input ends the run.
TEST(QueryLines, AnswerEachLineBeforeTheNextComes)
{
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"-"}, {"Length", "-", "ft", "--to", "m"}}) {
        const bool queries = args.size() == 1;
        std::array<int, 2> toCli{-1, -1};
        std::array<int, 2> fromCli{-1, -1};
        ASSERT_EQ(pipe(toCli.data()), 0);
        ASSERT_EQ(pipe(fromCli.data()), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, toCli[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, fromCli[1], STDOUT_FILENO);
        for (const int fd : {toCli[0], toCli[1], fromCli[0], fromCli[1]}) {
            posix_spawn_file_actions_addclose(&actions, fd);
        }
        std::vector<char*> argv = ArgumentVector(args);
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, VELKARI_CLI, &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(toCli[0]);
        close(fromCli[1]);
        // What velkari-cli writes within 20 seconds, up to a line end.
        const auto answer = [&] {
            std::string line;
            char c = 0;
            pollfd ready{fromCli[0], POLLIN, 0};
            while (line.find('\n') == std::string::npos && poll(&ready, 1, 20000) == 1 &&
                   read(fromCli[0], &c, 1) == 1) {
                line += c;
            }
            return line;
        };
        const auto send = [&](std::string_view line) {
            ASSERT_EQ(write(toCli[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
        };
        send(queries ? "3 ft to m\n" : "3\n");
        EXPECT_EQ(answer(), "0.91440\n") << args.front();
        send(queries ? "1 GB to MB\n" : "1\n");
        EXPECT_EQ(answer(), queries ? "1024.00000\n" : "0.30480\n") << args.front();
        close(toCli[1]);
        EXPECT_EQ(answer(), "") << args.front();
        close(fromCli[0]);
        int status = -1;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << args.front();
    }
}

// Temperature does without --decimals and --scientific: a query of it says so once on
// standard error and is answered, and the other lines keep the number form. Beside
// --scientific, --decimals is not used either, and that is said too.
TEST(QueryLines, SayOnceThatTemperatureIgnoresTheNumberForm)
{
    const Outcome mixed = RunCli({"-", "--decimals", "2"}, "3 ft to m\n350F\n-40 C\n1 kg to g\n");
    EXPECT_EQ(mixed.out,
              "0.91\n" + RunCli({"350F"}).out + "\n" + RunCli({"-40 C"}).out + "\n1000.00\n");
    EXPECT_EQ(mixed.err,
              "velkari-cli: line 2: Temperature always writes three decimals; --decimals and "
              "--scientific do not apply to it, so --decimals was ignored\n");
    EXPECT_EQ(mixed.status, 0);
    const Outcome single = RunCli({"350F", "--scientific"});
    EXPECT_EQ(single.out, RunCli({"350F"}).out);
    EXPECT_NE(single.err.find("--scientific was ignored"), std::string::npos) << single.err;
    EXPECT_EQ(single.status, 0);
    const Outcome both = RunCli({"Length", "1", "m", "--to", "km", "--scientific", "--decimals=2"});
    EXPECT_EQ(both.out, RunCli({"Length", "1", "m", "--to", "km", "--scientific"}).out);
    EXPECT_EQ(both.err,
              "velkari-cli: --scientific writes every value in exponent form, so --decimals was "
              "ignored\n");
    EXPECT_EQ(both.status, 0);
}

// Lower-case kb, mb and gb name no unit anywhere: not in the category form, not in a
// query, not among the names --names lists for completion. Energy, whose window box
// takes whole numbers, takes any amount here as every other category does.
TEST(UnitNames, AStorageNameInLowerCaseIsNoneAndEnergyTakesAnyAmount)
{
    const std::string names = RunCli({"--names", "Computer Storage"}).out;
    for (const std::string name : {"kb", "mb", "gb"}) {
        EXPECT_EQ(("\n" + names).find("\n" + name + "\n"), std::string::npos) << name;
        for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
                 {"Computer Storage", "1", name}, {"1", name, "to", "B"}, {"1 B to " + name}}) {
            const Outcome run = RunCli(args);
            EXPECT_EQ(run.out, "") << Describe(args);
            EXPECT_NE(run.err.find("did you mean"), std::string::npos) << run.err;
            EXPECT_EQ(run.status, 2) << Describe(args);
        }
    }
    EXPECT_EQ(RunCli({"Computer Storage", "1", "GiB", "--to", "MiB"}).out, "1024.00000\n");
    const Outcome category = RunCli({"Energy", "1.5", "kWh", "--to", "J"});
    EXPECT_EQ(category.out, "5400000.00000\n");
    EXPECT_EQ(category.status, 0);
    EXPECT_EQ(RunCli({"1.5 kWh to J"}).out, category.out);
}

// Every option that takes a value takes it after "=" too, as GNU programs' options do.
TEST(Options, TakeTheirValueAfterAnEqualsSign)
{
    for (const auto& [joined, apart] :
         std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>>{
             {{"--list=Length"}, {"--list", "Length"}},
             {{"--names=Weight"}, {"--names", "Weight"}},
             {{"Length", "3", "ft", "--to=m", "--decimals=1"},
              {"Length", "3", "ft", "--to", "m", "--decimals", "1"}},
             {{"3 ft", "--format=json"}, {"3 ft", "--format", "json"}},
             {{"grams", "2", "18.015", "--format=json"},
              {"grams", "2", "18.015", "--format", "json"}},
         }) {
        const Outcome one = RunCli(joined);
        EXPECT_EQ(one.out, RunCli(apart).out) << Describe(joined);
        EXPECT_EQ(one.err, "") << Describe(joined);
        EXPECT_EQ(one.status, 0) << Describe(joined);
    }
}

// UNIT and --to take every name of the core's table as the unit the window's lists and
// the queries take it for, so that the three accept the same names.
TEST(UnitNames, EveryNameOfTheCoreIsTheSameUnitForTheCommandLine)
{
    std::vector<std::string_view> captions{cli::kTemperature};
    for (const convert::Category* category : convert::kConverterCategories) {
        captions.push_back(category->caption);
    }
    int names = 0;
    for (const std::string_view caption : captions) {
        const cli::Tab tab = cli::RequireTab(caption);
        for (int unit = 0; unit < static_cast<int>(cli::TextsOf(tab).labels.size()); ++unit) {
            for (const std::string& name : convert::UnitNames(caption, unit)) {
                const int named = convert::UnitNamed(caption, name);
                if (named < 0) {
                    continue;  // a name only the window's completion offers
                }
                ++names;
                try {
                    EXPECT_EQ(cli::FindUnit(tab, name), static_cast<std::size_t>(named))
                        << caption << ": " << name;
                } catch (const cli::Refusal& refusal) {
                    ADD_FAILURE() << caption << ": " << name << ": " << refusal.message;
                }
            }
        }
    }
    EXPECT_GT(names, 500);
}

}  // namespace
