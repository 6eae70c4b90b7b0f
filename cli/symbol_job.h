// One symbol from value to file: check digits, the standards check, rendering,
// verification and the atomic write.
#pragma once

#include "check_digits.h"
#include "description.h"
#include "files.h"

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
};

// What every symbol of a run shares; read from many threads at once, never written.
struct TJobSettings {
    TBarcodeDescription Description; // its value is each symbol's own
    TCheckDigits CheckDigits = TCheckDigits::Auto;
    TFileFormat Format = TFileFormat::Png;
    bool Verify = false;
    bool Strict = false;
};

// Draws Value (engine bytes) and writes it to Target ("-" for stdout) unless something
// fails: a refused value, a finding under Strict, a failed verification or write. A
// failed symbol writes nothing. Never throws; any failure is in the outcome.
TSymbolOutcome RunSymbol(const TJobSettings& Settings, const std::string& Value,
                         const std::string& Target);

} // namespace quillmark::cli
