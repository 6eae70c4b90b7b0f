// A barcode as files, the clipboard and printers take it: the widget's own settings plus a
// physical size.
#pragma once

#include "quillmark_output_export.h"

#include "barcode_settings.h"

#include <QFont>

#include <optional>

namespace quillmark {

// Settings for a symbol that must scan at a true size: X 0.33 mm, 300 dpi for raster
// output, the standard bar height and quiet zones, Code 128B with its value as text.
QUILLMARK_OUTPUT_EXPORT TBarcodeSettings DefaultOutputSettings();
QUILLMARK_OUTPUT_EXPORT QFont DefaultOutputFont();

struct TBarcodeDescription {
    // Symbology, value, check-digit mode, ratio, orientation, text mode and position, and
    // the bar, space and text-box colours. BarHeight, Modul and HMargin are the widget's
    // screen pixels and are not read here.
    TBarcodeSettings Barcode = DefaultOutputSettings();
    QFont Font = DefaultOutputFont(); // family and style; the size is FontSizePt
    double FontSizePt = 8;
    TColor FontColor = clBlack;
    double XDimensionMM = 0.33; // the narrow module
    double BarHeightMM = 0;     // 0 stands for StandardBarHeightMM of the symbology
    int Dpi = 300;              // raster output only
    // Light margin at each end of the symbol, in X; none gives the symbology's standard
    // margins, 0 turns them off.
    std::optional<int> QuietZone;
};

// 22.85 mm for the EAN/UPC family, 15 mm for the others.
QUILLMARK_OUTPUT_EXPORT double StandardBarHeightMM(TBarType Type);

// The ratio a file is drawn at. Symbologies whose standard defines every element as a
// whole number of modules (Code 128, EAN-128, Code 93 and the EAN/UPC family) are drawn at
// exactly 1:2:3:4, whatever the ratio setting; the others keep it, clamped by the engine.
// The widget follows its Ratio for all of them; this is the one place where a file differs
// from the widget, because a file must scan.
QUILLMARK_OUTPUT_EXPORT double OutputRatio(const TBarcodeDescription& Description);

} // namespace quillmark
