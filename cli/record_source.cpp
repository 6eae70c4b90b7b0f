#include "record_source.h"

#include "batch.h"
#include "text_bytes.h"

#include <cstdio>
#include <stdexcept>

#include <unistd.h>

namespace quillmark::cli {

namespace {

TRecordColumns Columns(const TOptions& Options) {
    const TRecordOptions& records = Options.Records;
    return {records.Value.value_or(std::string(DefaultValueColumn)), records.TypeColumn,
            records.CopiesColumn};
}

} // namespace

TRecordSource::TRecordSource(const TOptions& Options, const std::vector<std::string>& Text) {
    try {
        if (Options.Records.Table) {
            OpenTable(Options, Text);
            return;
        }
        if (!Options.Records.Sequence) {
            input_.emplace(Options.Input);
            lines_.emplace(Text);
            lineReader_.emplace(input_->Fd(), LongestLine);
            return;
        }
        // Numbered EAN/UPC and GS1 values get their check digits as --checksum auto adds one.
        const std::optional<TBarType> checkDigits =
            Options.CheckDigits == TCheckDigits::Auto
                ? std::optional(Options.Description.Barcode.BarType)
                : std::nullopt;
        const std::string value =
            Options.Records.Value.value_or(std::string(DefaultSequenceTemplate));
        try {
            TSequence{*Options.Records.Sequence, value};
        } catch (const Exception& e) {
            throw UsageError("--value: " + e.Message());
        }
        sequence_.emplace(*Options.Records.Sequence, value, Text, checkDigits);
    } catch (const ETableError&) {
        throw;
    } catch (const Exception& e) {
        // A column, a template or a field that isn't there: the command line names it.
        throw UsageError(e.Message());
    }
}

void TRecordSource::OpenTable(const TOptions& Options, const std::vector<std::string>& Text) {
    const TTableFormat format = *Options.Records.Table;
    input_.emplace(Options.Input);
    const int fd = input_->Fd();
    if (input_->IsRegularFile()) {
        TFdStreamBuf buffer(fd);
        std::istream in(&buffer);
        TTableReader reader(in, format, Options.Records.Header);
        TTableRecords records(reader, Columns(Options), Text);
        std::uint64_t count = 0;
        while (!TBatchRun::Stopped() && records.Next())
            ++count;
        total_ = count;
        if (::lseek(fd, 0, SEEK_SET) != 0)
            throw std::runtime_error("cannot read '" + Options.Input + "' again");
    }
    buffer_ = std::make_unique<TFdStreamBuf>(fd);
    in_ = std::make_unique<std::istream>(buffer_.get());
    reader_.emplace(*in_, format, Options.Records.Header);
    table_.emplace(*reader_, Columns(Options), Text);
}

std::optional<TLabelRecord> TRecordSource::Next() {
    if (TBatchRun::Stopped())
        return std::nullopt;
    return table_ ? table_->Next() : lines_ ? NextLine() : sequence_->Next();
}

// The next line that holds a value, as a plain batch reads it.
std::optional<TLabelRecord> TRecordSource::NextLine() {
    TLine line;
    while (lineReader_->Next(line)) {
        if (line.TooLong)
            throw ETableError(line.Number, 0,
                              "The line holds " + std::to_string(line.Length) +
                                  " bytes; a value may have at most " +
                                  std::to_string(LongestLine) + " bytes.");
        if (!IsBlank(line.Text))
            return lines_->Record(line.Number, std::move(line.Text));
    }
    return std::nullopt;
}

std::size_t TRecordSource::FieldIndex(std::string_view Name) const {
    return table_   ? table_->FieldIndex(Name)
           : lines_ ? lines_->FieldIndex(Name)
                    : sequence_->FieldIndex(Name);
}

int TableFailed(const TOptions& Options, const ETableError& Error) {
    const std::string input = Options.Input == "-" ? "stdin" : Options.Input;
    std::fprintf(stderr, "quillmark-cli: %s: %s\n", Utf8ForTerminal(input).c_str(),
                 Latin1ForTerminal(Error.Message()).c_str());
    return 1;
}

} // namespace quillmark::cli
