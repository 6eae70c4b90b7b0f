#include "printable_area.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quillmark {
namespace {

// Slack for sums of millimetres that land on an edge exactly.
constexpr double EdgeSlackMM = 1e-9;
// Halvings of a push: far below a thousandth of a millimetre on any page.
constexpr int PushSteps = 60;

} // namespace

TPrintableArea::TPrintableArea(const TLabelTemplate& Sheet, const TLabelCell& Cell)
    : FBounds{Cell.X + Sheet.MarkupMarginX, Cell.Y + Sheet.MarkupMarginY,
              std::max(0.0, Cell.Width - 2 * Sheet.MarkupMarginX),
              std::max(0.0, Cell.Height - 2 * Sheet.MarkupMarginY)},
      FCentreX(Cell.X + Cell.Width / 2), FCentreY(Cell.Y + Cell.Height / 2) {
    switch (Sheet.Shape) {
    case TLabelShape::Round:
    case TLabelShape::Cd:
        FSemiX = std::max(0.0, Sheet.Radius - Sheet.MarkupMarginX);
        FSemiY = std::max(0.0, Sheet.Radius - Sheet.MarkupMarginY);
        if (Sheet.Shape == TLabelShape::Cd)
            FHole = Sheet.Hole + std::max(Sheet.MarkupMarginX, Sheet.MarkupMarginY);
        break;
    case TLabelShape::Ellipse:
        FSemiX = std::max(0.0, Sheet.Width / 2 - Sheet.MarkupMarginX);
        FSemiY = std::max(0.0, Sheet.Height / 2 - Sheet.MarkupMarginY);
        break;
    default: // a rectangle; a path label by its outline's bounding box
        break;
    }
}

bool TPrintableArea::Holds(const TRectMM& Block) const {
    const double Right = Block.Left + Block.Width;
    const double Bottom = Block.Top + Block.Height;
    if (Block.Left < FBounds.Left - EdgeSlackMM || Block.Top < FBounds.Top - EdgeSlackMM ||
        Right > FBounds.Left + FBounds.Width + EdgeSlackMM ||
        Bottom > FBounds.Top + FBounds.Height + EdgeSlackMM)
        return false;
    if (FSemiX > 0 && FSemiY > 0) {
        // The shape is convex: the block is inside when its farthest corner is.
        const double X = std::max(std::abs(Block.Left - FCentreX), std::abs(Right - FCentreX));
        const double Y = std::max(std::abs(Block.Top - FCentreY), std::abs(Bottom - FCentreY));
        if (std::hypot(X / FSemiX, Y / FSemiY) > 1 + EdgeSlackMM)
            return false;
    }
    if (FHole > 0) {
        const double NearX = std::clamp(FCentreX, Block.Left, Right);
        const double NearY = std::clamp(FCentreY, Block.Top, Bottom);
        if (std::hypot(NearX - FCentreX, NearY - FCentreY) < FHole - EdgeSlackMM)
            return false;
    }
    return true;
}

TRectMM TPrintableArea::At(double CentreX, double CentreY, double Width, double Height) const {
    return {CentreX - Width / 2, CentreY - Height / 2, Width, Height};
}

std::optional<TRectMM> TPrintableArea::Place(double Width, double Height, TLabelAlign Align) const {
    const TAlignPush Push = AlignPush(Align);
    double X = FBounds.Left + FBounds.Width / 2;
    double Y = FBounds.Top + FBounds.Height / 2;
    if (FHole > 0) {
        // The middle of the ring on the side Align names, or failing that (a wide block
        // beside the hole) below the hole, then above it.
        const double Across = (FHole + std::min(FSemiX, FSemiY)) / 2;
        const double Length = std::hypot(Push.X, Push.Y);
        const std::array<std::array<double, 2>, 3> Starts{{
            {Length > 0 ? Push.X / Length : 0, Length > 0 ? Push.Y / Length : 1},
            {0, 1},
            {0, -1},
        }};
        const auto Start = std::find_if(Starts.begin(), Starts.end(), [&](const auto& Way) {
            return Holds(At(FCentreX + Across * Way[0], FCentreY + Across * Way[1], Width, Height));
        });
        if (Start == Starts.end())
            return std::nullopt;
        X = FCentreX + Across * (*Start)[0];
        Y = FCentreY + Across * (*Start)[1];
    }
    if (!Holds(At(X, Y, Width, Height)))
        return std::nullopt;
    // Pushes the block along (DX, DY) as far as it stays inside.
    const auto PushAlong = [&](double DX, double DY) {
        if (DX == 0 && DY == 0)
            return;
        double Inside = 0;
        double Outside = FBounds.Width + FBounds.Height;
        for (int Step = 0; Step < PushSteps; ++Step) {
            const double Mid = (Inside + Outside) / 2;
            (Holds(At(X + Mid * DX, Y + Mid * DY, Width, Height)) ? Inside : Outside) = Mid;
        }
        X += Inside * DX;
        Y += Inside * DY;
    };
    PushAlong(Push.X, Push.Y);
    if (Push.X != 0 && Push.Y != 0) {
        PushAlong(Push.X, 0);
        PushAlong(0, Push.Y);
    }
    return At(X, Y, Width, Height);
}

} // namespace quillmark
