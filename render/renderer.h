// Draws a module pattern and its human-readable text on any QPainter, in one of four
// reading directions. Every module covers exactly the closed rectangle of its rotated
// corners; nothing is antialiased.
#pragma once

#include <quillmark/quillmark_render_export.h>

#include <quillmark/barcode_settings.h>
#include <quillmark/engine.h>
#include <quillmark/module_runs.h>
#include <quillmark/qt_colors.h>
#include <quillmark/symbol_box.h>
#include <quillmark/symbol_types.h>

#include <QFont>
#include <QFontMetrics>
#include <QPoint>
#include <QRect>
#include <QTransform>

#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace quillmark {

// (Round(x cos t + y sin t), Round(-x sin t + y cos t)), halves to even; Angle in radians.
QUILLMARK_RENDER_EXPORT void RotatePoint(const QPoint& Point, double Angle, QPoint& Result);

QUILLMARK_RENDER_EXPORT void AddPoints(const QPoint& A, const QPoint& B, QPoint& Result);

// Where the origin of a Width x Height box must lie so that the box, rotated about it by
// Angle (radians), has the top-left corner of its bounding box at P.
QUILLMARK_RENDER_EXPORT void RotatedOrigin(const QPoint& P, int Width, int Height, double Angle,
                                           QPoint& Result);

// One filled rectangle per pattern character. Angle in degrees, counter-clockwise.
QUILLMARK_RENDER_EXPORT void DrawBars(const std::string& Pattern, QPainter& Canvas, TColor ColorBar,
                                      TColor ColorSpc, int Left, int Top, int Width, int Height,
                                      double Angle);

// Where DrawBarText puts a text's cell: its size and ascent in Metrics, and the turn that
// takes the cell's top-left corner, (0, 0), to the canvas. None where the cell would reach
// beyond int, and DrawBarText draws nothing.
struct TTextCell {
    int Width = 0;
    int Height = 0;
    int Ascent = 0;
    QTransform Rotation;
};
QUILLMARK_RENDER_EXPORT std::optional<TTextCell>
PlaceBarText(const QFontMetrics& Metrics, const QString& Text, int Left, int Top, int Width,
             int Height, double Angle, TTextPosition TextPosition);

// Text in Font (letters in FontColor) on an opaque TextColor background, rotated by Angle
// degrees and placed by TextPosition relative to the Width x Height box at (Left, Top).
QUILLMARK_RENDER_EXPORT void DrawBarText(const std::string& Text, QPainter& Canvas,
                                         TColor TextColor, const QFont& Font, TColor FontColor,
                                         int Left, int Top, int Width, int Height, double Angle,
                                         TTextPosition TextPosition);
// The same with no box behind the letters where TextColor is none.
QUILLMARK_RENDER_EXPORT void DrawBarText(const std::string& Text, QPainter& Canvas,
                                         std::optional<TColor> TextColor, const QFont& Font,
                                         TColor FontColor, int Left, int Top, int Width, int Height,
                                         double Angle, TTextPosition TextPosition);

// One rectangle of a symbol's bars at a quarter turn: its canvas pixels, edges included,
// filled in the bar colour or the space colour.
struct TBarFill {
    QRect Rect;
    bool Bar = false;
};

// The rectangles DrawSymbol fills for Symbol in Box, in its order, which is the order that
// gives its pixels: where a symbol has no short bars, one space-coloured rectangle for the
// whole box and then the bars. Box.Angle must be a quarter turn; raises Exception for a box
// whose pixels would leave int.
QUILLMARK_RENDER_EXPORT std::vector<TBarFill> BarFills(const TSymbol& Symbol,
                                                       const TSymbolBox& Box);

// The pixel rows a symbol's modules take when they are not free: a two-dimensional symbol's
// rows at its narrow width; 0 for a row of bars, whose height is the caller's.
QUILLMARK_RENDER_EXPORT int GridHeight(const TSymbol& Symbol);

// Fills Fills in turn, each in ColorBar or ColorSpc, unantialiased; leaves the painter's
// state as it found it.
QUILLMARK_RENDER_EXPORT void FillBars(QPainter& Canvas, const std::vector<TBarFill>& Fills,
                                      TColor ColorBar, TColor ColorSpc);

// Draws an encoded symbol in Box: its bars (a two-dimensional symbol's modules, GridHeight
// rows whatever Box.Height says), then the text Settings.TextShow asks for, in Font
// with letters in FontColor; under tlStandard (at a quarter turn), bars and text share the
// box's height as the standard prints them (StandardLook), which reads Settings' value and
// check mode too. Reads only the colours and text settings of Settings; the
// symbology, value and sizes come with Symbol. Every paint device goes through here.
QUILLMARK_RENDER_EXPORT void DrawSymbol(QPainter& Canvas, const TSymbol& Symbol,
                                        const TSymbolLook& Settings, const QFont& Font,
                                        TColor FontColor, const TSymbolBox& Box);

// Encodes Value, draws its bars with the box's bounding-box corner at (Left, Top) and bar
// height Height, then the text that TextShow asks for. Raises the engine's errors before
// anything is drawn. Leaves the painter's font, pen, brush and transform as it found them.
QUILLMARK_RENDER_EXPORT void DrawBarcode(QPainter& Canvas, TBarType BarType,
                                         const std::string& Value, int Modul, double Ratio,
                                         TCheckSum CheckSum, int Left, int Top, int Height,
                                         const QFont& Font, TColor FontColor, TTextShow TextShow,
                                         TTextPosition TextPosition, TColor ColorBar,
                                         TColor ColorSpc, TColor TextColor, double Angle);

} // namespace quillmark
