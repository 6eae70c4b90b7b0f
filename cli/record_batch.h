// A batch of records: a table's rows (--csv, --tsv) or a sequence's numbers, a file each,
// named by a template of their fields, each row of a type column drawn as its own type.
#pragma once

#include "arguments.h"

namespace quillmark::cli {

// Renders every record to a file named by Options.Output, reporting each failed one on stderr
// as "LINE: message" (the line a table's row starts on, a sequence's count); the exit status
// as RunBatch gives it. A table that can't be read (a row, a type or copies cell) fails with
// its line and column: a regular file is read through first, so that nothing is drawn from a
// table with a fault; from a pipe the batch stops at the row. Raises UsageError for a column
// or a field that isn't there, and what RunBatch raises.
int RunRecordBatch(const TOptions& Options);

} // namespace quillmark::cli
