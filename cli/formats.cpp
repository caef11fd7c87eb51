#include "cli/formats.h"

#include <array>
#include <vector>

#include "cli/cli.h"

namespace cli {
namespace {

struct Format {
    std::string_view name;
    const Writer& (*writer)();
};

// In the order --help and the completions list them; the first is the default.
constexpr std::array<Format, 4> kFormats{
    {{"plain", PlainWriter}, {"tsv", TsvWriter}, {"csv", CsvWriter}, {"json", JsonWriter}}};

}  // namespace

const Writer& WriterNamed(std::string_view name, bool reports)
{
    for (const Format& format : kFormats) {
        if (format.name == name) {
            const Writer& writer = format.writer();
            if (reports && !writer.WritesReports()) {
                throw Refusal{"the chemistry commands write " + FormatNames(true) + ", not " +
                              Quoted(name)};
            }
            return writer;
        }
    }
    throw Refusal{"--format takes " + FormatNames(false) + ", not " + Quoted(name)};
}

std::string FormatNames(bool reports)
{
    std::vector<std::string_view> names;
    for (const Format& format : kFormats) {
        if (!reports || format.writer().WritesReports()) {
            names.push_back(format.name);
        }
    }
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += i == 0 ? "" : i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text;
}

}  // namespace cli
