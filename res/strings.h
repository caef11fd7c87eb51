// Texts of the application shell.
#pragma once

#include <string_view>

namespace res {

// The window's caption, the embossed logo text and the caption of the framework's own
// messages.
inline constexpr std::string_view kApplicationTitle = "Velkari Unit Converter";

// The same three for the chemistry program's window.
inline constexpr std::string_view kChemistryTitle = "Velkari Chemistry";

// The context menu entry of a window's result boxes that copies the whole table they
// show, one "value<TAB>unit" line a row.
inline constexpr std::string_view kCopyTable = "Copy Table";

// The caption of the sheet's Cancel button, the only button the window shows.
inline constexpr std::string_view kExitCaption = "Exit";

// What velkari says on its command line (--help, --version, a refused argument) and
// when it has no display. Its version is the project's, set in CMakeLists.txt.
inline constexpr std::string_view kProgramName = "velkari";
inline constexpr std::string_view kProgramVersion = VELKARI_VERSION;
inline constexpr std::string_view kVersionText =
    "Copyright (C) 2026 Velkari Software\n"
    "License MIT: <https://opensource.org/licenses/MIT>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";
inline constexpr std::string_view kHelpDescription =
    "Opens the Velkari Unit Converter: one window with a tab for each kind of measure,\n"
    "from Angle to Weight. Type a number, pick its unit, press \"=\" (or Enter) and read\n"
    "the value in every unit of the tab. velkari-cli gives the same conversions to scripts.\n"
    "\n"
    "  velkari --convert 3 ft to m     opens the Length tab with 3 ft converted\n"
    "  velkari --convert 350F          opens the Temperature tab with 350 Fahrenheit converted";
// --convert: the option's name, its value's name in --help, and what it does.
inline constexpr std::string_view kConvertOptionName = "convert";
inline constexpr std::string_view kConvertValueName = "QUERY";
inline constexpr std::string_view kConvertOption =
    "Opens the window on the tab of QUERY (every word after --convert: an amount, its unit "
    "and optionally a target, as in 3 ft to m) with its value typed, its unit picked and "
    "\"=\" pressed, as if by hand. A query the window cannot show is said in a message box "
    "over the window.";
// The message box of a query the window cannot show: %1 is the query, %2 the reason.
inline constexpr std::string_view kConvertRefused = "\"%1\" cannot be converted: %2";
inline constexpr std::string_view kHelpOption = "Shows this help and exits.";
inline constexpr std::string_view kVersionOption = "Shows the version and the licence and exits.";
inline constexpr std::string_view kHelpFooter =
    "Qt's own options, such as -platform and -display, are accepted as well. The window\n"
    "reads nothing else from its command line.\n"
    "\n"
    "Exit status: 0 when the window is closed, 1 when there is no display to open it on,\n"
    "2 when an argument is refused.\n"
    "\n"
    "Report bugs to <support@velkari.example>.\n";
inline constexpr std::string_view kUnexpectedArgument =
    "unexpected argument '%1': the window takes no file or value";
inline constexpr std::string_view kTryHelp = "Try 'velkari --help' for more information.\n";
inline constexpr std::string_view kNoDisplay =
    "no display to open the window on (%1); start it from a desktop session, or under a "
    "virtual one: xvfb-run velkari";

// The same for velkari-chemistry, where they differ.
inline constexpr std::string_view kChemistryProgramName = "velkari-chemistry";
inline constexpr std::string_view kChemistryHelpDescription =
    "Opens Velkari Chemistry: a periodic table to browse, the molecular weight of a\n"
    "formula with grams to moles and back, and the percent composition, simplest and\n"
    "molecular formula of a compound. velkari-cli gives the same calculations to scripts.";
inline constexpr std::string_view kChemistryTryHelp =
    "Try 'velkari-chemistry --help' for more information.\n";
inline constexpr std::string_view kChemistryNoDisplay =
    "no display to open the window on (%1); start it from a desktop session, or under a "
    "virtual one: xvfb-run velkari-chemistry";

}  // namespace res
