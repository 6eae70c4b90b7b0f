// What a label shows, as one block: the symbol's whole picture (quiet zones included) with
// the record's lines of text below it, each centred across the block. Millimetres from the
// block's top-left corner.
#pragma once

#include <quillmark/sheet_document.h>

#include <vector>

namespace quillmark {

// Lines of text follow each other at this many times their font's height.
inline constexpr double LabelLineSpacing = 1.2;

struct TBlockLine {
    double Left = 0;
    double Baseline = 0;
};

struct TLabelBlock {
    double Width = 0;
    double Height = 0;
    double SymbolLeft = 0; // the symbol's top is the block's
    std::vector<TBlockLine> Lines;
};

// The block of a symbol SymbolWidth by SymbolHeight and lines of text as MeasureText gives
// them, in the same font.
TLabelBlock ArrangeBlock(double SymbolWidth, double SymbolHeight,
                         const std::vector<TTextExtent>& Lines);

} // namespace quillmark
