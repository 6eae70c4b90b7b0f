#include "help_text.h"

#include "arguments.h"
#include "choices.h"
#include "option_values.h"
#include <label_records.h>
#include <quillmark/decimal_text.h>
#include <quillmark/engine.h>
#include <quillmark/print_fit.h>
#include <quillmark/version.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

namespace quillmark::cli {

namespace {

// The help with its facts left as @name@ fields, each filled from where the fact lives.
constexpr const char* HelpTemplate = R"(Usage:
  quillmark-cli [options] VALUE -o FILE              one symbol
  quillmark-cli [options] --batch INPUT -o TEMPLATE  one symbol per input line
  quillmark-cli [options] --batch INPUT --csv|--tsv [--header] -o TEMPLATE
                                                     one symbol per table row
  quillmark-cli [options] --sequence FROM..TO -o TEMPLATE
                                                     one symbol per number
  quillmark-cli [options] --batch ...|--sequence ... --sheet SHEET -o FILE.pdf
                                                     labels on sheets, one PDF
  quillmark-cli --list-types                         the symbologies and their names
  quillmark-cli --list-sheets [FILTER]               the sheets of labels

Output:
  -o, --output FILE|-|TEMPLATE
                      the format comes from the extension: @suffixes@;
                      "-" writes to stdout and needs --format
      --format @formats@
      --zpl graphic|native
                      ZPL for thermal label printers, at --dpi 203, 300 or 600:
                      graphic (default) sends the symbol as drawn, whole dots a
                      module; native sends the printer's own barcode command
                      (^BC, ^BE, ^BQ, ...), which the printer then encodes
      --zpl-stream    a batch's labels as one ZPL stream, one ^XA...^XZ a line or
                      row, to -o FILE or -o -
      --batch INPUT   one value per line of INPUT ("-" reads stdin); a trailing CR
                      is dropped and empty lines, and lines of white space, are
                      skipped. TEMPLATE names each file and needs {n} or {value}:
                      {n} is the line number ({n:05} zero-pads to 5 digits),
                      {value} the value with every byte outside A-Za-z0-9._-
                      made '_'; {{ and }} are braces. Two lines naming the same
                      file are an error for the later one.
  -j, --jobs N        render on N threads (default: every core; more are capped
                      at the cores); the files and messages are the same for any N
  -q, --quiet         no progress line and no warnings

Symbol:
  -t, --type T        symbology (default @type@): the identifier (bcCode128B),
                      the same without bc (Code128B, code_2_5_interleaved), in any
                      letter case, or an alias (ean13, upca, itf, ...). EAN/UPC
                      values take a 2- or 5-digit add-on after '+' or a space
                      (9780306406157+51299); GS1-128 (gs1128) takes AIs in
                      parentheses: '(01)09501101530003(17)260101(10)AB-123'.
                      The two-dimensional types come with their options below
      --checksum @checksums@
                      @checksum@ (default): EAN-13, UPC-A and EAN-8 values one digit
                      short get their GS1 check digit, full-length ones have it
                      checked; UPC-E likewise where its form is unambiguous;
                      no check digit for the others. none and mod10 are the
                      engine's own modes
      --ratio R       wide-to-narrow ratio (default @ratio@), clamped by symbology;
                      Code 128, EAN-128, Code 93 and EAN/UPC always draw 1:2:3:4
      --rotate @rotations@
                      counter-clockwise turn (default @rotation@)

Two-dimensional symbols, --type @matrix-types@:
      --ecc @levels@   error correction of QR Code, Micro QR Code and GS1 Digital
                      Link QR (default @ecc@); Micro QR M1 has L only, M4 up to Q
      --qr-version auto|N
                      the version: 1 to @qr-largest@, M1 to M@micro-largest@ for Micro QR Code
                      (default auto: the smallest that holds the value)
      --dm-size @shapes@|ROWSxCOLUMNS
                      Data Matrix and GS1 DataMatrix: the smallest square
                      (default @shape@), the smallest rectangle, the smaller of
                      the two (auto), or one size of ISO/IEC 16022 (24x24, 8x32)
      --dl-domain URL the domain of a GS1 Digital Link
                      (default @dl-domain@)
  GS1 DataMatrix and GS1 Digital Link QR take AIs in parentheses, as GS1-128
  does; a Digital Link needs one primary key, such as (01) or (414). These
  symbols print no text unless --text asks for it (the GS1 ones with the AIs in
  parentheses); --height and --ratio don't apply to them.

ITF-14, GS1 DataBar and the book numbers:
      --bearer @bearers@
                      ITF-14's bearer bars: a frame round the bars and their quiet
                      zones (default @bearer@), a bar above and one below, or none
      --bearer-width N|Nmm
                      the bearers' thickness: N modules, from @bearer-least@
                      (default @bearer-width@), or N millimetres at the X-dimension
                      in use, rounded to whole modules
      --segments N    GS1 DataBar Expanded Stacked's segments a row: an even
                      number from @segments-least@ to @segments-most@ (default @segments@)
  itf14 and the GS1 DataBar types other than Expanded take a GTIN: 13 digits
  (the check digit added) or 14, alone or after (01); databar-expanded and
  databar-expanded-stacked take AIs in parentheses, as GS1-128 does. GS1
  DataBar's rows fix its heights: --height and --ratio don't apply to it.
  isbn, ismn and issn take the number as printed (hyphens optional, ISBN-10
  and the older M-ISMN too), drawn as EAN-13 with the number above; an add-on
  follows after '+' or a space.

Text:
      --text @texts@        (default @text@)
      --text-position @positions@        (default @position@)
      --text-layout @layouts@
                      @layout@ (default): as the standards print it, a module
                      clear of the bars; EAN/UPC digits in OCR-B between long
                      guards. over-bars: in a box over the bars, as on screen
      --quiet-zone-marks  EAN/UPC's '<' and '>' marks in the quiet zones
      --font FAMILY   (default @font@; EAN/UPC digits are OCR-B under
                      the standard layout)
      --font-size PT  (default @font-size@)

Colours, each #RRGGBB or cmyk(C,M,Y,K) in percent, cmyk(0,0,0,100) for black:
      --fg C          bars and letters (default @fg@)
      --bg C          spaces and margins (default @bg@); none (or transparent)
                      leaves them and the text's box unpainted: a PNG's alpha 0,
                      no background shape in SVG and PDF
      --text-bg C     the box behind the text of --text-layout over-bars
                      (default: the --bg colour)
      --colour-model @colour-models@
                      PDF and EPS write CMYK colours as CMYK, the others as RGB
                      (default @colour-model@); cmyk writes them all as CMYK: the
                      defaults as 100% K on no ink, #RRGGBB as its plain CMYK.
                      PNG and SVG draw every colour as RGB

Size:
      --xdim MM       narrow module (default: the symbology's own, @xdim@; @xdim-gs1@
                      for GS1-128 and EAN-128 and @xdim-postnet@ for PostNet, each on
                      whole pixels inside its permitted range); the module of a
                      two-dimensional symbol (default @xdim-matrix@)
      --dpi N         PNG resolution (default @dpi@); the module is a whole number
                      of pixels, at least 1
      --height MM     bar height (default @height-ean13@ for EAN-13/UPC, @height-ean8@ for EAN-8,
                      @height-gs1@ for GS1-128 and EAN-128, @height-postnet@ for PostNet, @height-other@ for
                      the others)
      --quiet-zone on|off|N
                      light margins: the symbology's standard ones (on, the
                      default), none, or N modules at each end (on every
                      side of a two-dimensional symbol)

Checks:
      --verify        decode every symbol written with zxing-cpp (SVG and PDF
                      through a raster of the same symbol); a symbol that doesn't
                      read back as its value, with the symbology identifier of
                      its kind (]C1 GS1-128, ]d2 GS1 DataMatrix, ...), fails its
                      line
      --lenient       draw what the symbology makes of a value it would change
                      (characters it can't carry, a padded or wrong EAN/UPC
                      value, ...), with the findings as warnings; by default such
                      a value is refused, naming the character and its position
      --strict        make the remaining findings (an X-dimension, bar height,
                      quiet zone or ratio outside the standard, EAN-128 over 48
                      characters, ...) errors instead of warnings
      --gs1-strict    refuse GS1-128 AIs missing a partner GS1 requires, or with
                      one it forbids: (10) without (01), (01) with (02)
      --report        per symbol: the X-dimension drawn against the symbology's
                      permitted range, the ratio, quiet zones and bar height
      --bwr W         bar width reduction: every bar W narrower, centred, and every
                      space W wider, the symbol's length unchanged, for ink that
                      spreads; W in millimetres (0.05mm or 0.05) or in dots at
                      --dpi (1dot, 2dots); rasters round millimetres to the nearest
                      whole dot; rows of bars only, not two-dimensional symbols
      --gain MM       with --report: the decodability after the bars spread by MM
                      on the press and the spaces shrink by as much
      --fit           move the X-dimension to the whole pixels at --dpi closest to
                      it inside the permitted range; fail where none are

