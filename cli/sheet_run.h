// A batch's records drawn on sheets of labels (--sheet): one PDF, each label's outcome
// reported as a batch reports its lines.
#pragma once

#include "arguments.h"
#include "symbol_job.h"

namespace quillmark::cli {

// Draws every record of Options' table or sequence, each its copies' times, on the labels of
// Options.Sheet into the PDF Options.Output, written only when every label was drawn. Each
// label that fails, or has findings or notes, is reported on stderr as "LINE: message".
// Gives the exit status: 0 when the file was written, 1 when it wasn't (a label failed, or
// none was drawn, or the table has a fault, said with its line and column), 128 + the
// signal when SIGINT or SIGTERM stopped it (no file is written). Raises UsageError as
// RunRecordBatch does, and EWriteError for a file that can't be written.
int RunSheet(const TOptions& Options, const TOutputJob& Job);

} // namespace quillmark::cli
