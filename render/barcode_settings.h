// One barcode's settings in parts a reader can tell apart: what the symbol is, how it looks
// and, for the widget, its geometry on screen.
#pragma once

#include <quillmark/quillmark_render_export.h>

#include <quillmark/engine.h>
#include <quillmark/itf14.h>
#include <quillmark/module_grid.h>
#include <quillmark/symbol_types.h>

#include <string>

namespace quillmark {

// What the symbol is: the value and how the engine encodes it.
struct TSymbolSettings {
    std::string BarCode;
    TBarType BarType = bcCode39;
    double Ratio = 2.0;
    TCheckSum CheckSum = csNone;
    // The two-dimensional symbols' error correction, version or size, and Digital Link domain.
    TMatrixOptions Matrix;

    bool operator==(const TSymbolSettings&) const = default;
};

// How the symbol looks, on any device: colours, reading direction and its text.
struct TLookSettings {
    TColor ColorSpc = clWhite;
    TColor ColorBar = clBlack;
    TOrientation Orientation = toLeftRight;
    TTextShow TextShow = tsNone;
    TTextPosition TextPosition = tpBottomCenter;
    TColor TextColor = clWhite; // the box behind the text
    TTextLayout TextLayout = tlOverBars;
    // EAN/UPC's optional '<' and '>' quiet-zone marks, under tlStandard.
    bool QuietZoneMarks = false;
    // ITF-14's bearer bars and their thickness in modules (at least
    // ITF14Facts.BearerMinModules); the other symbologies have none.
    TITF14Bearers Bearers = ITF14Facts.BearersDefault;
    int BearerModules = ITF14BearerDefaultModules;

    bool operator==(const TLookSettings&) const = default;
};

// A symbol as every device draws it: what it is and how it looks, without screen pixels.
// Files, the clipboard, printers and the renderer take this much.
struct TSymbolLook : TSymbolSettings, TLookSettings {
    bool operator==(const TSymbolLook&) const = default;
};

// The widget's geometry on screen, in pixels.
struct TScreenGeometry {
    int BarHeight = 0; // 0 fills the height inside the frame
    int Modul = 1;     // narrow element width
    int HMargin = 0;   // added on each side by the widget's automatic width

    bool operator==(const TScreenGeometry&) const = default;
};

// One barcode's own settings as the widget holds them: the symbol, its look and its screen
// geometry, each part assignable whole.
struct TBarcodeSettings : TSymbolLook, TScreenGeometry {
    bool operator==(const TBarcodeSettings&) const = default;
};

// The counter-clockwise turn of a reading direction, in degrees: 0, 180, 270 or 90.
QUILLMARK_RENDER_EXPORT double AngleOf(TOrientation Orientation);

inline bool IsHorizontal(TOrientation Orientation) {
    return Orientation == toLeftRight || Orientation == toRightLeft;
}

// The line drawn over the bars for TextShow: nothing, the display text, the symbology's
// name, or both.
QUILLMARK_RENDER_EXPORT std::string ShownText(TTextShow TextShow, TBarType BarType,
                                              const std::string& DisplayText);

} // namespace quillmark
