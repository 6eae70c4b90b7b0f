// The part of a label its block (symbol and text lines) may take: the label less its markup
// margin, inside a round or elliptical label's shape, and on a CD label inside the ring,
// clear of the hole. Millimetres from the page's top-left corner.
#pragma once

#include "label_align.h"
#include "label_template.h"

#include <optional>

namespace quillmark {

struct TRectMM {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
};

class TPrintableArea {
public:
    TPrintableArea(const TLabelTemplate& Sheet, const TLabelCell& Cell);

    // The label less its markup margin: the whole area of a rectangle, the box around a
    // round, elliptical or CD label's.
    const TRectMM& Bounds() const noexcept { return FBounds; }
    bool Holds(const TRectMM& Block) const;
    // Where a block of Width by Height goes: centred, or pushed as far as Align says while
    // it stays inside (a corner first along the diagonal, then along each edge). On a CD
    // label the block starts in the ring on Align's side of the hole (below it when
    // centred), else below or above the hole. None when it does not fit there.
    std::optional<TRectMM> Place(double Width, double Height, TLabelAlign Align) const;

private:
    TRectMM At(double CentreX, double CentreY, double Width, double Height) const;

    TRectMM FBounds;
    double FCentreX = 0;
    double FCentreY = 0;
    // The shape's semi-axes, inset by the margin; 0 for a label whose bounds are its shape.
    double FSemiX = 0;
    double FSemiY = 0;
    double FHole = 0; // the hole's radius with the margin around it; 0 without one
};

} // namespace quillmark
