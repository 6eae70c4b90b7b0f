// ZPL II, the language of thermal label printers: a symbol as one label, either the exact
// picture Quillmark draws (a ^GFA graphic) or the printer's own barcode command.
#pragma once

#include <quillmark/quillmark_output_export.h>

#include <quillmark/description.h>
#include <quillmark/layout.h>
#include <quillmark/symbol_value.h>

#include <QByteArray>

#include <array>
#include <string>

namespace quillmark {

// The resolutions of ZPL printers' heads: 8, 12 and 24 dots per millimetre.
inline constexpr std::array<int, 3> ZplDpis{203, 300, 600};

// Raises Exception naming the resolutions above unless Dpi is one of them.
QUILLMARK_OUTPUT_EXPORT void CheckZplDpi(int Dpi);

// How a symbol goes to the printer.
enum class TZplForm {
    Graphic, // the raster layout as a ^GFA graphic: what every other format shows
    Native,  // the printer's barcode command, which the printer encodes
};

// Said wherever the native form is chosen: the printer's own encoder and fonts draw it.
inline constexpr const char* NativeZplNote =
    "with --zpl native the printer, not Quillmark, encodes and draws each symbol; "
    "its bars, text and checks are the printer's";

// One label, ^XA to ^XZ, of the raster layout's picture at its resolution: ^PW and ^LL the
// picture's size in dots, the picture as ^GFA graphics (strips one under the other, each
// within ^GF's 99,999 bytes), one hexadecimal line a row, 1 for a black dot. ZPL prints one
// ink: the bars and text must be black and the background white (or left unpainted); raises
// Exception for other colours or resolutions.
QUILLMARK_OUTPUT_EXPORT QByteArray RenderZpl(const TOutputLayout& Layout);

// The same picture on a label of its own size: WidthDots by LengthDots, the picture's
// top-left corner at (LeftDots, TopDots). Raises as RenderZpl does.
QUILLMARK_OUTPUT_EXPORT QByteArray RenderZplLabel(const TOutputLayout& Layout, int WidthDots,
                                                  int LengthDots, int LeftDots, int TopDots);

// One label with the printer's command for the description's type (^BC, ^BE, ^BQ, ...):
// ^BY's module width in whole dots at the description's resolution, ^FO at the quiet zone,
// ^FD the value. Raises Exception naming the type or option the command can't express.
QUILLMARK_OUTPUT_EXPORT QByteArray NativeZpl(const TBarcodeDescription& Description,
                                             const TOutputLayout& Raster);

} // namespace quillmark
