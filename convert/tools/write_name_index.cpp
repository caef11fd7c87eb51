// Writes the unit names' look-up table as C++ constants, for the build to compile into
// the core: write_name_index OUTPUT. The table is the one the core builds from its unit
// tables, aliases and name rows (convert::names::BuiltIndex), so it names exactly what
// they name; a core test compares the two.
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "convert/name_index.h"

namespace {

// A string literal for any bytes: octal escapes, which never run into the next letter.
std::string Literal(std::string_view text)
{
    std::string literal = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7f || c == '"' || c == '\\' || c == '?') {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            literal += escape;
        } else {
            literal += c;
        }
    }
    return literal + '"';
}

std::string Unit(const convert::UnitName& unit)
{
    return "{" + std::to_string(unit.tab) + ", " + std::to_string(unit.unit) + "}";
}

std::string Place(convert::names::Text text)
{
    return "{" + std::to_string(text.at) + ", " + std::to_string(text.size) + "}";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: write_name_index OUTPUT\n", stderr);
        return 2;
    }
    const convert::names::Index index = convert::names::BuiltIndex();
    std::ofstream out(argv[1], std::ios::trunc);
    out << "// Written by convert/tools/write_name_index from the unit tables.\n"
           "#include \"convert/name_index.h\"\n\n"
           "namespace convert::names {\nnamespace {\n\nconstexpr char kText[] =";
    constexpr std::size_t kLine = 64;
    for (std::size_t at = 0; at < index.text.size(); at += kLine) {
        out << "\n    " << Literal(index.text.substr(at, kLine));
    }
    out << ";\n\nconstexpr Slot kSlots[] = {\n";
    for (const convert::names::Slot& slot : index.slots) {
        if (slot.key.size == 0) {
            out << "    {},\n";
        } else {
            out << "    {" << Place(slot.key) << ", " << slot.first << ", " << slot.count << ", "
                << slot.longest << ", " << (slot.exact ? "true" : "false") << "},\n";
        }
    }
    out << "};\n\nconstexpr Name kByKey[] = {\n";
    for (const convert::names::Name& name : index.byKey) {
        out << "    {" << Place(name.key) << ", " << Place(name.written) << ", "
            << (name.exact ? "true" : "false") << ", " << Unit(name.unit) << "},\n";
    }
    out << "};\n\nconstexpr UnitName kUnits[] = {\n";
    for (const convert::UnitName& unit : index.units) {
        out << "    " << Unit(unit) << ",\n";
    }
    out << "};\n\n}  // namespace\n\nIndex CompiledIndex()\n{\n"
           "    return {{kText, sizeof kText - 1}, kSlots, kByKey, kUnits};\n}\n\n"
           "}  // namespace convert::names\n";
    out.close();
    return out ? 0 : 1;
}
