// The records of a batch of labels, one at a time: from a table's rows, the value, type and
// copies each from a column and the label's text from templates of its fields; or from a
// numbered sequence through a value template.
#pragma once

#include "label_record.h"
#include "sequence.h"
#include "table_columns.h"
#include "table_reader.h"
#include "value_template.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillmark {

// The most copies one row may ask for: more is taken for a slip of the keyboard.
inline constexpr std::uint64_t MostCopies = 100000;

// The columns a table's records take their parts from, each by header name or number.
struct TRecordColumns {
    std::string Value = "1";
    std::optional<std::string> Type;   // an empty cell leaves the run's type
    std::optional<std::string> Copies; // a whole number, 0 to MostCopies
};

class TTableRecords {
public:
    // Resolves Columns against Reader's header, and reads each of TextTemplates (at most
    // MostLabelTextLines), whose fields are columns by name or number ({sku}, {3}). Raises
    // Exception naming a column that isn't there, a field that is none, or a template too many.
    TTableRecords(TTableReader& Reader, const TRecordColumns& Columns,
                  const std::vector<std::string>& TextTemplates = {});

    // The next row's record, or nothing after the last. Raises ETableError for a row the
    // reader can't read, and for a type cell that names no symbology or a copies cell that
    // is no count, naming the row's line and the column.
    std::optional<TLabelRecord> Next();

    const TTableColumns& Columns() const noexcept { return FColumns; }
    // The field a file name template's {Name} reads: a column by header or number.
    std::size_t FieldIndex(std::string_view Name) const { return FColumns.Resolve(Name); }

private:
    TTableReader& FReader;
    TTableColumns FColumns;
    std::size_t FValue;
    std::optional<std::size_t> FType;
    std::optional<std::size_t> FCopies;
    std::vector<TValueTemplate> FText;
    std::vector<std::vector<std::size_t>> FTextFields; // each template's pieces' columns
};

class TSequenceRecords {
public:
    // The values of Range through ValueTemplate ({seq}), each with the check digits of
    // CheckDigitsOf's symbols appended (WithCheckDigits) where one is given; the label's
    // text through TextTemplates, whose fields are {seq} and {value}. Each record's Line
    // counts from 1; its Fields hold the number alone. Raises Exception for a template that
    // can't be read or names another field, or a template too many.
    TSequenceRecords(const TSequenceRange& Range, std::string_view ValueTemplate,
                     const std::vector<std::string>& TextTemplates = {},
                     std::optional<TBarType> CheckDigitsOf = std::nullopt);

    std::optional<TLabelRecord> Next();
    // The field a file name template's {Name} reads: {seq}, the number, the record's one
    // field. Raises Exception naming the fields for any other.
    std::size_t FieldIndex(std::string_view Name) const;

private:
    TSequence FValues;
    TSequence FNumbers;
    std::vector<TValueTemplate> FText;
    std::optional<TBarType> FCheckDigitsOf;
    std::uint64_t FCount = 0;
};

// The records of a file of values, one a line, as a plain batch reads them: each line's
// value whole, the label's text through TextTemplates, whose one field is {value}. The lines
// are read by the caller. Raises Exception for a template that names another field.
class TLineRecords {
public:
    explicit TLineRecords(const std::vector<std::string>& TextTemplates = {});

    // The record of Value, read on input line Line.
    TLabelRecord Record(std::uint64_t Line, std::string Value) const;
    // The field a file name template's {Name} reads: {value}, the record's one field.
    std::size_t FieldIndex(std::string_view Name) const;

private:
    std::vector<TValueTemplate> FText;
};

} // namespace quillmark
