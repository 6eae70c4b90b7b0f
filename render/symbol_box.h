// Where a symbol's bars go on a canvas.
#pragma once

namespace quillmark {

// A symbol's box on the canvas: the top-left corner of its turned bounding box, the bar
// height (bars cover rows 0 to Height of the box) and the counter-clockwise turn in degrees.
struct TSymbolBox {
    int Left = 0;
    int Top = 0;
    int Height = 0;
    double Angle = 0;
};

} // namespace quillmark
