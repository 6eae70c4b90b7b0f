#include "batch_row_status.h"

#include <type_description.h>

#include <quillmark/latin1.h>
#include <quillmark/prepared_symbol.h>

namespace quillmark::studio {

namespace {

std::string Joined(const std::vector<std::string>& Lines) {
    std::string text;
    for (const std::string& line : Lines)
        text += (text.empty() ? "" : "; ") + line;
    return text;
}

} // namespace

TBarcodeDescription RecordDescription(const TOutputJob& Job, const TLabelRecord& Record) {
    return Record.Type ? DescriptionForType({Job.Description, false}, *Record.Type)
                       : Job.Description;
}

TRowStatus RowStatus(const TOutputJob& Job, const TLabelRecord& Record) {
    try {
        TPreparedSymbol symbol(RecordDescription(Job, Record), ValueFromText(Record.Value),
                               Job.CheckDigits, Job.Lenient);
        TOutputResult result;
        const bool goesOn = CheckOutputSymbol(Job, symbol, Job.Format, result);
        // A size that can't be drawn is refused only once the layout is built.
        symbol.LayoutFor(Job.Format);
        if (!goesOn)
            return {false, "Stopped by its findings: " + Joined(result.Findings)};
        return {true, Joined(result.Findings)};
    } catch (const Exception& e) {
        return {false, e.Message()};
    }
}

} // namespace quillmark::studio
