// The message every page shows when a required choice is missing.
#pragma once

#include <string_view>

namespace convert {

inline constexpr std::string_view kIncompleteText = "Please fill out the required fields";
inline constexpr std::string_view kIncompleteCaption = "Incomplete";

}  // namespace convert
