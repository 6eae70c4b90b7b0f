// The command line: options into one settings value, or a usage error.
#pragma once

#include "option_values.h"
#include <quillmark/description.h>
#include <quillmark/files.h>

#include <optional>
#include <string>
#include <vector>

namespace quillmark::cli {

enum class TMode { Single, Batch, ListTypes, Help, Version };

// --checksum when none is given.
inline constexpr TCheckDigits DefaultCheckDigits = TCheckDigits::Auto;

struct TOptions {
    TMode Mode = TMode::Single;
    // Every drawing setting; the value is set per symbol.
    TBarcodeDescription Description;
    TCheckDigits CheckDigits = DefaultCheckDigits;
    std::string Value;  // one symbol, bytes as given
    std::string Input;  // --batch: a file, "-" for stdin
    std::string Output; // -o: a file, "-" for stdout, or a batch's template
    std::optional<TFileFormat> Format;
    int Jobs = 1; // from 1; a batch caps it at the cores
    bool Quiet = false;
    bool Verify = false;
    bool Strict = false;
    bool Lenient = false;
    bool GS1Strict = false;
    bool Report = false;
    bool Fit = false;
    bool TextBackgroundGiven = false; // --text-bg, which only the over-bars layout draws
};

// The cores here, at least 1: --jobs' default and its cap.
int Cores();

// Reads the arguments after the program's name; raises UsageError. Needs a
// QGuiApplication, since the description holds a font.
TOptions ParseArguments(const std::vector<std::string>& Arguments);

// The format to write: --format, else the output's extension; raises UsageError when
// neither gives one or they disagree.
TFileFormat OutputFormat(const TOptions& Options);

} // namespace quillmark::cli
