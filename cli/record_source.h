// The records of a run's --batch table, --batch file of values (one a line) or --sequence,
// read one at a time, for files and sheets alike.
#pragma once

#include "arguments.h"
#include "batch_run.h"
#include "fd_stream.h"
#include "line_reader.h"

#include <label_records.h>

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark::cli {

class TRecordSource {
public:
    // Opens the table, the lines or the sequence of Options, with Text the label text
    // templates. Blank lines are skipped, and a line too long for a value raises ETableError. A
    // regular file's table is read through once first, so that a fault stops the run before
    // anything is drawn, and Total() is its count of records. Raises ETableError for a table
    // with a fault, UsageError for a column, field or template that can't be used.
    TRecordSource(const TOptions& Options, const std::vector<std::string>& Text);
    TRecordSource(const TRecordSource&) = delete;
    TRecordSource& operator=(const TRecordSource&) = delete;

    // The next record, or none after the last or once a signal asked the batch to stop.
    // Raises ETableError for a row with a fault.
    std::optional<TLabelRecord> Next();
    std::optional<std::uint64_t> Total() const { return total_; }

    // The place among the records' fields of the one an -o template names ({sku}, {3},
    // {seq}); raises Exception naming the fields there are.
    std::size_t FieldIndex(std::string_view Name) const;

private:
    void OpenTable(const TOptions& Options, const std::vector<std::string>& Text);
    std::optional<TLabelRecord> NextLine();

    std::optional<TInput> input_;
    std::unique_ptr<TFdStreamBuf> buffer_;
    std::unique_ptr<std::istream> in_;
    std::optional<TTableReader> reader_;
    std::optional<TTableRecords> table_;
    std::optional<TSequenceRecords> sequence_;
    std::optional<TLineReader> lineReader_;
    std::optional<TLineRecords> lines_;
    std::optional<std::uint64_t> total_;
};

// The table's fault, said once with the input and where it failed; the exit status, 1.
int TableFailed(const TOptions& Options, const ETableError& Error);

} // namespace quillmark::cli
