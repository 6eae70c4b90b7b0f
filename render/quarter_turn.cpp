#include "quarter_turn.h"

#include <quillmark/engine.h>
#include <quillmark/error_messages.h>

#include <QRect>

#include <climits>
#include <cmath>
#include <string>

namespace quillmark {

std::optional<int> QuarterTurns(double Angle) {
    if (!(std::abs(Angle) <= MaxExactTurnDegrees) || std::fmod(Angle, 90.0) != 0)
        return std::nullopt;
    // A whole multiple of 90 this small divides exactly.
    const int turns = static_cast<int>(std::fmod(Angle / 90.0, 4.0));
    return turns < 0 ? turns + 4 : turns;
}

TQuarterTurn::TQuarterTurn(int Turns, int Left, int Top, int Width, int Height)
    : turns_(Turns), left_(Left), top_(Top), width_(Width), height_(Height) {}

QRect DrawableRect(const TPixelRect& Rect) {
    if (Rect.Left < INT_MIN || Rect.Top < INT_MIN || Rect.Right > INT_MAX || Rect.Bottom > INT_MAX)
        throw Exception(
            Quoting(std::to_string(Rect.Left) + ", " + std::to_string(Rect.Top), TooLargeMessage));
    return ToQRect(Rect);
}

} // namespace quillmark
