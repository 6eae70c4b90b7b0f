// A batch: one symbol per line of input, named by a template, rendered on many threads.
#pragma once

#include "arguments.h"
#include "symbol_job.h"

namespace quillmark::cli {

// Lines longer than this are refused unread: no symbol of a megabyte can be drawn.
inline constexpr std::size_t LongestLine = 1 << 20;

// Renders every value line of Options.Input to a file named by Options.Output and reports
// each failed line on stderr as "LINE: message". Gives the exit status: 0 when every line
// succeeded, 1 when one failed, 128 + the signal when SIGINT or SIGTERM stopped it after the
// lines being drawn (saying how many files were written). Raises
// UsageError for an input that can't be opened or a template folder that can't be written
// into, and std::runtime_error for a read error midway, after reporting the lines before.
int RunBatch(const TOptions& Options, const TOutputJob& Job);

} // namespace quillmark::cli