Tables and sequences:
      --csv, --tsv    read INPUT of --batch as a table: CSV (quoted fields may
                      hold commas, quotes written twice and line ends; a UTF-8
                      byte order mark and CRLF are taken) or tab-separated
      --header        the table's first line names its columns
      --value COLUMN  the value's column, by its header's name or its number
                      from 1 (default @value-column@); with --sequence, the value's
                      template (default @sequence-template@), as 'QM-{seq:07}'
      --type-column COLUMN
                      each row's symbology, by any name --type takes; an empty
                      cell takes --type's
      --copies-column COLUMN
                      with --sheet: each row's number of labels, 0 to @most-copies@
      --sequence FROM..TO[/STEP]
                      the whole numbers FROM to TO (down as well as up), by STEP;
                      under --checksum auto each EAN/UPC, ITF-14, GS1 DataBar or
                      GS1 value one digit short gets its check digit; a full
                      one has it checked, as a value typed in
  In TEMPLATE a table's columns are fields too, by name or number ({sku}, {3}),
  made safe for file names as {value} is, and a sequence's {seq}; {n} counts
  the rows from 1, and messages give the line a row starts on. A table with a
  fault (an unclosed quote, a row of another length, a type or a count that
  isn't one) is refused with its line and column: a file is read through
  before anything is drawn, and a pipe stops at the row.

Sheets of labels:
      --sheet SHEET   draw the labels on sheets of SHEET, "Brand Part" in any
                      letter case (Avery L7160), into the one PDF of -o; it is
                      written only when every label was drawn. A roll or
                      continuous label (Brother DK-1202) also goes to -o FILE.zpl:
                      a ZPL label each, the symbol alone, placed as on the PDF
      --list-sheets [FILTER]
                      each sheet whose name or description holds FILTER: its
                      page, its labels' size and the labels a page
      --label-text TEMPLATE
                      a line of text under the symbol, up to @text-lines@ lines;
                      fields as in TEMPLATE above, for a sequence {seq} and
                      {value}, for a file of values (one a line) {value}
      --label-font FAMILY, --label-font-size PT
                      the text lines' font (default: --font's, at --font-size)
      --label-align @aligns@
                      where the symbol and its text sit on the label (default
                      @align@)
      --skip N        leave the first N labels of the first sheet empty
      --outline       draw each label's outline, for a test print

  -h, --help          this text
  -V, --version       the version

