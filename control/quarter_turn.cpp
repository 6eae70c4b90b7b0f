#include "quarter_turn.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

TPixelRect TQuarterTurn::Map(long long X0, long long X1, long long Y0, long long Y1) const {
    const auto point = [this](long long px, long long py) -> std::pair<long long, long long> {
        switch (turns_) {
        case 0:
            return {left_ + px, top_ + py};
        case 1:
            return {left_ + py, top_ + width_ - px};
        case 2:
            return {left_ + width_ - px, top_ + height_ - py};
        default:
            return {left_ + height_ - py, top_ + px};
        }
    };
    const auto [ax, ay] = point(X0, Y0);
    const auto [bx, by] = point(X1, Y1);
    return {std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
}

} // namespace quillmark
