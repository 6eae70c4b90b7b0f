#include "label_block.h"

#include <algorithm>

namespace quillmark {

TLabelBlock ArrangeBlock(double SymbolWidth, double SymbolHeight,
                         const std::vector<TTextExtent>& Lines) {
    TLabelBlock Block;
    Block.Width = SymbolWidth;
    for (const TTextExtent& Line : Lines)
        Block.Width = std::max(Block.Width, Line.Width);
    Block.SymbolLeft = (Block.Width - SymbolWidth) / 2;
    double Top = SymbolHeight;
    for (const TTextExtent& Line : Lines) {
        // Each line takes its spacing, the font's height centred in it.
        const double Height = Line.Ascent + Line.Descent;
        const double Pitch = LabelLineSpacing * Height;
        Block.Lines.push_back(
            {(Block.Width - Line.Width) / 2, Top + (Pitch - Height) / 2 + Line.Ascent});
        Top += Pitch;
    }
    Block.Height = Top;
    return Block;
}

} // namespace quillmark
