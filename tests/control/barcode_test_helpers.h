// Shared by the widget tests: distinct colours, a fixed-size font, the window's control,
// the module kind under each pattern column, and the box point under a canvas pixel in each
// reading direction (typed in from the orientation table, not taken from the renderer).
#pragma once

#include "pixels.h"
#include <quillmark/barcode.h>

#include <QFont>
#include <QImage>
#include <QPoint>

#include <optional>
#include <string>
#include <vector>

namespace quillmark::widget_testing {

using testing::ModuleColumns;
using testing::Rgb;

inline constexpr TColor PanelColor = 0x00C000; // green: the panel around the box
inline constexpr TColor BarColor = 0x000000;
inline constexpr TColor SpaceColor = 0xFFFFFF;
inline constexpr TColor TextBoxColor = 0x0000FF; // red
inline constexpr TColor LetterColor = 0xFF0000;  // blue

inline QFont PixelFont(int Pixels = 16) {
    QFont font("DejaVu Sans");
    font.setPixelSize(Pixels);
    return font;
}

// The whole widget as the windowing system would show it.
inline QImage Grab(TBarCode& Control) {
    return Control.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The window's control: 337 x 89, no bevel, left-justified, industrial 2 of 5 "123456789"
// at Modul 2 and Ratio 3.0, in a colour that tells the panel from the spaces.
inline void SetUpWindowControl(TBarCode& Control) {
    Control.setGeometry(0, 0, 337, 89);
    Control.SetBevelOuter(bvNone);
    Control.SetAlignment(taLeftJustify);
    Control.SetColor(PanelColor);
    Control.SetFont(PixelFont());
    Control.SetFontColor(LetterColor);
    Control.SetTextColor(TextBoxColor);
    Control.SetBarType(bcCode_2_5_industrial);
    Control.SetBarCode("123456789");
    Control.SetModul(2);
    Control.SetRatio(3.0);
}

// The box point (px, py) drawn at canvas pixel (X, Y), if the pixel lies in the PW x h box
// whose rotated bounding box starts at (Left, Top).
inline std::optional<QPoint> BoxPoint(TOrientation Orientation, int Left, int Top, int PW, int h,
                                      int X, int Y) {
    int px = 0, py = 0;
    switch (Orientation) {
    case toLeftRight:
        px = X - Left, py = Y - Top;
        break;
    case toRightLeft:
        px = Left + PW - X, py = Top + h - Y;
        break;
    case toTopBottom:
        px = Y - Top, py = Left + h - X;
        break;
    case toBottomTop:
        px = Top + PW - Y, py = X - Left;
        break;
    }
    if (px < 0 || px >= PW || py < 0 || py > h)
        return std::nullopt;
    return QPoint(px, py);
}

// What a box point shows: spaces and bars at full height, short bars in the lower two
// fifths and the panel above them.
inline TColor BoxColor(TLineKind Kind, int py, int h) {
    switch (Kind) {
    case lkSpace:
        return SpaceColor;
    case lkBar:
        return BarColor;
    case lkShortBar:
        return py >= (h * 3) / 5 ? BarColor : PanelColor;
    }
    return PanelColor;
}

inline bool Horizontal(TOrientation Orientation) {
    return Orientation == toLeftRight || Orientation == toRightLeft;
}

// Where the box goes, typed in from the placement table: the bounding-box corner in canvas
// coordinates and the bar height.
struct Placement {
    int Left = 0;
    int Top = 0;
    int h = 0;
};

inline Placement ExpectedPlacement(TOrientation Orientation, TAlignment Alignment, int Width,
                                   int Height, int b, int a, int PW, int BarHeight = 0) {
    const bool horizontal = Horizontal(Orientation);
    const int along = horizontal ? Width : Height;
    const int across = horizontal ? Height : Width;
    const int h = BarHeight != 0 ? BarHeight : across - 2 * b - a - 1;
    const bool reversed = Orientation == toRightLeft || Orientation == toBottomTop;
    int start = 0;
    if (Alignment == taLeftJustify)
        start = reversed ? b - 1 : b;
    else if (Alignment == taRightJustify)
        start = reversed ? along - b - a - PW - 1 : along - b - a - PW;
    else
        start = (along - a - PW) / 2;
    const int side = (across - h - a) / 2;
    return horizontal ? Placement{start, side, h} : Placement{side, start, h};
}

// Compares every canvas pixel inside the frame inset with the symbol's box (or the panel
// colour outside it); Image is the whole widget, the canvas starting at a / 2. Gives the
// number of pixels that differ and describes the first in First.
inline int SymbolMismatches(const QImage& Image, TOrientation Orientation, Placement Where,
                            const std::vector<TLineKind>& Columns, int b, int a,
                            std::string& First) {
    const int side = a / 2;
    const int PW = static_cast<int>(Columns.size());
    int mismatches = 0;
    for (int Y = b; Y < Image.height() - a - b; ++Y)
        for (int X = b; X < Image.width() - a - b; ++X) {
            const auto box = BoxPoint(Orientation, Where.Left, Where.Top, PW, Where.h, X, Y);
            const TColor expected =
                box ? BoxColor(Columns[static_cast<std::size_t>(box->x())], box->y(), Where.h)
                    : PanelColor;
            const QRgb actual = Image.pixel(X + side, Y + side) & 0xFFFFFF;
            if (actual != (Rgb(expected) & 0xFFFFFF) && mismatches++ == 0)
                First = "canvas pixel (" + std::to_string(X) + ", " + std::to_string(Y) + ") is " +
                        std::to_string(actual) + ", expected " +
                        std::to_string(Rgb(expected) & 0xFFFFFF);
        }
    return mismatches;
}

} // namespace quillmark::widget_testing