Messages go to stderr: in a batch "LINE: message" and "LINE: warning: message".
A failed line writes no file; every file is written under a temporary name and
then renamed. Exit status: 0 when every symbol was written, 1 when any failed,
2 for a command line that can't be run.

Examples:
  quillmark-cli --type ean13 400638133393 -o label.png
  quillmark-cli --batch parcels.txt -o 'labels/{n:05}-{value}.svg' --xdim 0.5
  printf '%s\n' QM-1001 QM-1002 | quillmark-cli --batch - -o '{value}.pdf' --verify
  quillmark-cli --type upca 03600029145 -o - --format svg > label.svg
  quillmark-cli --type ean13 400638133393 --colour-model cmyk -o print.eps
  quillmark-cli --type gs1datamatrix '(01)09501101530003(10)AB-123' -o dm.png
  quillmark-cli --batch items.csv --csv --header --value sku -o 'out/{sku}.svg'
  quillmark-cli -t ean13 --sequence 1..99 --value '4006381000{seq:02}' -o '{n}.svg'
  quillmark-cli --batch items.csv --csv --header --value sku --copies-column qty \
                --sheet 'Avery L7160' --label-text '{name}' -o labels.pdf
)";

// Where the options' explanations start, and the width no line passes.
constexpr std::size_t ExplanationColumn = 22;
constexpr std::size_t Width = 78;

