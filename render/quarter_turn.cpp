#include "quarter_turn.h"

#include <cmath>

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

} // namespace quillmark
