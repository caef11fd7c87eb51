// The messages the converter pages show: a required choice missing, and a value whose
// conversion is too large to be a number.
#pragma once

#include <string_view>

namespace convert {

inline constexpr std::string_view kIncompleteText = "Please fill out the required fields";
inline constexpr std::string_view kIncompleteCaption = "Incomplete";

// Said by the window (under the product's name, as a refused value is) and, in lower case,
// by velkari-cli and the queries, instead of showing "inf".
inline constexpr std::string_view kTooLargeText = "The result is too large to be a number";
inline constexpr std::string_view kTooLargeRefusal = "the result is too large to be a number";

}  // namespace convert
