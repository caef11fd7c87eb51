// Texts of the application shell.
#pragma once

#include <string_view>

namespace res {

// The window's caption, the embossed logo text and the caption of the framework's own
// messages.
inline constexpr std::string_view kApplicationTitle = "Velkari Unit Converter";

// The same three for the chemistry program's window.
inline constexpr std::string_view kChemistryTitle = "Velkari Chemistry";

// The caption of the sheet's Cancel button, the only button the window shows.
inline constexpr std::string_view kExitCaption = "Exit";

}  // namespace res
