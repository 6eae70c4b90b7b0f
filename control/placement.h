// Where a symbol goes inside a framed panel: the box's bounding-box corner, the bar height
// and the turn, from the reading direction, the alignment, the frame and the size.
#pragma once

#include <quillmark/quillmark_widgets_export.h>

#include <quillmark/control_types.h>
#include <quillmark/limit_error.h>
#include <quillmark/symbol_box.h>

namespace quillmark {

// The panel quantities the placement reads.
struct TFrame {
    int Width = 0; // outer size
    int Height = 0;
    int Inset = 0;     // border width plus the bevels
    int Allowance = 0; // both sides of the border style's frame
    TAlignment Alignment = taCenter;
};

// The bar height that BarHeight 0 stands for: the extent across the bars inside the frame.
QUILLMARK_WIDGETS_EXPORT int AutomaticBarHeight(const TFrame& Frame, TOrientation Orientation);

// Places a PatternWidth-pixel symbol; BarHeight 0 fills the height inside the frame. The
// two reversed directions sit one pixel earlier when justified to either end. Raises
// ELimitError (a quillmark::Exception) when a corner of the box would leave the integer
// range.
QUILLMARK_WIDGETS_EXPORT TSymbolBox PlaceSymbol(const TFrame& Frame, TOrientation Orientation,
                                                int BarHeight, int PatternWidth);

} // namespace quillmark
