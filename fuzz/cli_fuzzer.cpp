// Random command lines and standard input through velkari-cli's handling: it either
// answers on standard output with status 0 (standard error saying at most which category
// a preference chose), or refuses on standard error with
// status 2 and nothing on standard output (for a column of values: only whole lines
// before the refused one). JSON output always parses.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "cli/text.h"
#include "fuzz/check.h"
#include "json_check.h"

namespace {

using fuzz::Check;

// Words the command line knows, so that the fuzzer reaches past the first refusal.
constexpr std::string_view kWords[]{
    "Angle",   "Energy",    "Length",       "Temperature", "Weight",    "Volume",
    "weight",  "element",   "moles",        "grams",       "formula",   "--decimals",
    "--list",  "--help",    "--scientific", "--compound",  "--unknown", "Degrees",
    "Celsius", "Kilometer", "Fe",           "H",           "O",         "C",
    "0",       "2",         "-5",           "1e308",       "12.5",      "3",
    "-",       "--to",      "--format",     "json",        "tsv",       "csv",
    "plain",   "--",        "--version",    "--names",     "ft",        "m^2",
    "degC",    "feet",      "Area",         "km2",         "\xc2\xb5l", "Fahrenheit",
    "to",      "in",        "->",           "gallon",      "ml",        "350F",
    "1/2",     "cups",      "3 ft to m",    "minutes"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    std::vector<std::string> words;
    const int count = input.ConsumeIntegralInRange<int>(0, 10);
    for (int i = 0; i < count; ++i) {
        if (input.ConsumeBool()) {
            words.emplace_back(input.PickValueInArray(kWords));
        } else {
            words.push_back(input.ConsumeRandomLengthString(24));
        }
    }
    const std::vector<std::string_view> args(words.begin(), words.end());
    std::istringstream in(input.ConsumeRemainingBytesAsString());

    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Run(args, in, out, err);
    const std::string text = out.str();
    // "-" with blanks around it still reads standard input, as a value with blanks does.
    const bool column = std::any_of(args.begin(), args.end(),
                                    [](std::string_view arg) { return cli::Trim(arg) == "-"; });
    if (status == cli::kSuccess) {
        // Standard error holds at most notes: which category a query's preference chose,
        // and which of --decimals and --scientific was not used.
        std::istringstream notes(err.str());
        for (std::string note; std::getline(notes, note);) {
            Check(note.starts_with("velkari-cli: ") &&
                  (note.find(" was used") != std::string::npos || note.ends_with(" ignored")));
        }
        Check(column || !text.empty());
    } else {
        Check(status == cli::kBadArguments && !err.str().empty());
        Check(column ? text.empty() || text.back() == '\n' : text.empty());
    }
    // No other output starts with a brace.
    if (status == cli::kSuccess && !text.empty() && text.front() == '{') {
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            Check(line.empty() || fuzz::IsJson(line));
        }
    }
    return 0;
}
