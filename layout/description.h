// A barcode as files, the clipboard and printers take it: the symbol and its look, its text's
// font and a physical size.
#pragma once

#include <quillmark/quillmark_layout_export.h>

#include <quillmark/barcode_settings.h>
#include <quillmark/description_ranges.h>
#include <quillmark/units.h>

#include <QFont>

#include <optional>
#include <string>
#include <string_view>

namespace quillmark {

// Settings for a symbol that must scan at a true size: the symbology's standard X (0.33 mm
// for most), 300 dpi for raster output, the standard bar height and quiet zones, Code 128B
// with its value as text.
QUILLMARK_LAYOUT_EXPORT TSymbolLook DefaultOutputSettings();

// The text a symbol of Type shows unless asked otherwise: its value under a row of bars,
// none beside a two-dimensional symbol, whose value people don't read off it. The command
// line and the QML item both start from it.
QUILLMARK_LAYOUT_EXPORT TTextShow DefaultTextShow(TBarType Type);
QUILLMARK_LAYOUT_EXPORT QFont DefaultOutputFont();

// A colour as a print shop gives it: cyan, magenta, yellow and black, each 0 to 100 percent.
struct TCmyk {
    double C = 0;
    double M = 0;
    double Y = 0;
    double K = 0;
    bool operator==(const TCmyk&) const = default;
};

// Whether Name asks for no background: "none", as the command line writes it, or
// "transparent", as QML and CSS do.
inline bool NamesNoBackground(std::string_view Name) {
    return Name == "none" || Name == "transparent";
}

struct TBarcodeDescription {
    // What the symbol is and how it looks; the widget's screen geometry has no place here.
    TSymbolLook Barcode = DefaultOutputSettings();
    // The text's font and colour.
    QFont Font = DefaultOutputFont(); // family and style; the size is FontSizePt
    double FontSizePt = DefaultFontSizePt;
    TColor FontColor = clBlack;
    // The physical size, within the ranges of description_ranges.h.
    // The narrow module; 0 stands for the symbology's standard X at Dpi (XDimensionOf).
    double XDimensionMM = 0;
    double BarHeightMM = 0; // 0 stands for the symbology's standard bar height
    int Dpi = DefaultDpi;   // raster output only
    // Light margin at each end of the symbol, in X; none gives the symbology's standard
    // margins, 0 turns them off.
    std::optional<int> QuietZone;
    // Inks given as CMYK: written as CMYK where the format can (PDF, EPS); elsewhere the RGB
    // colours above stand for them. None: the RGB colour everywhere.
    std::optional<TCmyk> BarCmyk;
    std::optional<TCmyk> SpaceCmyk;
    std::optional<TCmyk> TextCmyk;
    std::optional<TCmyk> TextBoxCmyk; // the box behind the text of the over-bars layout
    // No background: the spaces, the quiet zones and the text's box are left unpainted.
    bool Transparent = false;
    // Bar width reduction: each bar narrower and each space wider by this much, the symbol's
    // width unchanged. In millimetres (whole pixels or dots in rasters), or in dots at Dpi;
    // 0 for none.
    double BarWidthReductionMM = 0;
    int BarWidthReductionDots = 0;
};

// The narrow module Description is drawn at: its XDimensionMM, or where that is 0 the
// symbology's standard X at its resolution (StandardXDimensionMM: 0.33 mm for most,
// 0.495 mm for GS1-128 and EAN-128, 0.508 mm for PostNet).
QUILLMARK_LAYOUT_EXPORT double XDimensionOf(const TBarcodeDescription& Description);

// The ratio a file is drawn at. Symbologies whose standard defines every element as a
// whole number of modules (Code 128, EAN-128, Code 93 and the EAN/UPC family) are drawn at
// exactly 1:2:3:4, whatever the ratio setting; the others keep it, clamped by the engine.
// The widget follows its Ratio for all of them; this is the one place where a file differs
// from the widget, because a file must scan.
QUILLMARK_LAYOUT_EXPORT double OutputRatio(const TBarcodeDescription& Description);

// Where a symbol's check digit comes from: Auto completes or checks the GS1 check digit of
// EAN/UPC values before the engine (CompleteCheckDigit), which then adds none; None and
// Mod10 are the engine's own csNone and csModulo10.
enum class TCheckDigits { Auto, None, Mod10 };
inline constexpr int CheckDigitsCount = static_cast<int>(TCheckDigits::Mod10) + 1;
// The mode a job and the command line take when none is chosen.
inline constexpr TCheckDigits DefaultCheckDigits = TCheckDigits::Auto;

// The mode that leaves a check-digit setting as it is.
QUILLMARK_LAYOUT_EXPORT TCheckDigits CheckDigitsOf(TCheckSum CheckSum);

// Base with Value as its value, under Mode. Raises the engine's error for a wrong check
// digit under Auto.
QUILLMARK_LAYOUT_EXPORT TBarcodeDescription DescribeValue(const TBarcodeDescription& Base,
                                                          const std::string& Value,
                                                          TCheckDigits Mode);

} // namespace quillmark
