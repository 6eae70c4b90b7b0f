#include "record_options.h"

#include "sheet_catalogue.h"
#include <label_record.h>
#include <value_template.h>
#include <zpl_roll.h>

#include <algorithm>
#include <array>

namespace quillmark::cli {
namespace {

// What an option needs beside it to have anything to do.
enum class TNeeds { Table, Sheet, Batch, Values, RecordBatch };

struct TRequirement {
    std::string_view Option;
    TNeeds Needs;
    std::string_view Why; // the sentence's end: what to add
};

constexpr std::array<TRequirement, 14> Requirements{{
    {"csv", TNeeds::Batch, "reads the file of --batch; add --batch FILE"},
    {"tsv", TNeeds::Batch, "reads the file of --batch; add --batch FILE"},
    {"header", TNeeds::Table, "names a table's columns; add --csv or --tsv"},
    {"type-column", TNeeds::Table, "names a table's column; add --csv or --tsv"},
    {"copies-column", TNeeds::Table, "names a table's column; add --csv or --tsv"},
    {"value", TNeeds::Values,
     "names a table's value column or a sequence's template; add --csv, --tsv or --sequence"},
    {"sheet", TNeeds::RecordBatch,
     "fills a sheet with a batch's labels; add --batch FILE or --sequence FROM..TO"},
    {"copies-column", TNeeds::Sheet,
     "counts labels on a sheet, and a batch of files writes one file a row; add --sheet, or "
     "leave it out"},
    {"label-text", TNeeds::Sheet, "writes on a sheet's labels; add --sheet"},
    {"label-font", TNeeds::Sheet, "sets the text on a sheet's labels; add --sheet"},
    {"label-font-size", TNeeds::Sheet, "sets the text on a sheet's labels; add --sheet"},
    {"label-align", TNeeds::Sheet, "places a sheet's labels' contents; add --sheet"},
    {"skip", TNeeds::Sheet, "leaves labels of a sheet empty; add --sheet"},
    {"outline", TNeeds::Sheet, "outlines a sheet's labels; add --sheet"},
}};

bool Met(TNeeds Needs, const TOptions& Options, bool Batch) {
    const bool table = Options.Records.Table.has_value();
    const bool sequence = Options.Records.Sequence.has_value();
    switch (Needs) {
    case TNeeds::Table:
        return table;
    case TNeeds::Sheet:
        return !Options.Sheet.Name.empty();
    case TNeeds::Batch:
        return Batch;
    case TNeeds::Values:
        return table || sequence;
    case TNeeds::RecordBatch:
        return Batch || sequence;
    }
    return true;
}

} // namespace

// Whether Text holds a field: a '{' that is not one of a doubled pair.
bool HasField(std::string_view Text) {
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] != '{')
            continue;
        if (i + 1 < Text.size() && Text[i + 1] == '{')
            ++i;
        else
            return true;
    }
    return false;
}

void SetTableFormat(TRecordOptions& Records, TTableFormat Format) {
    if (Records.Table && *Records.Table != Format)
        throw UsageError("--csv and --tsv read different tables; give one of them");
    Records.Table = Format;
}

TSequenceRange SequenceRange(const std::string& Text) {
    try {
        return ParseSequenceRange(Text);
    } catch (const Exception& e) {
        throw UsageError("--sequence: " + e.Message());
    }
}

TLabelAlign LabelAlign(const std::string& Text) {
    try {
        return LabelAlignFromName(Text);
    } catch (const Exception& e) {
        throw UsageError("--label-align: " + e.Message());
    }
}

void AddLabelText(TSheetOptions& Sheet, const std::string& Template) {
    if (Sheet.Text.size() == MostLabelTextLines)
        Refuse("label-text", Template,
               "a label takes at most " + std::to_string(MostLabelTextLines) +
                   " lines of text; join lines or leave one out");
    try {
        TValueTemplate{Template};
    } catch (const Exception& e) {
        throw UsageError("--label-text: " + e.Message());
    }
    Sheet.Text.push_back(Template);
}

void CheckRecordsAndSheet(const TOptions& Options, bool Batch,
                          const std::vector<std::string_view>& Given) {
    if (Options.Records.Sequence && Batch)
        throw UsageError("--sequence makes its own values; leave out --batch, or --sequence");
    for (const TRequirement& requirement : Requirements)
        if (std::find(Given.begin(), Given.end(), requirement.Option) != Given.end() &&
            !Met(requirement.Needs, Options, Batch))
            throw UsageError("--" + std::string(requirement.Option) + " " +
                             std::string(requirement.Why));
}

// A roll's labels as ZPL: one label at a time, the symbol alone, as Quillmark draws it.
void CheckZplRoll(const TOptions& Options) {
    if (!TakesZplLabels(FindSheetTemplate(Options.Sheet.Name)))
        throw UsageError(
            "--sheet '" + Options.Sheet.Name +
            "' has many labels a page; ZPL takes a roll or continuous label, one at a time, "
            "such as 'Brother DK-1202'; or write a PDF");
    if (!Options.Sheet.Text.empty() || Options.Sheet.Outline)
        throw UsageError("--label-text and --outline are drawn on PDF sheets only; leave them "
                         "out for a ZPL roll");
    if (Options.ZplForm == TZplForm::Native)
        throw UsageError("a roll's ZPL labels carry the symbol as drawn; leave out --zpl native");
}

void CheckSheetOutput(const TOptions& Options) {
    const std::string& output = Options.Output;
    if (output.empty() || output == "-")
        throw UsageError("--sheet writes one PDF file; give -o FILE.pdf");
    if (HasField(output))
        throw UsageError("--sheet writes one PDF file, not a file a label; give -o a name "
                         "without fields, such as labels.pdf");
    const TFileFormat format = OutputFormat(Options);
    if (format == TFileFormat::Zpl)
        CheckZplRoll(Options);
    else if (format != TFileFormat::Pdf)
        throw UsageError("--sheet writes a PDF; give -o a name ending in .pdf");
    const TSheetFacts sheet = FindSheet(Options.Sheet.Name);
    if (Options.Sheet.Skip >= sheet.LabelsPerPage)
        Refuse("skip", std::to_string(Options.Sheet.Skip),
               sheet.Name + " has " + std::to_string(sheet.LabelsPerPage) +
                   " labels a page; skip fewer, from 0 to " +
                   std::to_string(sheet.LabelsPerPage - 1));
}

} // namespace quillmark::cli
