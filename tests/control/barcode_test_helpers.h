// Shared by the widget tests: distinct colours, a fixed-size font, the window's control,
// the module kind under each pattern column, and the box point under a canvas pixel in each
// reading direction (typed in from the orientation table, not taken from the renderer).
#pragma once

#include "barcode.h"

#include <QFont>
#include <QImage>
#include <QPoint>

#include <optional>
#include <string>
#include <vector>

namespace quillmark::widget_testing {

inline constexpr TColor PanelColor = 0x00C000; // green: the panel around the box
inline constexpr TColor BarColor = 0x000000;
inline constexpr TColor SpaceColor = 0xFFFFFF;
inline constexpr TColor TextBoxColor = 0x0000FF; // red
inline constexpr TColor LetterColor = 0xFF0000;  // blue

inline QRgb Rgb(TColor Color) {
    return qRgb(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF);
}

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

// The line kind of every pixel column along the pattern.
inline std::vector<TLineKind> ModuleColumns(TBarType Type, const std::string& Value, int Modul,
                                            double Ratio, TCheckSum CheckSum = csNone) {
    std::string text = Value;
    std::string pattern;
    MakeModules(Type, Value, Modul, Ratio, CheckSum, text, pattern);
    std::vector<TLineKind> columns;
    for (const char ch : pattern) {
        int width = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, width, kind);
        columns.insert(columns.end(), static_cast<std::size_t>(width), kind);
    }
    return columns;
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

} // namespace quillmark::widget_testing
