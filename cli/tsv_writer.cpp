// Tab-separated rows: the texts hold no tab or line break, so fields go as they are.
#include "cli/table_writer.h"

namespace cli {
namespace {

class Tsv final : public TableWriter {
protected:
    void AppendField(std::string& text, std::string_view field) const override { text += field; }
    char Separator() const override { return '\t'; }
};

}  // namespace

const Writer& TsvWriter()
{
    static const Tsv writer;
    return writer;
}

}  // namespace cli
