// Where a batch's records come from, as the Batch view's controls set it: a CSV or TSV file
// with its columns, or a numbered sequence through a value template. Opened afresh from the
// start each time, so that a table of any size is read a row at a time, never held whole.
#pragma once

#include <label_records.h>
#include <quillmark/output_job.h>

#include <fstream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quillmark::studio {

struct TTableInput {
    std::string FileName;
    TTableFormat Format = TTableFormat::Csv;
    bool Header = true;
    TRecordColumns Columns;
};

struct TSequenceInput {
    std::string Range = "1..10"; // FROM..TO[/STEP]
    std::string ValueTemplate = "{seq}";
};

struct TBatchInput {
    std::variant<TTableInput, TSequenceInput> Source;
    std::vector<std::string> Text; // the label's text templates, empty ones left out
};

// The type whose check digits a sequence's numbers get: the job's, where its check mode adds
// them as it does to a typed value; none otherwise.
std::optional<TBarType> SequenceCheckDigits(const TOutputJob& Job);

class TBatchRecords {
public:
    // Opens Input at its first record; a sequence's numbers get the check digits of
    // CheckDigitsOf's symbols where one is given. Raises Exception for a file that can't be
    // opened, a column, range or template that can't be used, and ETableError for a table
    // whose first row can't be read.
    TBatchRecords(const TBatchInput& Input, std::optional<TBarType> CheckDigitsOf);
    TBatchRecords(const TBatchRecords&) = delete;
    TBatchRecords& operator=(const TBatchRecords&) = delete;

    // The next record, or nothing after the last; raises ETableError for a row with a fault.
    std::optional<TLabelRecord> Next();

    // The place among the records' fields of the one Name names: a table's column ({sku},
    // {3}) or a sequence's {seq}. Raises Exception naming the fields there are.
    std::size_t FieldIndex(std::string_view Name) const;

private:
    std::ifstream FIn;
    std::optional<TTableReader> FReader;
    std::optional<TTableRecords> FTable;
    std::optional<TSequenceRecords> FSequence;
};

} // namespace quillmark::studio
