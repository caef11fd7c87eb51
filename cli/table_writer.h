// What tsv and csv share: a header row, then a row per result (value, unit, and
// Temperature's formula), or in a column of several targets a row per value. A stream of
// queries is one table: a row per result, with the query it answers and a formula column
// that only Temperature's rows fill.
#pragma once

#include <span>
#include <string_view>

#include "cli/writer.h"

namespace cli {

class TableWriter : public Writer {
public:
    void Single(std::string& text, const Conversion& conversion) const override;
    void ColumnHead(std::string& text, const Plan& plan) const override;
    void ColumnValue(std::string& text, const Conversion& conversion) const override;
    void QueryHead(std::string& text) const override;
    void QueryValue(std::string& text, std::string_view query,
                    const Conversion& conversion) const override;

protected:
    // One field as the format writes it, and what stands between two fields.
    virtual void AppendField(std::string& text, std::string_view field) const = 0;
    virtual char Separator() const = 0;

private:
    void AppendRow(std::string& text, std::span<const std::string_view> fields) const;
    void AppendResultHeader(std::string& text, const Plan& plan) const;
    void AppendResultRows(std::string& text, const Conversion& conversion) const;
};

}  // namespace cli
