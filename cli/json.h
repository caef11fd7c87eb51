// The pieces of velkari-cli's JSON output: strings and numbers as JSON writes them.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// A JSON string: quoted, with quotes, backslashes and control characters escaped. The
// texts are UTF-8 and stay so.
std::string JsonString(std::string_view text);

// The shortest text that reads back as the same double; null for an infinity or NaN,
// which JSON cannot write.
std::string JsonNumber(double value);

}  // namespace cli
