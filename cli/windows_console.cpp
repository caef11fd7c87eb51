#include "cli/windows_console.h"

// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>

namespace cli {
namespace {

// The console's output code page before the run set it; 0 when the run left it alone.
UINT g_savedOutputCodePage = 0;

void RestoreCodePage()
{
    if (g_savedOutputCodePage != 0) {
        SetConsoleOutputCP(g_savedOutputCodePage);
    }
}

BOOL WINAPI RestoreOnBreak(DWORD /*event*/)
{
    RestoreCodePage();
    return FALSE;  // the next handler, Windows' own, ends the program
}

bool IsConsole(DWORD stdHandle)
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(stdHandle), &mode) != 0;
}

std::string Utf8(const wchar_t* text)
{
    const int length = static_cast<int>(std::wcslen(text));
    if (length == 0) {
        return {};
    }
    // A lone surrogate becomes U+FFFD, which the program then refuses as any other
    // unknown text.
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

}  // namespace

WindowsConsole::WindowsConsole()
{
    for (FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
    // Standard error shares the window's console even when the output goes to a file.
    if (IsConsole(STD_OUTPUT_HANDLE) || IsConsole(STD_ERROR_HANDLE)) {
        g_savedOutputCodePage = GetConsoleOutputCP();
        SetConsoleCtrlHandler(RestoreOnBreak, TRUE);
        SetConsoleOutputCP(CP_UTF8);
    }
}

WindowsConsole::~WindowsConsole()
{
    RestoreCodePage();
}

std::vector<std::string> WindowsArguments(int argc, char** argv)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    }
    std::vector<std::string> words;
    for (int i = 1; i < count; ++i) {
        words.push_back(Utf8(wide[i]));
    }
    LocalFree(wide);
    return words;
}

}  // namespace cli
