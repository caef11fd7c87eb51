// The output formats --format takes, by name.
#pragma once

#include <string>
#include <string_view>

#include "cli/writer.h"

namespace cli {

// The writer of the format named `name`; a Refusal for any other name. `reports` asks
// only among the formats that write the chemistry commands' reports.
const Writer& WriterNamed(std::string_view name, bool reports);

// The names, as a message lists them: "plain, tsv, csv or json".
std::string FormatNames(bool reports);

}  // namespace cli
