// A symbol's geometry as a file, a clipboard picture or a page draws it, built once per
// description: the encoded symbol at a module size in the canvas's units, the rectangles
// of its bars, its text, its quiet zones and the whole picture's size. The writers only
// serialise it.
#pragma once

#include <quillmark/quillmark_layout_export.h>

#include <quillmark/description.h>
#include <quillmark/itf14_bearers.h>
#include <quillmark/renderer.h>
#include <quillmark/standard_look.h>
#include <quillmark/symbol_box.h>
#include <quillmark/symbol_value.h>

#include <QFont>
#include <QRectF>
#include <QSize>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace quillmark {

// The human-readable line over the bars, placed against the symbol's box as the renderer
// places it.
struct TTextRun {
    std::string Text;                    // Latin-1
    QFont Font;                          // sized in the layout's units
    std::optional<TColor> Box = clWhite; // none: no box behind the letters
    TColor Ink = clBlack;
    TTextPosition Position = tpBottomCenter;
    // Box and Ink as CMYK, for the formats that print it (PDF, EPS); none: the RGB above.
    std::optional<TCmyk> BoxCmyk;
    std::optional<TCmyk> InkCmyk;
};

struct TOutputLayout {
    // The description's value, encoded once: what Symbol was made of and what it carries.
    std::shared_ptr<const TSymbolValue> Value;
    TSymbol Symbol; // encoded at Modul units per narrow module
    TSymbolBox Box; // where the bars go; under tlStandard, the whole frame of bars and text
    // ITF-14's bearer bars, drawn with the bars; a frame's sides stand in the light margins
    // before and after the bars, outside their quiet zones.
    std::optional<TBearerBars> Bearers;
    QSize Size;    // the whole picture, quiet zones included, turned
    int Modul = 1; // units per narrow module
    // Light margins before and after the bars, and the bars' length (a grid's rows), in units.
    long long Leading = 0;
    long long Trailing = 0;
    // A grid's light margin above and below it, text included; none for a row of bars.
    long long ZoneAcross = 0;
    int BarRows = 0;
    double UnitsPerMM = 1;
    int FontPixels = 1;
    bool Vector = false;
    int Dpi = DefaultDpi; // raster only
    TBarType Type = bcCode128B;
    TOrientation Orientation = toLeftRight;
    TColor Space = clWhite; // the spaces and the whole picture behind the bars
    TColor Bar = clBlack;
    // No background: Bars holds no space fills and the text no box; the picture behind the
    // bars is left as it was (transparent in a file).
    bool Transparent = false;
    // Units each bar of the code is drawn narrower, and each space wider, than designed:
    // exactly; the first ReducedFills of Bars are the code's, their rects narrowed by the
    // whole units nearest it. Vector writers take the rest off too (DrawnRect).
    double BarReduction = 0;
    std::size_t ReducedFills = 0;
    // What the whole units left of each edge's share: before (left or top) and after.
    double TrimBefore = 0;
    double TrimAfter = 0;
    std::vector<TBarFill> Bars;      // filled in order, in the layout's units
    std::optional<TTextRun> Text;    // the text over the bars (tlOverBars)
    std::vector<TPlacedText> Placed; // the text clear of the bars (tlStandard)
    TColor TextInk = clBlack;
    // Space, Bar and TextInk as CMYK, for the formats that print it (PDF, EPS); none: the
    // RGB colours above.
    std::optional<TCmyk> SpaceCmyk;
    std::optional<TCmyk> BarCmyk;
    std::optional<TCmyk> TextInkCmyk;
};

// Units of vector output: this many per narrow module, fine enough that a wide element
// keeps the ratio within a fraction of a percent once scaled to the exact X-dimension.
// Fewer where the text's size in these units would be past what Qt measures (its metrics
// fail from 16,384 pixels of ascent): from 115 pt up at X 0.33 mm, sooner over smaller modules.
inline constexpr int VectorModul = 100;

// Narrow module in whole pixels at the description's resolution: X x dpi / 25.4 rounded,
// at least 1.
QUILLMARK_LAYOUT_EXPORT int RasterModul(const TBarcodeDescription& Description);
// The X-dimension a raster file really has, in millimetres.
QUILLMARK_LAYOUT_EXPORT double AchievedXDimensionMM(const TBarcodeDescription& Description);

// Raster: units are pixels at Dpi. Vector: units are 1/VectorModul of the X-dimension, or
// 1/Modul where large text needs coarser ones.
// Both raise the engine's errors for a refused value and Exception for settings or sizes
// that can't be drawn.
QUILLMARK_LAYOUT_EXPORT TOutputLayout RasterLayout(const TBarcodeDescription& Description);
QUILLMARK_LAYOUT_EXPORT TOutputLayout VectorLayout(const TBarcodeDescription& Description);
// The same from the description's value already encoded; a value of another type, value or
// check mode is encoded anew.
QUILLMARK_LAYOUT_EXPORT TOutputLayout RasterLayout(const TBarcodeDescription& Description,
                                                   std::shared_ptr<const TSymbolValue> Value);
QUILLMARK_LAYOUT_EXPORT TOutputLayout VectorLayout(const TBarcodeDescription& Description,
                                                   std::shared_ptr<const TSymbolValue> Value);

// Fill Index of Layout.Bars as a vector writer draws it, edges included as QRect's are:
// a bar of the code narrowed by the layout's exact reduction.
QUILLMARK_LAYOUT_EXPORT QRectF DrawnRect(const TOutputLayout& Layout, std::size_t Index);

// The description's font as the layout draws it: sized in the layout's units.
QUILLMARK_LAYOUT_EXPORT QFont LayoutFont(const TBarcodeDescription& Description,
                                         const TOutputLayout& Layout);

// The symbol's length along its bars, quiet zones included, in millimetres.
QUILLMARK_LAYOUT_EXPORT double LengthMM(const TOutputLayout& Layout);

// Fills the picture with the space colour (unless Transparent) and draws the bars and text in the
// painter's current coordinates, one unit of the layout per unit of the painter.
QUILLMARK_LAYOUT_EXPORT void PaintLayout(QPainter& Painter, const TOutputLayout& Layout);

} // namespace quillmark
