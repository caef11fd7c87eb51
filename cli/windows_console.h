// What velkari-cli needs on Windows to behave as on Linux: its arguments as UTF-8
// whatever the system's code page, its standard streams byte for byte, and UTF-8 on the
// console. Built into the program on Windows only.
#pragma once

#include <string>
#include <vector>

namespace cli {

// For the program's run: standard input, output and error in binary mode (a pipe keeps
// "\n" line ends; CRLF input reaches the line reader as on Linux), and a console that
// shows the output gets UTF-8 as its output code page. The console belongs to the cmd.exe
// or PowerShell window the program was started from: its code page is put back at the
// end of the run, and when Ctrl+C or Ctrl+Break ends it.
class WindowsConsole {
public:
    WindowsConsole();
    ~WindowsConsole();
    WindowsConsole(const WindowsConsole&) = delete;
    WindowsConsole& operator=(const WindowsConsole&) = delete;
};

// The words after the program's name, in UTF-8, from the command line as Windows keeps
// it (UTF-16), so that "µm" or "°F" arrive whole from any console. argv, in the system's
// ANSI code page, only when that cannot be read.
std::vector<std::string> WindowsArguments(int argc, char** argv);

}  // namespace cli
