// What a command found, in a form every output format can write: the record a
// structured format writes field by field, and the text plain output prints.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace cli {

struct Value;
struct Field;
using List = std::vector<Value>;
using Record = std::vector<Field>;  // fields in the order they are written

// A text, a number, a yes/no, nothing (null), a list or a record.
struct Value {
    std::variant<std::monostate, std::string, double, bool, List, Record> data;
};

struct Field {
    std::string name;
    Value value;
};

// A chemistry command's results.
struct Report {
    std::string text;  // the lines the chemistry pages show
    Record record;     // what it read and what it found
};

}  // namespace cli
