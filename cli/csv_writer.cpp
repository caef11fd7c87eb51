// Comma-separated rows: a field is quoted only when it holds a comma, a quote or a line
// break, its quotes doubled ("Gallon, liquid (gal) (US)").
#include "cli/table_writer.h"

namespace cli {
namespace {

class Csv final : public TableWriter {
protected:
    void AppendField(std::string& text, std::string_view field) const override
    {
        if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
            text += field;
            return;
        }
        text += '"';
        for (const char c : field) {
            text += c;
            if (c == '"') {
                text += '"';
            }
        }
        text += '"';
    }
    char Separator() const override { return ','; }
};

}  // namespace

const Writer& CsvWriter()
{
    static const Csv writer;
    return writer;
}

}  // namespace cli
