// A roll of labels for a thermal printer: each record's symbol as one ZPL label of the
// template's label size, placed where a sheet run places it on that label.
#pragma once

#include "sheet_job.h"

#include <string>

namespace quillmark {

// Whether Sheet's labels can go to a label printer one at a time: a roll, or a continuous
// label.
bool TakesZplLabels(const TLabelTemplate& Sheet);

// RunSheetJob's run with ZPL for the PDF: every record's copies as labels ^PW and ^LL the
// label's size in dots at the job's resolution, the symbol's ^GFA graphic placed as
// Settings.Align places it in the label's printable area, all in one file written only when
// every label was drawn. A record's lines of text fail its label, as does a template that
// isn't a roll. Raises what Next raises, EWriteError, and Exception for a resolution no ZPL
// printer has.
TSheetSummary RunZplRoll(const TOutputJob& Job, const TSheetSettings& Settings,
                         const TRecordSource& Next, const std::string& FileName,
                         const TLabelReport& Report);

} // namespace quillmark
