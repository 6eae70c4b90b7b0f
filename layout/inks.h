// The inks a file is printed in: each an RGB colour, and a CMYK one where it was given as
// one, which PDF and EPS write as it is and every other format draws as its RGB.
#pragma once

#include <quillmark/quillmark_layout_export.h>

#include <quillmark/description.h>

#include <optional>
#include <string>
#include <string_view>

namespace quillmark {

struct TInk {
    TColor Rgb = clBlack;
    std::optional<TCmyk> Cmyk;
    bool operator==(const TInk&) const = default;
};

// The plain RGB a CMYK colour stands for on a screen: R = 255 x (1 - C)(1 - K), G and B
// alike from M and Y.
QUILLMARK_LAYOUT_EXPORT TColor RgbOf(const TCmyk& Cmyk);
// The plain CMYK of an RGB colour, black as K alone: K = 1 - max(R, G, B), C = (1 - R -
// K) / (1 - K) and so on; 100% K for black, nothing for white. RgbOf gives the colour back.
QUILLMARK_LAYOUT_EXPORT TCmyk CmykOf(TColor Rgb);

// The description's inks: the bars, the spaces (and the whole picture behind them), the
// text's letters and the box behind the text of the over-bars layout.
QUILLMARK_LAYOUT_EXPORT TInk BarInk(const TBarcodeDescription& Description);
QUILLMARK_LAYOUT_EXPORT TInk SpaceInk(const TBarcodeDescription& Description);
QUILLMARK_LAYOUT_EXPORT TInk TextInk(const TBarcodeDescription& Description);
QUILLMARK_LAYOUT_EXPORT TInk TextBoxInk(const TBarcodeDescription& Description);

// Sets an ink of Description: its RGB colour and its CMYK, if any.
QUILLMARK_LAYOUT_EXPORT void SetBarInk(TBarcodeDescription& Description, const TInk& Ink);
QUILLMARK_LAYOUT_EXPORT void SetSpaceInk(TBarcodeDescription& Description, const TInk& Ink);
QUILLMARK_LAYOUT_EXPORT void SetTextInk(TBarcodeDescription& Description, const TInk& Ink);
QUILLMARK_LAYOUT_EXPORT void SetTextBoxInk(TBarcodeDescription& Description, const TInk& Ink);

// The inks a file's colours are written in where none is given as CMYK: RGB, or CMYK
// (UseCmykModel).
enum class TColourModel { Rgb, Cmyk };
inline constexpr int ColourModelCount = static_cast<int>(TColourModel::Cmyk) + 1;
inline constexpr TColourModel DefaultColourModel = TColourModel::Rgb;

// Every ink of Description in CMYK: those given as RGB (the defaults among them, black and
// white) as CmykOf gives them, so that default bars print in 100% K on no ink at all.
QUILLMARK_LAYOUT_EXPORT void UseCmykModel(TBarcodeDescription& Description);

} // namespace quillmark
