// The decodability of a symbol as drawn (ISO/IEC 15416): how far its element widths stand
// from the thresholds a reference decoder divides them by, 1 for widths exactly on their
// design and 0 at a threshold. It says nothing of a print: contrast, modulation, defects
// and the print's gain need a real one.
#pragma once

#include <quillmark/quillmark_layout_export.h>

#include <quillmark/engine.h>

#include <optional>
#include <vector>

namespace quillmark {

// Elements are the widths of the symbol's bars and spaces in order, a bar first, in any
// unit. For the (n, k) symbologies (Code 128, GS1-128, Code 93, EAN/UPC) each character's
// edge-to-similar-edge distances against the thresholds (j + 1/2) p / n; for the two-width
// ones the widest narrow and narrowest wide element against the threshold halfway between
// the mean narrow and mean wide width, over the whole symbol. The lowest over the
// characters; none for PostNet, whose bars differ in height.
QUILLMARK_LAYOUT_EXPORT std::optional<double> Decodability(TBarType Type,
                                                           const std::vector<double>& Elements);

// The same for an encoded symbol, its neighbouring elements of one kind merged.
QUILLMARK_LAYOUT_EXPORT std::optional<double> Decodability(TBarType Type, const TSymbol& Symbol);
// The same after every bar spread by Spread units (in the symbol's) and every space as much
// narrower; a negative Spread narrows the bars, as a bar width reduction draws them.
QUILLMARK_LAYOUT_EXPORT std::optional<double> Decodability(TBarType Type, const TSymbol& Symbol,
                                                           double Spread);

// ISO/IEC 15416's grade of a decodability: A from 0.62, B from 0.50, C from 0.37, D from
// 0.25, else F.
QUILLMARK_LAYOUT_EXPORT char DecodabilityGrade(double Value);

} // namespace quillmark