// The alternatives "a|b|c" from column Column on, broken after a '|' where the next name
// would pass the help's width, and continued under the option's explanations.
template <typename Range> std::string Alternatives(const Range& Choices, std::size_t Column) {
    const std::string indent(ExplanationColumn, ' ');
    std::string text;
    for (const auto& choice : Choices) {
        const std::string name(choice.Name);
        const bool last = &choice == &*std::prev(std::end(Choices));
        if (!text.empty() && Column + name.size() + (last ? 0 : 1) > Width) {
            text += "\n" + indent;
            Column = indent.size();
        }
        text += name + (last ? "" : "|");
        Column += name.size() + (last ? 0 : 1);
    }
    return text;
}

// --label-align's names, as Alternatives takes them.
std::vector<TNamed<TLabelAlign>> AlignChoices() {
    std::vector<TNamed<TLabelAlign>> choices;
    for (std::size_t i = 0; i < LabelAlignNames.size(); ++i)
        choices.push_back({LabelAlignNames[i], static_cast<TLabelAlign>(i)});
    return choices;
}

std::string Identifier(TBarType Type) {
    return BarTypeData(Type).Identifier + 2; // without "bc"
}

std::string Height(TBarType Type) {
    return ShortestText(BarTypeData(Type).BarHeightMM);
}

// Each two-dimensional type by its first alias: "qr|microqr|...".
std::string MatrixTypes() {
    std::string list;
    for (int i = 0; i < BarTypeCount; ++i) {
        const TBCdata& row = BarTypeData(static_cast<TBarType>(i));
        if (!row.TwoDimensional)
            continue;
        const std::string_view aliases = row.Aliases;
        list += (list.empty() ? "" : "|") + std::string(aliases.substr(0, aliases.find(',')));
    }
    return list;
}

} // namespace

