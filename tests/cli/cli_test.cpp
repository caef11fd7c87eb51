// The built velkari-cli, run as a script would run it: whole standard output,
// standard error and exit status compared.
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
    std::string out;
    std::string err;
    int status = -1;
};

// Runs the program with the arguments, reading both of its outputs as they come so
// that neither pipe can fill up and stall it.
Outcome RunCli(const std::vector<std::string>& args)
{
    std::array<int, 2> outPipe{};
    std::array<int, 2> errPipe{};
    if (pipe(outPipe.data()) != 0 || pipe(errPipe.data()) != 0) {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    for (const int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) {
        posix_spawn_file_actions_addclose(&actions, fd);
    }
    std::vector<char*> argv{const_cast<char*>(VELKARI_CLI)};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, VELKARI_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);
    if (spawned != 0) {
        close(outPipe[0]);
        close(errPipe[0]);
        throw std::runtime_error(std::string("cannot run ") + VELKARI_CLI);
    }

    Outcome outcome;
    std::array<pollfd, 2> fds{{{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}}};
    std::array<std::string*, 2> sinks{&outcome.out, &outcome.err};
    int openPipes = 2;
    while (openPipes > 0) {
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            std::array<char, 4096> buffer{};
            const ssize_t got = read(fds[i].fd, buffer.data(), buffer.size());
            if (got > 0) {
                sinks[i]->append(buffer.data(), static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --openPipes;
            }
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

std::string Describe(const std::vector<std::string>& args)
{
    std::string text = "velkari-cli";
    for (const std::string& arg : args) {
        text += " '" + arg + "'";
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
        Refused{{"Energy", "2.5", "2"},
                "value \"2.5\": Please enter a whole number, without a decimal point or "
                "exponent."},
        Refused{{"Angle", "90", "Furlongs"},
                "unknown unit \"Furlongs\" for Angle (velkari-cli --list \"Angle\" shows its "
                "units)"},
        Refused{{"Angle", "90", "5"}, "unit index 5 is not one of Angle's (0 to 4)"},
        Refused{{"Angle", "90", "Degrees", "--decimals", "9"},
                "--decimals takes a number from 0 to 5, not \"9\""},
        Refused{{"Angle", "90", "Degrees", "--bogus"}, "unknown option \"--bogus\" (see --help)"},
        Refused{{"Angle", "90"}, "expected CATEGORY VALUE UNIT, got 2 argument(s) (see --help)"},
        Refused{{}, "nothing to convert (see --help)"}));

// The number rule's whole list of refused texts is tested in the core; here one real and
// one whole-number value show that the command reads by that rule.
INSTANTIATE_TEST_SUITE_P(
    BadValues, Refuses,
    ::testing::Values(
        Refused{{"Angle", "nan", "Degrees"},
                "value \"nan\": Please enter a number, written with digits, an "
                "optional \".\" and an optional exponent (for example 12.5 or -3e4)."},
        Refused{{"Energy", "2147483648", "0"},
                "value \"2147483648\": Please enter a whole number between "
                "-2147483648 and 2147483647."}));

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

TEST(Help, NamesEveryCommandAndHowWeightIsDecided)
{
    const Outcome run = RunCli({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* usage :
         {"velkari-cli CATEGORY VALUE UNIT", "velkari-cli element SYMBOL",
          "velkari-cli weight SYMBOL COUNT", "velkari-cli weight FORMULA",
          "velkari-cli composition FORMULA", "more than five elements",
          "velkari-cli moles GRAMS WEIGHT", "velkari-cli grams MOLES WEIGHT",
          "velkari-cli formula --compound GRAMS", "a number (\"Weight 5 Gram\")"}) {
        EXPECT_NE(run.out.find(usage), std::string::npos) << usage;
    }
    EXPECT_EQ(RunCli({"formula", "--help"}).out, run.out);
}

}  // namespace
