// What a converter tab's unit list says about a typed name that is none of its units.
#pragma once

#include <string>
#include <string_view>

namespace convert {

// Why `text`, typed into the unit list of the tab captioned `caption`, names none of
// its units, in the words a query gets for the same name: "stone" is a unit this
// converter lacks, "zzz" no unit name at all (with the names it may be a slip for), and
// "kg" a unit of another tab.
std::string TypedUnitRefusal(std::string_view caption, std::string_view text);

}  // namespace convert
