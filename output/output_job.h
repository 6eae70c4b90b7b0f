// One symbol from a value to its file: describe, check, render, optionally read back, write.
// The window's Save, Copy and Print and every line of the command line's batches go through here.
#pragma once

#include <quillmark/quillmark_output_export.h>

#include <quillmark/description.h>
#include <quillmark/files.h>
#include <quillmark/prepared_symbol.h>
#include <quillmark/symbol_value.h>
#include <quillmark/zpl.h>

#include <QByteArray>
#include <QImage>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillmark {

// Told the symbol's standards findings (CheckStandard), decides whether it goes on to be
// rendered and written: true goes on.
using TFindingsGate = std::function<bool(const std::vector<std::string>& Findings)>;

// Reads the picture of the symbol back and compares it with what the description says it
// carries; raises Exception when it reads differently, and may give a note.
using TVerifier = std::function<std::optional<std::string>(const QImage& Picture,
                                                           const TBarcodeDescription& Description)>;

// Takes the finished bytes: a file, stdout, ...
using TSink = std::function<void(const QByteArray& Bytes)>;

// What every symbol of a run shares; read from many threads at once, so its functions must
// be safe to call so.
struct TOutputJob {
    TBarcodeDescription Description; // its value is each symbol's own
    TCheckDigits CheckDigits = DefaultCheckDigits;
    TFileFormat Format = TFileFormat::Png;
    TFindingsGate Gate = {};  // none: findings never stop a symbol
    TVerifier Verifier = {};  // none: not read back
    bool Lenient = false;     // draw what the engine makes of a value it would change
    bool GS1Pairings = false; // refuse GS1-128 whose AIs lack a partner or clash
    bool Report = false;      // the print-fit report of each symbol (ReportLines)
    double GainMM = 0;        // the bar spread the report's decodability is after
    // The X-dimension moved to the whole pixels at the description's resolution that keep
    // it in the symbology's permitted range (FitToDevice); a symbol fails where none do.
    bool FitToDevice = false;
    TZplForm ZplForm = TZplForm::Graphic; // how a ZPL label draws the symbol
};

struct TOutputResult {
    std::vector<std::string> Findings; // Latin-1, as the engine writes values
    std::vector<std::string> Notes;    // from the verifier
    std::vector<std::string> Report;   // what FitToDevice chose, the lines of Report
    bool Written = false;              // false when the gate stopped the symbol
};

// The file of a prepared symbol in Format, from the layout the format draws from.
QUILLMARK_OUTPUT_EXPORT QByteArray RenderFile(TPreparedSymbol& Symbol, TFileFormat Format);

// Writes atomically to FileName.
QUILLMARK_OUTPUT_EXPORT TSink FileSink(const QString& FileName, TDurability Durability);
QUILLMARK_OUTPUT_EXPORT TSink FileSink(const std::string& FileName, TDurability Durability);

// The checks a symbol passes before it is drawn, the same for a file and for a label on a
// sheet: Job's GS1 pairings, the standards findings on the layout Format draws from, the
// print-fit report and the gate. Fills Result's findings and report lines; false when the
// gate stops the symbol. Raises RefuseBrokenPairings' refusal.
QUILLMARK_OUTPUT_EXPORT bool CheckOutputSymbol(const TOutputJob& Job, TPreparedSymbol& Symbol,
                                               TFileFormat Format, TOutputResult& Result);

// Draws Value as Job says and hands the bytes to Write, unless the gate stops it. Refuses a
// value the symbol would change, unless Job.Lenient. The
// symbol's layout is built once and serves the check, the file and a PNG's verification.
// Raises the engine's errors for a refused value, the verifier's for a symbol that reads
// differently, and the sink's (EWriteError for files) for a failed write; nothing is written
// after a failure.
QUILLMARK_OUTPUT_EXPORT TOutputResult RunOutputJob(const TOutputJob& Job, const std::string& Value,
                                                   const TSink& Write);

// The same for a symbol already prepared (its description, check digits, leniency and fit
// are the symbol's, not Job's), so that a dialog's symbol is the one written.
QUILLMARK_OUTPUT_EXPORT TOutputResult RunOutputJob(const TOutputJob& Job, TPreparedSymbol& Symbol,
                                                   const TSink& Write);

} // namespace quillmark
