// Texts of velkari-search-provider, the desktop search's service on the session bus:
// its command line and the errors it answers over the bus. Its version is the
// project's, set in CMakeLists.txt.
#pragma once

#include <string_view>

namespace search {

inline constexpr std::string_view kSearchProviderName = "velkari-search-provider";
inline constexpr std::string_view kSearchProviderVersion = VELKARI_VERSION;
inline constexpr std::string_view kSearchProviderHelp =
    "Usage: velkari-search-provider [OPTION]\n"
    "Answers the desktop's search with conversions: GNOME Shell's overview and KDE's\n"
    "KRunner show what \"3 ft\" or \"350F to C\" is in other units. Choosing an answer\n"
    "(Enter) copies its value, such as 0.91440, to the clipboard: GNOME Shell copies it\n"
    "itself, KRunner through Plasma's clipboard (Klipper). The provider's icon in GNOME\n"
    "Shell, and KRunner's \"Open in Velkari Unit Converter\", open the Velkari Unit\n"
    "Converter on the conversion. The session bus starts this program when a search\n"
    "asks for it (D-Bus activation) and it quits after a minute without a call; there\n"
    "is no need to start it by hand.\n"
    "\n"
    "      --help      Shows this help and exits.\n"
    "      --version   Shows the version and the licence and exits.\n"
    "\n"
    "Exit status: 0 when it quits after its idle minute, 1 when the session bus cannot be\n"
    "reached or another instance holds its name, 2 when an argument is refused.\n"
    "\n"
    "Report bugs to <support@velkari.example>.\n";
inline constexpr std::string_view kSearchProviderVersionText =
    "Copyright (C) 2026 Velkari Software\n"
    "License MIT: <https://opensource.org/licenses/MIT>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";
// %1 is the refused argument.
inline constexpr std::string_view kSearchProviderUnexpectedArgument =
    "velkari-search-provider: unrecognized argument '%1'\n"
    "Try 'velkari-search-provider --help' for more information.\n";
inline constexpr std::string_view kSearchProviderNoBus =
    "velkari-search-provider: cannot reach the session bus: %1\n";
// %1 is the object's path.
inline constexpr std::string_view kSearchProviderNoObject =
    "velkari-search-provider: cannot serve the object %1 on the session bus\n";
inline constexpr std::string_view kSearchProviderNameTaken =
    "velkari-search-provider: cannot own the bus name %1: %2\n";

// The messages of the bus's error replies: a result or an action this provider never
// gave out, and a window that could not be started.
inline constexpr std::string_view kUnknownResultMessage = "not a result of this search provider";
inline constexpr std::string_view kUnknownActionMessage = "this search provider has no such action";
inline constexpr std::string_view kWindowNotStartedMessage =
    "the Velkari Unit Converter's window could not be started";
// KRunner's Enter copies through Plasma's clipboard service: none on the bus, or one
// that refused the text (%1 is what it answered).
inline constexpr std::string_view kNoClipboardMessage =
    "no clipboard service is running (org.kde.klipper): the value was not copied";
inline constexpr std::string_view kClipboardRefusedMessage =
    "the clipboard service did not take the value: %1";

// KRunner's second action on every answer, beside Enter's copy.
inline constexpr std::string_view kOpenWindowActionText = "Open in Velkari Unit Converter";

}  // namespace search
