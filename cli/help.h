// velkari-cli --help: the usage lines of every command and what each does.
#pragma once

#include <iosfwd>

namespace cli {

void WriteUsage(std::ostream& out);

}  // namespace cli
