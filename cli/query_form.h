// Conversions asked in the user's words ("3 ft to m", "350F", "5 ft 3 in"): one given
// on the command line, or one a line from standard input.
#pragma once

#include <iosfwd>

#include "cli/options.h"

namespace cli {

// Whether the words ask for a query: the first is no category (nor, checked before, a
// chemistry command or an option).
bool AsksForQuery(const Request& request);

// Whether the query is "-": the queries are read from standard input.
bool ReadsQueryLines(const Request& request);

// The words joined into one query and answered as the category form answers it. The
// results go to out; the preference that settled a name of two categories, if one did,
// to err; a Refusal when the query cannot be answered.
void ConvertQuery(const Request& request, std::ostream& out, std::ostream& err);

// One query a line from in, each answered as it would be alone and written as it goes.
// The run's exit status: a refused line stops the run after everything before it has
// been written whole, with its number and the reason on err.
int ConvertQueryLines(const Request& request, std::istream& in, std::ostream& out,
                      std::ostream& err);

}  // namespace cli
