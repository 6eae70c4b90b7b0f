#include <quillmark/inks.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace quillmark {

namespace {

constexpr double Percent = 100;
constexpr double Full = 255;

int Channel(double Ink, double Black) {
    return static_cast<int>(std::lround(Full * (1 - Ink / Percent) * (1 - Black / Percent)));
}

TInk InkOf(TColor Rgb, const std::optional<TCmyk>& Cmyk) {
    return {Rgb, Cmyk};
}

} // namespace

TColor RgbOf(const TCmyk& Cmyk) {
    // TColor keeps red in the lowest byte.
    return static_cast<TColor>(Channel(Cmyk.C, Cmyk.K) | Channel(Cmyk.M, Cmyk.K) << 8 |
                               Channel(Cmyk.Y, Cmyk.K) << 16);
}

TCmyk CmykOf(TColor Rgb) {
    const double r = (Rgb & 0xFF) / Full;
    const double g = ((Rgb >> 8) & 0xFF) / Full;
    const double b = ((Rgb >> 16) & 0xFF) / Full;
    const double light = std::max({r, g, b});
    if (light == 0)
        return {0, 0, 0, Percent};
    return {(light - r) / light * Percent, (light - g) / light * Percent,
            (light - b) / light * Percent, (1 - light) * Percent};
}

TInk BarInk(const TBarcodeDescription& D) {
    return InkOf(D.Barcode.ColorBar, D.BarCmyk);
}

TInk SpaceInk(const TBarcodeDescription& D) {
    return InkOf(D.Barcode.ColorSpc, D.SpaceCmyk);
}

TInk TextInk(const TBarcodeDescription& D) {
    return InkOf(D.FontColor, D.TextCmyk);
}

TInk TextBoxInk(const TBarcodeDescription& D) {
    return InkOf(D.Barcode.TextColor, D.TextBoxCmyk);
}

void SetBarInk(TBarcodeDescription& D, const TInk& Ink) {
    D.Barcode.ColorBar = Ink.Rgb;
    D.BarCmyk = Ink.Cmyk;
}

void SetSpaceInk(TBarcodeDescription& D, const TInk& Ink) {
    D.Barcode.ColorSpc = Ink.Rgb;
    D.SpaceCmyk = Ink.Cmyk;
}

void SetTextInk(TBarcodeDescription& D, const TInk& Ink) {
    D.FontColor = Ink.Rgb;
    D.TextCmyk = Ink.Cmyk;
}

void SetTextBoxInk(TBarcodeDescription& D, const TInk& Ink) {
    D.Barcode.TextColor = Ink.Rgb;
    D.TextBoxCmyk = Ink.Cmyk;
}

void UseCmykModel(TBarcodeDescription& D) {
    const std::array<std::pair<std::optional<TCmyk>*, TColor>, 4> inks{{
        {&D.BarCmyk, D.Barcode.ColorBar},
        {&D.SpaceCmyk, D.Barcode.ColorSpc},
        {&D.TextCmyk, D.FontColor},
        {&D.TextBoxCmyk, D.Barcode.TextColor},
    }};
    for (const auto& [cmyk, rgb] : inks)
        if (!*cmyk)
            *cmyk = CmykOf(rgb);
}

} // namespace quillmark
