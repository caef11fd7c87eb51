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

}  // namespace cli
