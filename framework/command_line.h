// The windowed program's start before its window: its own few options (--help,
// --version), read with Qt's command-line parser without needing a display, and the
// toolkit's start, which ends the program with one clear line when there is no
// display to open the window on.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

class QApplication;

namespace framework {

// An option of the program's own whose value is the rest of the command line:
// "--convert 3 ft to m", "--convert '3 ft to m'" or "--convert=3ft" (the words joined by
// single blanks). Nothing after it is read as an option, so that its value may begin
// with a dash ("--convert -40 C").
struct RestOption {
    std::string_view name;         // without the dashes: "convert"
    std::string_view valueName;    // for --help: "QUERY"
    std::string_view description;  // for --help
    // Given the value (UTF-8) once the command line has been read and the program goes
    // on to open its window.
    void (*take)(std::string_view value) = nullptr;
};

// What a program says of itself before it has a window. The program's application
// object fills it in; every text is the program's own (UTF-8).
struct ProgramInfo {
    std::string_view name;         // the command: "velkari"; messages begin "velkari: "
    std::string_view version;      // "1.0"
    std::string_view title;        // the product's name, beside the version: (Velkari ...)
    std::string_view versionText;  // the lines under the version: copyright and licence
    std::string_view description;  // --help's lines between the usage and the options
    std::string_view helpFooter;   // --help's lines after the options
    std::string_view helpOption;   // what --help does, in the list of options
    std::string_view versionOption;
    std::string_view unexpectedArgument;  // a refused word that is no option; %1 is the word
    std::string_view tryHelp;             // the line under a refused argument
    std::string_view noDisplay;           // the line when no window can be opened; %1: why
    RestOption rest = {};                 // none when its name is empty
};

// Exit statuses of the start.
inline constexpr int kExitNoDisplay = 1;
inline constexpr int kExitWriteError = 1;
inline constexpr int kExitUsage = 2;

// Reads the command line as the program sees it (Qt's own options such as -platform
// or -display are let through for the toolkit). Writes the help or the version to out,
// or a refused argument to err, and returns the exit status when the program is to end
// here; nothing when it is to go on and open its window.
std::optional<int> HandleCommandLine(const ProgramInfo& info, int argc, const char* const* argv,
                                     std::FILE* out, std::FILE* err);

// Starts the toolkit. When it cannot open a display (none set, none reachable, an
// unknown platform) the program ends here with one line on standard error and
// kExitNoDisplay, instead of the toolkit's abort.
std::unique_ptr<QApplication> StartToolkit(const ProgramInfo& info, int& argc, char** argv);

}  // namespace framework
