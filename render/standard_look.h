// A symbol and its text as the symbology's standard prints them: the text clear of the bars,
// one module away; EAN/UPC digits in OCR-B, in groups under shorter bars between descending
// guards, the outer digits in the quiet zones. Files draw it, and the widget under tlStandard.
#pragma once

#include <quillmark/quillmark_render_export.h>

#include <quillmark/barcode_settings.h>
#include <quillmark/itf14_bearers.h>
#include <quillmark/renderer.h>
#include <quillmark/retail_look.h>
#include <quillmark/symbol_box.h>

#include <QFont>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QPainter;

namespace quillmark {

// The family EAN/UPC digits are printed in (ISO/IEC 15420: OCR-B).
inline constexpr const char* DigitFontFamily = "OCR B";
// The digits' height in modules: 2.75 mm at X = 0.33 mm, as the GS1 general standard's
// EAN/UPC figures draw them, so that the text scales with the symbol.
inline constexpr double DigitHeightModules = 2.75 / 0.33;
// UPC-A's and UPC-E's outer digits, against the others.
inline constexpr double SmallDigitScale = 0.75;

// The point of a text's cell its placing keeps: the start, the middle or the end of the line.
// A writer whose reader may measure the text in another font anchors it there, so that
// centred digit groups stay centred between their guards.
enum class TTextAnchor { Start, Middle, End };

// A line of text in the symbol's frame: column 0 at the first bar, row 0 at the top of the
// bars; its cell as the font measures it.
struct TFrameText {
    std::string Text; // Latin-1
    QFont Font;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Ascent = 0;
    // Its glyphs stand inside the frame though its cell's top may not (an add-on's digits).
    bool WithinFrame = false;
    TTextAnchor Anchor = TTextAnchor::Start;
};

struct TStandardLook {
    int Width = 0;                                // the bars' length, in units
    int BarRows = 0;                              // the bars cover rows 0 to BarRows - 1
    int LongRows = 0;                             // the long bars, rows 0 to LongRows - 1
    std::vector<std::pair<int, int>> LongColumns; // [first, end) columns of the long bars
    std::vector<TFrameText> Texts;
    // An EAN/UPC add-on behind its main symbol: its columns [first, end), whose bars run from
    // AddOnTop (below its digits, which stand over it within the bars' height) to LongRows - 1.
    std::pair<int, int> AddOnColumns{0, 0};
    int AddOnTop = 0;
    // ITF-14's bearer bars: above and below the bars, and round their quiet zones in a frame.
    std::optional<TBearerBars> Bearers;
    // How far text and long bars reach beyond the bars: rows above row 0 and below
    // BarRows - 1, columns before column 0 and after Width - 1.
    int Above = 0;
    int Below = 0;
    int Before = 0;
    int After = 0;
    int FrameRows() const { return Above + BarRows + Below; }
};

// The look of Symbol, which MakeSymbol made of Settings' type, value and check mode at
// Modul units a module, with bars BarRows high. DisplayText is what the bars carry; the
// text shown is Settings.TextShow's, in Font (sized in units) at Settings.TextPosition's
// side and alignment. EAN/UPC values (TextShow tsBarCode) are printed in their digit groups
// in OCR-B, sized from Modul; the guards descend whatever the text.
QUILLMARK_RENDER_EXPORT TStandardLook StandardLook(const TSymbol& Symbol,
                                                   const TSymbolLook& Settings,
                                                   const std::string& DisplayText, int Modul,
                                                   int BarRows, const QFont& Font);

// The same with the EAN/UPC look already made of Settings' value (RetailLook), and ITF-14's
// bearer frame round Zone units of quiet zone (none: the symbology's own).
QUILLMARK_RENDER_EXPORT TStandardLook StandardLook(const TSymbol& Symbol,
                                                   const TSymbolLook& Settings,
                                                   const std::optional<TRetailLook>& Retail,
                                                   const std::string& DisplayText, int Modul,
                                                   int BarRows, const QFont& Font,
                                                   std::optional<int> Zone = std::nullopt);

// The same fitted into a frame of FrameRows rows: the bars take what the text leaves.
QUILLMARK_RENDER_EXPORT TStandardLook FittedStandardLook(const TSymbol& Symbol,
                                                         const TSymbolLook& Settings,
                                                         const std::string& DisplayText, int Modul,
                                                         int FrameRows, const QFont& Font);

// A text placed on the canvas: its cell's top-left corner at (0, 0) under Cell.Rotation.
struct TPlacedText {
    std::string Text; // Latin-1
    QFont Font;
    TTextCell Cell;
    TTextAnchor Anchor = TTextAnchor::Start;
};

// Look's rectangles and texts on the canvas: its frame (FrameRows rows, Width columns)
// turned by Box.Angle (a quarter turn) with its bounding box's corner at (Box.Left,
// Box.Top); Box.Height is ignored. A space fill of the frame comes first, then the bars.
QUILLMARK_RENDER_EXPORT std::vector<TBarFill>
StandardFills(const TSymbol& Symbol, const TStandardLook& Look, const TSymbolBox& Box);
QUILLMARK_RENDER_EXPORT std::vector<TPlacedText> StandardTexts(const TStandardLook& Look,
                                                               const TSymbolBox& Box);

// Draws a placed text in Ink, unantialiased where Font says so; leaves the painter's state.
QUILLMARK_RENDER_EXPORT void DrawPlacedText(QPainter& Canvas, const TPlacedText& Text, TColor Ink);

} // namespace quillmark
