// Where everything goes on a file's canvas: the symbol encoded at a module size in the
// canvas's units, its box, the quiet zones and the whole picture's size.
#pragma once

#include "quillmark_output_export.h"

#include "description.h"
#include "placement.h"

#include <QSize>

class QPainter;

namespace quillmark {

struct TOutputLayout {
    TSymbol Symbol; // encoded at Modul units per narrow module
    TSymbolBox Box; // where DrawSymbol puts the bars
    QSize Size;     // the whole picture, quiet zones included, turned
    int Modul = 1;  // units per narrow module
    double UnitsPerMM = 1;
    int FontPixels = 1;
    bool Vector = false;
};

// Units of vector output: this many per narrow module, fine enough that a wide element
// keeps the ratio within a fraction of a percent once scaled to the exact X-dimension.
inline constexpr int VectorModul = 100;

// Narrow module in whole pixels at the description's resolution: X x dpi / 25.4 rounded,
// at least 1.
QUILLMARK_OUTPUT_EXPORT int RasterModul(const TBarcodeDescription& Description);
// The X-dimension a raster file really has, in millimetres.
QUILLMARK_OUTPUT_EXPORT double AchievedXDimensionMM(const TBarcodeDescription& Description);

// Raster: units are pixels at Dpi. Vector: units are 1/VectorModul of the X-dimension.
// Both raise the engine's errors for a refused value and Exception for settings or sizes
// that can't be drawn.
QUILLMARK_OUTPUT_EXPORT TOutputLayout RasterLayout(const TBarcodeDescription& Description);
QUILLMARK_OUTPUT_EXPORT TOutputLayout VectorLayout(const TBarcodeDescription& Description);

// The description's font as the layout draws it: sized in the layout's units.
QUILLMARK_OUTPUT_EXPORT QFont LayoutFont(const TBarcodeDescription& Description,
                                         const TOutputLayout& Layout);

// Fills the picture with the space colour and draws the symbol in the painter's current
// coordinates, one unit of the layout per unit of the painter.
QUILLMARK_OUTPUT_EXPORT void PaintLayout(QPainter& Painter, const TBarcodeDescription& Description,
                                         const TOutputLayout& Layout);

} // namespace quillmark
