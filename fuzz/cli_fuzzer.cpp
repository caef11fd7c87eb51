// Random command lines through velkari-cli's handling: it either answers on standard
// output alone with status 0, or refuses on standard error alone with status 2.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// Words the command line knows, so that the fuzzer reaches past the first refusal.
constexpr std::string_view kWords[]{
    "Angle",   "Energy",    "Length",       "Temperature", "Weight",    "Volume",
    "weight",  "element",   "moles",        "grams",       "formula",   "--decimals",
    "--list",  "--help",    "--scientific", "--compound",  "--unknown", "Degrees",
    "Celsius", "Kilometer", "Fe",           "H",           "O",         "C",
    "0",       "2",         "-5",           "1e308",       "12.5",      "3"};

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

    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Run(args, out, err);
    if (status == cli::kSuccess) {
        Check(err.str().empty() && !out.str().empty());
    } else {
        Check(status == cli::kBadArguments && out.str().empty() && !err.str().empty());
    }
    return 0;
}
