// The options of batches of records (tables and sequences) and of sheets of labels: read,
// and refused with a sentence where they don't apply.
#pragma once

#include "arguments.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmark::cli {

// --csv or --tsv; raises UsageError when the other was given.
void SetTableFormat(TRecordOptions& Records, TTableFormat Format);

// --sequence FROM..TO[/STEP]; raises UsageError naming the part that is wrong.
TSequenceRange SequenceRange(const std::string& Text);

// --label-align: a name of LabelAlignNames; raises UsageError listing them.
TLabelAlign LabelAlign(const std::string& Text);

// One more --label-text template; raises UsageError for one that can't be read or one too many.
void AddLabelText(TSheetOptions& Sheet, const std::string& Template);

// Raises UsageError for an option of Given (long names) that the others leave nothing to do:
// a table's options without --csv or --tsv, a sheet's without --sheet, and the like. Batch is
// whether --batch was given.
void CheckRecordsAndSheet(const TOptions& Options, bool Batch,
                          const std::vector<std::string_view>& Given);

// Whether an -o template holds a field: a '{' that is not one of a doubled pair.
bool HasField(std::string_view Text);

// --sheet's output, one PDF file, and the sheet itself: its name known and --skip leaving a
// label of the first page; raises UsageError otherwise.
void CheckSheetOutput(const TOptions& Options);

} // namespace quillmark::cli
