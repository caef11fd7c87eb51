// Tab-separated rows: the texts hold no tab or line break, so fields go as they are; a
// query read from a line may hold a tab between its words, written as a blank.
#include <algorithm>

#include "cli/table_writer.h"

namespace cli {
namespace {

class Tsv final : public TableWriter {
protected:
    void AppendField(std::string& text, std::string_view field) const override
    {
        const std::size_t begin = text.size();
        text += field;
        std::replace(text.begin() + static_cast<std::ptrdiff_t>(begin), text.end(), '\t', ' ');
    }
    char Separator() const override { return '\t'; }
};

}  // namespace

const Writer& TsvWriter()
{
    static const Tsv writer;
    return writer;
}

}  // namespace cli
