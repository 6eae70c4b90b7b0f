// The command line: options into one settings value, or a usage error.
#pragma once

#include "option_values.h"
#include <label_align.h>
#include <quillmark/description.h>
#include <quillmark/files.h>
#include <sequence.h>
#include <table_reader.h>

#include <cstdint>

#include <optional>
#include <string>
#include <vector>

namespace quillmark::cli {

enum class TMode { Single, Batch, ListTypes, Help, Version, ListSheets };

// A batch of records rather than of lines: a table's rows (--csv, --tsv) or a sequence.
struct TRecordOptions {
    std::optional<TTableFormat> Table;
    bool Header = false;
    std::optional<std::string> Value; // a table's value column, or a sequence's template
    std::optional<std::string> TypeColumn;
    std::optional<std::string> CopiesColumn;
    std::optional<TSequenceRange> Sequence;
};

// A sequence's values when --value gives no template.
inline constexpr std::string_view DefaultSequenceTemplate = "{seq}";
// A table's value column when --value names none.
inline constexpr std::string_view DefaultValueColumn = "1";

// --sheet and the options of its labels.
struct TSheetOptions {
    std::string Name; // "Brand Part"; empty: a batch writes files
    std::vector<std::string> Text;
    std::optional<std::string> FontFamily;
    std::optional<double> FontSizePt;
    TLabelAlign Align = TLabelAlign::Centre;
    std::uint64_t Skip = 0;
    bool Outline = false;
    std::string ListFilter; // --list-sheets FILTER
};

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
    double GainMM = 0; // --gain: the bar spread the report's decodability assumes
    bool Fit = false;
    bool TextBackgroundGiven = false; // --text-bg, which only the over-bars layout draws
    TColourModel ColourModel = DefaultColourModel; // applied to the description once all is read
    // --zpl and --zpl-stream: how a ZPL label draws the symbol, and a batch's labels in one
    // stream (-o a file or "-") rather than a file each.
    TZplForm ZplForm = TZplForm::Graphic;
    bool ZplStream = false;
    TRecordOptions Records;
    TSheetOptions Sheet;
    // What each symbol's type completes (DescriptionOfType): the text unless --text chose
    // it, and the options read for the type.
    bool TextChosen = false;
    std::optional<std::string> QrVersionText;
    std::optional<std::string> BearerWidthText;
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
