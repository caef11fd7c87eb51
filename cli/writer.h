// One writer per output format (plain, tsv, csv, json): every command's results go
// through the writer of the format asked for, so a format is written in one place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/plan.h"
#include "cli/report.h"

namespace cli {

// A value converted as its plan says, with its results in output order.
struct Conversion {
    const Plan& plan;
    double value;
    const std::vector<Result>& results;
};

class Writer {
public:
    virtual ~Writer() = default;

    // The results of a conversion given on the command line.
    virtual void Single(std::string& text, const Conversion& conversion) const = 0;
    // What a column of values begins with, before its first value.
    virtual void ColumnHead(std::string& text, const Plan& plan) const = 0;
    // One value of a column.
    virtual void ColumnValue(std::string& text, const Conversion& conversion) const = 0;
    // What a stream of queries begins with, before its first query.
    virtual void QueryHead(std::string& /*text*/) const {}
    // One query of a stream, as `query` was read; its lines may be of any category, so a
    // table of them names the query on each row. By default, as a column writes a value.
    virtual void QueryValue(std::string& text, std::string_view /*query*/,
                            const Conversion& conversion) const
    {
        ColumnValue(text, conversion);
    }
    // Whether each value of a column is written as its one result's text and a line
    // feed, which a column can then write without the result records.
    virtual bool WritesTextAlone(const Plan& /*plan*/) const { return false; }

    // Whether the format can write a chemistry command's report; tables cannot.
    virtual bool WritesReports() const { return false; }
    virtual void WriteReport(std::string& /*text*/, const Report& /*report*/) const {}
};

const Writer& PlainWriter();
const Writer& TsvWriter();
const Writer& CsvWriter();
const Writer& JsonWriter();

}  // namespace cli
