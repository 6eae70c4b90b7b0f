// Tables of values read a row at a time from a stream: CSV as RFC 4180 writes it, and
// tab-separated values as the IANA type text/tab-separated-values defines them. Only the
// row being read is held, so a table of any number of rows reads in bounded memory.
#pragma once

#include <quillmark/engine.h>

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace quillmark {

enum class TTableFormat { Csv, Tsv };

// A table that cannot be read, with the place a person looks at: Line and Column are
// 1-based, Column counts characters (UTF-8 sequences count once) and is 0 for the row as a
// whole.
class ETableError : public Exception {
public:
    ETableError(std::size_t Line, std::size_t Column, const std::string& Message);
    std::size_t Line() const noexcept { return FLine; }
    std::size_t Column() const noexcept { return FColumn; }

private:
    std::size_t FLine;
    std::size_t FColumn;
};

struct TTableRow {
    std::vector<std::string> Fields;
    std::size_t Line = 0; // where the row starts: a quoted field may span lines
};

// The most characters one row may hold: an unclosed quote near the start of a large file
// would otherwise take the whole file into one field.
inline constexpr std::size_t MaxTableRowCharacters = std::size_t{1} << 20;

class TTableReader {
public:
    // Reads the first row at once: the header when HasHeader, otherwise the first record,
    // kept for Next, so that the columns are known before any record is used. Raises
    // ETableError for an empty table with a header, or a first row that cannot be read.
    TTableReader(std::istream& In, TTableFormat Format, bool HasHeader);

    // The header's names (empty without a header) and the number of fields every row has
    // (0 for an empty table).
    const std::vector<std::string>& Header() const noexcept { return FHeader; }
    std::size_t FieldCount() const noexcept { return FFieldCount; }

    // The next record, or nothing at the end of the table. Lines without a character are
    // skipped. Raises ETableError naming the line and column of a row that cannot be read.
    std::optional<TTableRow> Next();

private:
    std::optional<TTableRow> ReadRow();
    void ReadQuoted(std::string& Field);
    int Get();
    int Peek();

    std::istream& FIn;
    TTableFormat FFormat;
    char FSeparator;
    std::vector<std::string> FHeader;
    std::size_t FFieldCount = 0;
    std::optional<TTableRow> FPending;
    std::size_t FLine = 1;
    std::size_t FColumn = 0; // of the character read last
    bool FAtLineStart = false;
    std::string FAhead; // bytes read while looking for a byte order mark
    std::size_t FAheadAt = 0;
    std::size_t FRowLine = 1;
    std::size_t FRowCharacters = 0;
};

} // namespace quillmark
