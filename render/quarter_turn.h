// The four reading directions as exact integer maps from the bar box to the canvas: a
// quarter turn needs no trigonometry.
#pragma once

#include <QPoint>
#include <QRect>

#include <algorithm>
#include <optional>

namespace quillmark {

// Beyond this many degrees the rounded sine and cosine of a multiple of 90 may put a pixel
// where an exact turn would not, so larger angles stay with the trigonometric path.
inline constexpr double MaxExactTurnDegrees = 1e6;

// Counter-clockwise quarter turns (0 to 3) for Angle in degrees when Angle is a whole
// multiple of 90 within MaxExactTurnDegrees; none otherwise.
std::optional<int> QuarterTurns(double Angle);

// A closed rectangle of canvas pixels, in 64 bits so that no sum wraps.
struct TPixelRect {
    long long Left = 0;
    long long Top = 0;
    long long Right = 0;
    long long Bottom = 0;
};

// Rect as painters take it; raises Exception "Left, Top : Barcode too large to draw." where
// it leaves their int coordinates.
QRect DrawableRect(const TPixelRect& Rect);
// The same for a rectangle inside one DrawableRect took; inline, as every run takes one.
inline QRect ToQRect(const TPixelRect& Rect) {
    return QRect(QPoint(static_cast<int>(Rect.Left), static_cast<int>(Rect.Top)),
                 QPoint(static_cast<int>(Rect.Right), static_cast<int>(Rect.Bottom)));
}

// A Width x Height bar box turned by a number of quarter turns, the top-left corner of its
// turned bounding box at (Left, Top). Box point (px, py) lands on canvas point
//   0 turns: (Left + px, Top + py)            2 turns: (Left + Width - px, Top + Height - py)
//   1 turn:  (Left + py, Top + Width - px)    3 turns: (Left + Height - py, Top + px)
// which is what the rotation with sine and cosine gives for these angles.
class TQuarterTurn {
public:
    TQuarterTurn(int Turns, int Left, int Top, int Width, int Height);

    int Turns() const { return turns_; }
    bool Horizontal() const { return turns_ % 2 == 0; }

    // The canvas pixels of the closed box rectangle of columns X0..X1 and rows Y0..Y1.
    // Inline, as the fast paths map every run.
    TPixelRect Map(long long X0, long long X1, long long Y0, long long Y1) const {
        const TPoint a = Point(X0, Y0);
        const TPoint b = Point(X1, Y1);
        return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
    }

private:
    struct TPoint {
        long long X;
        long long Y;
    };
    TPoint Point(long long Px, long long Py) const {
        switch (turns_) {
        case 0:
            return {left_ + Px, top_ + Py};
        case 1:
            return {left_ + Py, top_ + width_ - Px};
        case 2:
            return {left_ + width_ - Px, top_ + height_ - Py};
        default:
            return {left_ + height_ - Py, top_ + Px};
        }
    }

    int turns_;
    long long left_;
    long long top_;
    long long width_;
    long long height_;
};

} // namespace quillmark