std::string HelpText() {
    const TSymbolLook symbol = DefaultOutputSettings();
    const TMatrixOptions& matrix = symbol.Matrix;
    const std::pair<const char*, std::string> fields[] = {
        {"@suffixes@", SuffixesText()},
        {"@formats@", JoinNames(FormatChoices(), "|")},
        {"@type@", Identifier(symbol.BarType)},
        {"@checksums@", JoinNames(CheckDigitNames, "|")},
        {"@checksum@", NameOf(CheckDigitNames, DefaultCheckDigits)},
        {"@ratio@", ShortestText(symbol.Ratio)},
        {"@rotations@", JoinNames(RotateChoices(), "|")},
        {"@rotation@", NameOf(RotateChoices(), symbol.Orientation)},
        {"@texts@", JoinNames(TextShowNames, "|")},
        {"@text@", NameOf(TextShowNames, symbol.TextShow)},
        {"@positions@",
         Alternatives(TextPositionNames, std::string_view("      --text-position ").size())},
        {"@position@", NameOf(TextPositionNames, symbol.TextPosition)},
        {"@layouts@", JoinNames(TextLayoutNames, "|")},
        {"@layout@", NameOf(TextLayoutNames, symbol.TextLayout)},
        {"@font@", DefaultFontFamily},
        {"@font-size@", ShortestText(DefaultFontSizePt)},
        {"@fg@", ColourText(symbol.ColorBar)},
        {"@colour-models@", JoinNames(ColourModelNames, "|")},
        {"@colour-model@", NameOf(ColourModelNames, DefaultColourModel)},
        {"@bg@", ColourText(symbol.ColorSpc)},
        {"@xdim@", ShortestText(UsualXDimensionMM)},
        {"@xdim-gs1@", ShortestText(StandardXDimensionMM(bcCodeGS1_128, 0))},
        {"@xdim-postnet@", ShortestText(StandardXDimensionMM(bcCodePostNet, 0))},
        {"@xdim-matrix@", ShortestText(StandardXDimensionMM(bcCodeQR, 0))},
        {"@dpi@", std::to_string(DefaultDpi)},
        {"@height-ean13@", Height(bcCodeEAN13)},
        {"@height-ean8@", Height(bcCodeEAN8)},
        {"@height-gs1@", Height(bcCodeGS1_128)},
        {"@height-postnet@", Height(bcCodePostNet)},
        {"@height-other@", Height(bcCode39)},
        {"@matrix-types@", MatrixTypes()},
        {"@levels@", JoinNames(QrLevelNames, "|")},
        {"@ecc@", NameOf(QrLevelNames, matrix.QrLevel)},
        {"@qr-largest@", std::to_string(LargestQrVersion)},
        {"@micro-largest@", std::to_string(LargestMicroVersion)},
        {"@shapes@", JoinNames(DataMatrixShapeNames, "|")},
        {"@shape@", NameOf(DataMatrixShapeNames, matrix.DataMatrixShape)},
        {"@dl-domain@", matrix.DigitalLinkDomain},
        {"@bearers@", JoinNames(BearerNames, "|")},
        {"@bearer@", NameOf(BearerNames, symbol.Bearers)},
        {"@bearer-least@", std::to_string(ITF14Facts.BearerMinModules)},
        {"@bearer-width@", std::to_string(symbol.BearerModules)},
        {"@segments-least@", std::to_string(ExpandedSegmentsLeast)},
        {"@segments-most@", std::to_string(ExpandedSegmentsMost)},
        {"@segments@", std::to_string(matrix.DataBarSegments)},
        {"@value-column@", std::string(DefaultValueColumn)},
        {"@sequence-template@", std::string(DefaultSequenceTemplate)},
        {"@most-copies@", std::to_string(MostCopies)},
        {"@text-lines@", std::to_string(MostLabelTextLines)},
        {"@aligns@", Alternatives(AlignChoices(), std::string_view("      --label-align ").size())},
        {"@align@", std::string(LabelAlignNames[static_cast<std::size_t>(TSheetOptions{}.Align)])},
    };
    std::string text = HelpTemplate;
    for (const auto& [field, value] : fields)
        for (std::size_t at = text.find(field); at != std::string::npos;
             at = text.find(field, at + value.size()))
            text.replace(at, std::string_view(field).size(), value);
    return text;
}

std::string VersionText() {
    return std::string("quillmark-cli ") + Version + "\n";
}

std::string TypeTable() {
    using TRow = std::array<std::string, 4>;
    std::vector<TRow> rows{{"IDENTIFIER", "NAME", "ALIASES", "DIGITS ONLY"}};
    for (int i = 0; i < BarTypeCount; ++i) {
        const TBCdata& row = BarTypeData(static_cast<TBarType>(i));
        std::string aliases(row.Aliases);
        for (std::size_t at = aliases.find(','); at != std::string::npos;
             at = aliases.find(',', at + 2))
            aliases.replace(at, 1, ", ");
        rows.push_back({row.Identifier, row.Name, aliases, row.DigitsOnly ? "yes" : "no"});
    }
    return AlignedRows(rows, 1);
}

std::string AlignedRows(const std::vector<std::array<std::string, 4>>& Rows, std::size_t Gap) {
    std::array<std::size_t, 4> widths{};
    for (const auto& row : Rows)
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    std::string table;
    for (const auto& row : Rows) {
        for (std::size_t c = 0; c + 1 < widths.size(); ++c)
            table += row[c] + std::string(widths[c] + Gap - row[c].size(), ' ');
        table += row.back() + "\n";
    }
    return table;
}

std::string TypeNameList() {
    std::string list;
    for (int i = 0; i < BarTypeCount; ++i) {
        if (!list.empty())
            list += ", ";
        list += BarTypeData(static_cast<TBarType>(i)).Identifier + 2;
    }
    return list;
}

} // namespace quillmark::cli
