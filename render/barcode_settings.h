// One barcode's own settings, as the widget stores them and the output layer takes them.
#pragma once

#include "quillmark_render_export.h"

#include "engine.h"
#include "symbol_types.h"

#include <string>

namespace quillmark {

struct TBarcodeSettings {
    std::string BarCode;
    TBarType BarType = bcCode39;
    int BarHeight = 0; // pixels; 0 fills the height inside the frame
    int Modul = 1;     // narrow element width in pixels
    double Ratio = 2.0;
    TCheckSum CheckSum = csNone;
    TColor ColorSpc = clWhite;
    TColor ColorBar = clBlack;
    TOrientation Orientation = toLeftRight;
    TTextShow TextShow = tsNone;
    TTextPosition TextPosition = tpBottomCenter;
    TColor TextColor = clWhite; // the box behind the text
    int HMargin = 0;            // added on each side by the widget's automatic width
    TTextLayout TextLayout = tlOverBars;
    // EAN/UPC's optional '<' and '>' quiet-zone marks, under tlStandard.
    bool QuietZoneMarks = false;

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
