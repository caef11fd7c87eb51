// A column of values from standard input, one a line, each converted as it would be
// alone and written as it goes.
#pragma once

#include <iosfwd>

#include "cli/plan.h"
#include "cli/writer.h"

namespace cli {

// The run's exit status: a refused line stops the run after everything before it has
// been written whole, with its number and the reason on err.
int ConvertColumn(const Plan& plan, const Writer& writer, std::istream& in, std::ostream& out,
                  std::ostream& err);

}  // namespace cli
