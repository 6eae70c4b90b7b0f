#include "placement.h"

#include "limit_error.h"
#include <quillmark/barcode_settings.h>
#include <quillmark/engine.h>
#include <quillmark/error_messages.h>

#include <climits>
#include <string>

namespace quillmark {

namespace {

// Sums in 64 bits; a result outside int is refused rather than wrapped.
int Checked(long long Value, const TFrame& Frame) {
    if (Value < INT_MIN || Value > INT_MAX)
        throw ELimitError(Quoting(
            std::to_string(Frame.Width) + " x " + std::to_string(Frame.Height), TooLargeMessage));
    return static_cast<int>(Value);
}

} // namespace

int AutomaticBarHeight(const TFrame& Frame, TOrientation Orientation) {
    const long long across = IsHorizontal(Orientation) ? Frame.Height : Frame.Width;
    return Checked(across - 2LL * Frame.Inset - Frame.Allowance - 1, Frame);
}

TSymbolBox PlaceSymbol(const TFrame& Frame, TOrientation Orientation, int BarHeight,
                       int PatternWidth) {
    const bool horizontal = IsHorizontal(Orientation);
    const long long along = horizontal ? Frame.Width : Frame.Height;
    const long long across = horizontal ? Frame.Height : Frame.Width;
    const long long h = BarHeight != 0 ? BarHeight : AutomaticBarHeight(Frame, Orientation);
    const long long shift = Orientation == toRightLeft || Orientation == toBottomTop ? 1 : 0;
    long long start = 0;
    switch (Frame.Alignment) {
    case taLeftJustify:
        start = Frame.Inset - shift;
        break;
    case taRightJustify:
        start = along - Frame.Inset - Frame.Allowance - PatternWidth - shift;
        break;
    default:
        start = (along - Frame.Allowance - PatternWidth) / 2;
        break;
    }
    const long long side = (across - h - Frame.Allowance) / 2;
    // The far edges of the turned box too, so that no corner of a module leaves int.
    Checked(start + PatternWidth, Frame);
    Checked(side + h, Frame);
    TSymbolBox box;
    box.Left = Checked(horizontal ? start : side, Frame);
    box.Top = Checked(horizontal ? side : start, Frame);
    box.Height = static_cast<int>(h);
    box.Angle = AngleOf(Orientation);
    return box;
}

} // namespace quillmark
