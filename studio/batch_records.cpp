#include "batch_records.h"

namespace quillmark::studio {

std::optional<TBarType> SequenceCheckDigits(const TOutputJob& Job) {
    if (Job.CheckDigits != TCheckDigits::Auto)
        return std::nullopt;
    return Job.Description.Barcode.BarType;
}

TBatchRecords::TBatchRecords(const TBatchInput& Input, std::optional<TBarType> CheckDigitsOf) {
    if (const auto* sequence = std::get_if<TSequenceInput>(&Input.Source)) {
        FSequence.emplace(ParseSequenceRange(sequence->Range), sequence->ValueTemplate, Input.Text,
                          CheckDigitsOf);
        return;
    }
    const auto& table = std::get<TTableInput>(Input.Source);
    FIn.open(table.FileName, std::ios::binary);
    if (!FIn)
        throw Exception("The table '" + table.FileName +
                        "' can't be opened: choose a file that exists and can be read.");
    FReader.emplace(FIn, table.Format, table.Header);
    FTable.emplace(*FReader, table.Columns, Input.Text);
}

std::optional<TLabelRecord> TBatchRecords::Next() {
    return FTable ? FTable->Next() : FSequence->Next();
}

std::size_t TBatchRecords::FieldIndex(std::string_view Name) const {
    return FTable ? FTable->FieldIndex(Name) : FSequence->FieldIndex(Name);
}

} // namespace quillmark::studio
