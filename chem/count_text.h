// The decimal text of an atom count, as both formula pages write it.
#pragma once

#include <string>

namespace chemistry {

// printf "%d": a minus sign for negatives, no grouping, whatever the process locale.
std::string CountText(int count);

}  // namespace chemistry
