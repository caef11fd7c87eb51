// The small text helpers velkari-cli's parts share: names compared as people type
// them, and what the user typed quoted in a message.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// ASCII letters in lower case; other bytes unchanged.
std::string Lower(std::string_view text);

// Without the blanks and tabs around it.
std::string_view Trim(std::string_view text);

// The same name, case and blanks around aside.
bool SameName(std::string_view a, std::string_view b);

// What the user typed, as a message may show it: control and invisible characters
// escaped (\r, \x1b, \0, \ufeff), bytes that are no UTF-8 as \xNN. Quoted (in cli.h)
// also escapes quotes and backslashes, and cuts a long text with an ellipsis;
// Shortened cuts without quoting, for a number shown bare.
std::string Escaped(std::string_view text);
std::string Shortened(std::string_view text);

}  // namespace cli
