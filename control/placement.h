// Where a symbol goes inside a framed panel: the box's bounding-box corner, the bar height
// and the turn, from the reading direction, the alignment, the frame and the size.
#pragma once

#include "quillmark_render_export.h"

#include "control_types.h"
#include "limit_error.h"

namespace quillmark {

// The panel quantities the placement reads.
struct TFrame {
    int Width = 0; // outer size
    int Height = 0;
    int Inset = 0;     // border width plus the bevels
    int Allowance = 0; // both sides of the border style's frame
    TAlignment Alignment = taCenter;
};

// A symbol's box on the canvas: the top-left corner of its turned bounding box, the bar
// height (bars cover rows 0 to Height of the box) and the counter-clockwise turn in degrees.
struct TSymbolBox {
    int Left = 0;
    int Top = 0;
    int Height = 0;
    double Angle = 0;
};

// The bar height that BarHeight 0 stands for: the extent across the bars inside the frame.
QUILLMARK_RENDER_EXPORT int AutomaticBarHeight(const TFrame& Frame, TOrientation Orientation);

// Places a PatternWidth-pixel symbol; BarHeight 0 fills the height inside the frame. The
// two reversed directions sit one pixel earlier when justified to either end. Raises
// ELimitError (a quillmark::Exception) when a corner of the box would leave the integer
// range.
QUILLMARK_RENDER_EXPORT TSymbolBox PlaceSymbol(const TFrame& Frame, TOrientation Orientation,
                                               int BarHeight, int PatternWidth);

} // namespace quillmark
