#include "databar_widths.h"

#include <cstddef>

namespace quillmark {
namespace {

// N choose R as the standard's count takes it: 1 when R exceeds N.
int Choose(int N, int R) {
    if (R > N - R)
        R = N - R;
    long long value = 1;
    for (int i = 1; i <= R; ++i)
        value = value * (N - R + i) / i;
    return static_cast<int>(value);
}

// The patterns that follow an element of Width with Left modules and Elements elements to
// share after it. The count of the too-wide ones is the standard's, first term only: the
// standard's tables number their values by it, so an exact count would shift them.
int Following(int Left, int Elements, int Width, int Widest, bool NarrowOwed) {
    const int rest = Elements - 1; // elements after this one
    int patterns = Choose(Left - Width - 1, rest - 1);
    if (NarrowOwed && Left - Width - rest >= rest)
        patterns -= Choose(Left - Width - rest - 1, rest - 1);
    if (rest > 1) {
        int tooWide = 0;
        for (int widest = Left - Width - (rest - 1); widest > Widest; --widest)
            tooWide += Choose(Left - Width - widest - 1, rest - 2);
        patterns -= tooWide * rest;
    } else if (Left - Width > Widest) {
        --patterns;
    }
    return patterns;
}

} // namespace

std::vector<int> PatternWidths(int Value, const TWidthsGroup& Group) {
    std::vector<int> widths;
    int left = Group.Modules;
    bool narrowOwed = Group.Narrow;
    for (int element = 0; element + 1 < Group.Elements; ++element) {
        int width = 1;
        for (;; ++width) {
            const int patterns = Following(left, Group.Elements - element, width, Group.Widest,
                                           narrowOwed && width != 1);
            if (Value < patterns)
                break;
            Value -= patterns;
        }
        widths.push_back(width);
        left -= width;
        narrowOwed = narrowOwed && width != 1;
    }
    widths.push_back(left);
    return widths;
}

std::vector<int> Interleave(const std::vector<int>& Odd, const std::vector<int>& Even) {
    std::vector<int> widths;
    for (std::size_t i = 0; i < Odd.size(); ++i) {
        widths.push_back(Odd[i]);
        widths.push_back(Even[i]);
    }
    return widths;
}

} // namespace quillmark
