#include "table_reader.h"

#include <string_view>
#include <utility>

namespace quillmark {
namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

bool EndsField(int Ch, char Separator) {
    return Ch == Separator || Ch == '\r' || Ch == '\n' || Ch == std::char_traits<char>::eof();
}

std::string Quoted(int Ch) {
    if (Ch > ' ' && Ch < 0x7F)
        return std::string(" ('") + static_cast<char>(Ch) + "')";
    return {};
}

std::string Place(std::size_t Line, std::size_t Column) {
    std::string Text = "Line " + std::to_string(Line);
    if (Column > 0)
        Text += ", column " + std::to_string(Column);
    return Text + ": ";
}

} // namespace

ETableError::ETableError(std::size_t Line, std::size_t Column, const std::string& Message)
    : Exception(Place(Line, Column) + Message), FLine(Line), FColumn(Column) {}

TTableReader::TTableReader(std::istream& In, TTableFormat Format, bool HasHeader)
    : FIn(In), FFormat(Format), FSeparator(Format == TTableFormat::Csv ? ',' : '\t') {
    // A byte order mark says the file is UTF-8; it is no part of the first field. Bytes
    // that only begin like one are given back to the reader.
    for (char Expected : Bom) {
        const int Ch = FIn.rdbuf()->sgetc();
        if (Ch != static_cast<unsigned char>(Expected))
            break;
        FAhead += static_cast<char>(FIn.rdbuf()->sbumpc());
    }
    if (FAhead == Bom)
        FAhead.clear();
    auto First = ReadRow();
    if (HasHeader) {
        if (!First)
            throw ETableError(1, 0, "the table is empty; its first line should name the columns.");
        FHeader = std::move(First->Fields);
        FFieldCount = FHeader.size();
    } else if (First) {
        FFieldCount = First->Fields.size();
        FPending = std::move(First);
    }
}

std::optional<TTableRow> TTableReader::Next() {
    if (FPending)
        return std::exchange(FPending, std::nullopt);
    auto Row = ReadRow();
    if (Row && Row->Fields.size() != FFieldCount)
        throw ETableError(Row->Line, 0,
                          "the row has " + std::to_string(Row->Fields.size()) +
                              " fields where the " + (FHeader.empty() ? "first row" : "header") +
                              " has " + std::to_string(FFieldCount) +
                              "; every row needs as many fields as the " +
                              (FHeader.empty() ? "first." : "header."));
    return Row;
}

int TTableReader::Peek() {
    if (FAheadAt < FAhead.size())
        return static_cast<unsigned char>(FAhead[FAheadAt]);
    return FIn.rdbuf()->sgetc();
}

int TTableReader::Get() {
    int Ch = std::char_traits<char>::eof();
    if (FAheadAt < FAhead.size())
        Ch = static_cast<unsigned char>(FAhead[FAheadAt++]);
    else
        Ch = FIn.rdbuf()->sbumpc();
    if (Ch == std::char_traits<char>::eof())
        return Ch;
    if (FAtLineStart) {
        ++FLine;
        FColumn = 0;
        FAtLineStart = false;
    }
    // UTF-8 continuation bytes belong to the character before them.
    if ((Ch & 0xC0) != 0x80)
        ++FColumn;
    // CR LF, LF, or a CR alone as old Macintosh files end lines.
    if (Ch == '\n' || (Ch == '\r' && Peek() != '\n'))
        FAtLineStart = true;
    if (++FRowCharacters > MaxTableRowCharacters)
        throw ETableError(FRowLine, 0,
                          "the row is longer than " + std::to_string(MaxTableRowCharacters) +
                              " characters; is a quote left open before it?");
    return Ch;
}

std::optional<TTableRow> TTableReader::ReadRow() {
    // Lines without a character carry no row (a last line end doubled, say).
    for (int Ch = Peek(); Ch == '\r' || Ch == '\n'; Ch = Peek()) {
        Get();
        FRowCharacters = 0;
    }
    if (Peek() == std::char_traits<char>::eof())
        return std::nullopt;
    FRowCharacters = 0;
    FRowLine = FAtLineStart ? FLine + 1 : FLine;
    TTableRow Row;
    Row.Line = FRowLine;
    for (;;) {
        std::string Field;
        if (FFormat == TTableFormat::Csv && Peek() == '"') {
            Get();
            ReadQuoted(Field);
            if (!EndsField(Peek(), FSeparator)) {
                const int Ch = Get();
                throw ETableError(FLine, FColumn,
                                  "a character" + Quoted(Ch) +
                                      " follows the closing quote of field " +
                                      std::to_string(Row.Fields.size() + 1) +
                                      "; a quote inside a quoted field is written twice (\"\").");
            }
        } else {
            while (!EndsField(Peek(), FSeparator))
                Field += static_cast<char>(Get());
        }
        Row.Fields.push_back(std::move(Field));
        const int Ch = Get();
        if (Ch == FSeparator)
            continue;
        if (Ch == '\r' && Peek() == '\n')
            Get();
        return Row;
    }
}

void TTableReader::ReadQuoted(std::string& Field) {
    const std::size_t OpenLine = FLine;
    const std::size_t OpenColumn = FColumn;
    for (;;) {
        const int Ch = Get();
        if (Ch == std::char_traits<char>::eof())
            throw ETableError(OpenLine, OpenColumn,
                              "the quote that opens this field is not closed before the end "
                              "of the file; close it, and write a quote inside it twice "
                              "(\"\").");
        if (Ch == '"') {
            if (Peek() != '"')
                return;
            Get();
        }
        Field += static_cast<char>(Ch);
    }
}

} // namespace quillmark
