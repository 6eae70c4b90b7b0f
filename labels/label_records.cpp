#include "label_records.h"

#include "check_digits.h"
#include <quillmark/error_messages.h>

#include <charconv>
#include <string_view>

namespace quillmark {
namespace {

constexpr std::string_view SequenceField = "seq";
constexpr std::string_view ValueField = "value";

std::vector<TValueTemplate> ReadTextTemplates(const std::vector<std::string>& Texts) {
    if (Texts.size() > MostLabelTextLines)
        throw Exception("A label takes at most " + std::to_string(MostLabelTextLines) +
                        " lines of text, not " + std::to_string(Texts.size()) +
                        "; join lines or leave some out.");
    return {Texts.begin(), Texts.end()};
}

std::string FieldRefused(const TValueTemplate& Text, const TTemplatePiece& Piece) {
    return "The label text '" + Shortened(Text.Text()) + "' has the field {" +
           Shortened(Piece.Field) + "} at character " + std::to_string(Piece.Position);
}

std::string_view WithoutBlanks(std::string_view Cell) {
    const auto First = Cell.find_first_not_of(" \t");
    if (First == std::string_view::npos)
        return {};
    return Cell.substr(First, Cell.find_last_not_of(" \t") - First + 1);
}

// "column 3 ('type')": where a person finds the cell.
std::string ColumnText(const TTableColumns& Columns, std::size_t Index) {
    std::string Text = "column " + std::to_string(Index + 1);
    if (Index < Columns.Header().size())
        Text += " ('" + Shortened(Columns.Header()[Index]) + "')";
    return Text;
}

std::uint64_t Copies(std::string_view Cell, const std::string& Where, std::uint64_t Line) {
    std::uint64_t Count = 0;
    const auto* End = Cell.data() + Cell.size();
    const auto [Stop, Error] = std::from_chars(Cell.data(), End, Count);
    if (Cell.empty() || Error != std::errc() || Stop != End || Count > MostCopies)
        throw ETableError(Line, 0,
                          Where + " gives '" + Shortened(std::string(Cell)) +
                              "' copies; write a whole number of labels from 0 to " +
                              std::to_string(MostCopies) + ".");
    return Count;
}

} // namespace

TTableRecords::TTableRecords(TTableReader& Reader, const TRecordColumns& Columns,
                             const std::vector<std::string>& TextTemplates)
    : FReader(Reader), FColumns(Reader.Header(), Reader.FieldCount()),
      FValue(FColumns.Resolve(Columns.Value)), FText(ReadTextTemplates(TextTemplates)) {
    if (Columns.Type)
        FType = FColumns.Resolve(*Columns.Type);
    if (Columns.Copies)
        FCopies = FColumns.Resolve(*Columns.Copies);
    for (const auto& Text : FText) {
        auto& Fields = FTextFields.emplace_back();
        for (const auto& Piece : Text.Pieces()) {
            if (Piece.Field.empty())
                continue;
            try {
                Fields.push_back(FColumns.Resolve(Piece.Field));
            } catch (const Exception& Refusal) {
                throw Exception(FieldRefused(Text, Piece) + ": " + Refusal.Message());
            }
        }
    }
}

std::optional<TLabelRecord> TTableRecords::Next() {
    auto Row = FReader.Next();
    if (!Row)
        return std::nullopt;
    TLabelRecord Record;
    Record.Line = Row->Line;
    Record.Value = Row->Fields[FValue];
    if (FType) {
        const std::string_view Name = WithoutBlanks(Row->Fields[*FType]);
        if (!Name.empty()) {
            Record.Type = FindBarType(Name);
            if (!Record.Type)
                throw ETableError(Row->Line, 0,
                                  ColumnText(FColumns, *FType) + " names the symbology '" +
                                      Shortened(std::string(Name)) +
                                      "', which there is none of; write one's identifier or "
                                      "alias, as EAN13 or qr, or leave the cell empty for the "
                                      "run's own.");
        }
    }
    if (FCopies)
        Record.Copies =
            Copies(WithoutBlanks(Row->Fields[*FCopies]), ColumnText(FColumns, *FCopies), Row->Line);
    for (std::size_t I = 0; I < FText.size(); ++I) {
        std::size_t Field = 0;
        Record.Text.push_back(FText[I].Format(
            [&](const TTemplatePiece&) { return Row->Fields[FTextFields[I][Field++]]; }));
    }
    Record.Fields = std::move(Row->Fields);
    return Record;
}

TSequenceRecords::TSequenceRecords(const TSequenceRange& Range, std::string_view ValueTemplate,
                                   const std::vector<std::string>& TextTemplates,
                                   std::optional<TBarType> CheckDigitsOf)
    : FValues(Range, ValueTemplate), FNumbers(Range), FText(ReadTextTemplates(TextTemplates)),
      FCheckDigitsOf(CheckDigitsOf) {
    for (const auto& Text : FText)
        for (const auto& Piece : Text.Pieces())
            if (!Piece.Field.empty() && Piece.Field != SequenceField && Piece.Field != ValueField)
                throw Exception(FieldRefused(Text, Piece) +
                                "; a sequence's label text knows {seq} and {value}.");
}

std::optional<TLabelRecord> TSequenceRecords::Next() {
    auto Value = FValues.Next();
    if (!Value)
        return std::nullopt;
    TLabelRecord Record;
    Record.Line = ++FCount;
    Record.Value = FCheckDigitsOf ? WithCheckDigits(*FCheckDigitsOf, *Value) : *Value;
    Record.Fields = {*FNumbers.Next()};
    for (const auto& Text : FText)
        Record.Text.push_back(Text.Format([&](const TTemplatePiece& Piece) {
            return Piece.Field == SequenceField ? Record.Fields.front() : Record.Value;
        }));
    return Record;
}

std::size_t TSequenceRecords::FieldIndex(std::string_view Name) const {
    if (Name != SequenceField)
        throw Exception("a sequence's fields are {n}, {seq} and {value}.");
    return 0;
}

TLineRecords::TLineRecords(const std::vector<std::string>& TextTemplates)
    : FText(ReadTextTemplates(TextTemplates)) {
    for (const auto& Text : FText)
        for (const auto& Piece : Text.Pieces())
            if (!Piece.Field.empty() && Piece.Field != ValueField)
                throw Exception(FieldRefused(Text, Piece) +
                                "; the label text of a file of values knows {value}.");
}

TLabelRecord TLineRecords::Record(std::uint64_t Line, std::string Value) const {
    TLabelRecord Record;
    Record.Line = Line;
    Record.Value = std::move(Value);
    Record.Fields = {Record.Value};
    for (const auto& Text : FText)
        Record.Text.push_back(Text.Format([&](const TTemplatePiece&) { return Record.Value; }));
    return Record;
}

std::size_t TLineRecords::FieldIndex(std::string_view Name) const {
    if (Name != ValueField)
        throw Exception("a file of values' fields are {n} and {value}.");
    return 0;
}

} // namespace quillmark
