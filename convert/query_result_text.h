// The one-line texts of a query's result, as the desktop's search shows them: a title
// with the value and its unit, and a description with the whole conversion.
#pragma once

#include <string>

#include "convert/query.h"

namespace convert {

// "0.91440 Meter (m)": the value and its label as the tab writes them.
std::string QueryResultTitle(const QueryAnswer& answer);

// "3 Foot (ft) = 0.91440 Meter (m) · Length": the amount asked in its unit, the
// result, and the tab the conversion belongs to.
std::string QueryResultDescription(const ParsedQuery& query, const QueryAnswer& answer);

}  // namespace convert
