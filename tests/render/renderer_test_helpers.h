// Shared by the renderer tests: images to draw on, a font with a fixed pixel size, and the
// canvas point of a box point in each reading direction, typed in from the orientation
// table rather than taken from the renderer.
#pragma once

#include "pixels.h"
#include <quillmark/engine.h>
#include <quillmark/symbol_types.h>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>

namespace quillmark::testing {

inline constexpr TColor Background = 0x808080; // grey: the panel's colour around the box
inline constexpr TColor Bar = 0x000000;
inline constexpr TColor Space = 0xFFFFFF;
inline constexpr TColor TextBox = 0x00FFFF; // yellow
inline constexpr TColor Letters = 0xFF0000; // blue

inline QImage MakeImage(int Width, int Height, TColor Fill = Background) {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(Rgb(Fill)));
    return image;
}

inline QFont TestFont() {
    QFont font("DejaVu Sans");
    font.setPixelSize(14);
    return font;
}

struct Direction {
    const char* Name;
    TOrientation Orientation;
    double Angle;
};

inline constexpr Direction Directions[] = {
    {"LeftRight", toLeftRight, 0},
    {"RightLeft", toRightLeft, 180},
    {"TopBottom", toTopBottom, 270},
    {"BottomTop", toBottomTop, 90},
};

// Canvas point of box point (px, py) for a PW x h box whose rotated bounding box has its
// top-left corner at (Left, Top).
inline QPoint CanvasPoint(TOrientation Orientation, int Left, int Top, int PW, int h, int px,
                          int py) {
    switch (Orientation) {
    case toLeftRight:
        return {Left + px, Top + py};
    case toRightLeft:
        return {Left + PW - px, Top + h - py};
    case toTopBottom:
        return {Left + h - py, Top + px};
    case toBottomTop:
        return {Left + py, Top + PW - px};
    }
    return {};
}

// Bounding rectangle of the pixels of one colour, or an empty rectangle.
inline QRect ColourBounds(const QImage& Image, TColor Color) {
    const QRgb wanted = Rgb(Color);
    int minX = Image.width(), minY = Image.height(), maxX = -1, maxY = -1;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (Image.pixel(x, y) == wanted) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    return maxX < 0 ? QRect() : QRect(QPoint(minX, minY), QPoint(maxX, maxY));
}

inline int CountColour(const QImage& Image, TColor Color) {
    const QRgb wanted = Rgb(Color);
    int count = 0;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            count += Image.pixel(x, y) == wanted ? 1 : 0;
    return count;
}

} // namespace quillmark::testing
