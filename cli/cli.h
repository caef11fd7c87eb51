// velkari-cli: the converter tabs' conversions for scripts, over the same core as the
// window.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace cli {

// The exit status of a run.
inline constexpr int kSuccess = 0;
inline constexpr int kWriteFailed = 1;  // the caller says why, or nothing for a closed pipe
inline constexpr int kReadFailed = 1;
inline constexpr int kBadArguments = 2;

// An argument the user has to correct; the message says which and why.
struct Refusal {
    std::string message;
};

// Thrown by a reader of standard input that failed, with errno's value; Run says so
// and returns kReadFailed.
struct ReadError {
    int error;
};

// The text in double quotes, as messages name what the user typed: quotes,
// backslashes, control and invisible characters escaped, and cut with an ellipsis
// after 64 characters, so that no input can paint the terminal or flood it.
std::string Quoted(std::string_view text);

// Runs the command line (without the program name): results on out, a message naming
// what was wrong on err. Nothing goes to out when the arguments are refused; a column of
// values (VALUE "-") is read from in and written as it goes, so a refused line leaves
// the lines before it on out. kWriteFailed when out could not be written, kReadFailed
// when in could not be read.
int Run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace cli
