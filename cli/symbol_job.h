// One symbol of a run through the output job, its outcome as messages for a terminal.
#pragma once

#include "arguments.h"
#include <quillmark/output_job.h>

#include <exception>
#include <string>
#include <vector>

namespace quillmark::cli {

// A message about one symbol, ready for a UTF-8 terminal.
struct TMessage {
    bool Warning = false;
    std::string Text;
};

struct TSymbolOutcome {
    std::vector<TMessage> Messages;
    bool Failed = false;
    bool Skipped = false;  // no symbol was meant to be drawn: a blank line
    QByteArray Bytes = {}; // the label, where a run writes one stream (--zpl-stream)
};

// The job every symbol of a run shares: a value the symbol would change is refused unless
// --lenient, standards findings stop a symbol only under --strict, GS1 pairings are checked
// under --gs1-strict, and --verify reads each symbol back with zxing-cpp where it can.
TOutputJob MakeJob(const TOptions& Options);
// --strict: any finding stops a symbol.
void StopOnFindings(TOutputJob& Job);
// --verify: each symbol read back with zxing-cpp where it reads the job's type; with
// EachOwnType (a type column), each label's own type, one it can't read drawn with a note.
void ReadBackSymbols(TOutputJob& Job, bool EachOwnType);

// Result's findings (errors under Strict, warnings otherwise), report lines and notes into
// Outcome, failed unless the symbol was written.
void AddResult(TSymbolOutcome& Outcome, const TOutputResult& Result, bool Strict);
// Error (a refused value, a failed verification or write) into Outcome as its message, a
// long Value shortened in it.
void AddFailure(TSymbolOutcome& Outcome, const std::exception_ptr& Error, const std::string& Value);

// Draws Value (engine bytes) and writes it to Target ("-" for stdout) unless something
// fails: a refused value, a finding under Strict, a failed verification or write. A
// failed symbol writes nothing. Never throws; any failure is in the outcome.
TSymbolOutcome RunSymbol(const TOutputJob& Job, bool Strict, const std::string& Value,
                         const std::string& Target);
// The same, its bytes kept in the outcome for a stream rather than written.
TSymbolOutcome RunSymbolForStream(const TOutputJob& Job, bool Strict, const std::string& Value);

} // namespace quillmark::cli
