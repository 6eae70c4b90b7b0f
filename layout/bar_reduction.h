// Bar width reduction: each bar of the code drawn narrower, centred on where it stood, and
// each space as much wider, the symbol's length unchanged, so that ink or toner spreading
// on the press brings the bars back to their design widths.
#pragma once

#include <quillmark/quillmark_layout_export.h>

#include <quillmark/description.h>
#include <quillmark/layout.h>

#include <vector>

namespace quillmark {

// The reduction Description asks for in millimetres (its dots at Dpi converted); 0 for none.
QUILLMARK_LAYOUT_EXPORT double AskedReductionMM(const TBarcodeDescription& Description);

// The reduction in a layout's units: whole pixels at Dpi for a raster (millimetres rounded
// to the nearest dot, halves away from zero), exact for a vector layout. 0 for none. Raises
// Exception for a two-dimensional symbol, for a negative reduction, and for millimetres that
// round to no dot.
QUILLMARK_LAYOUT_EXPORT double ReductionUnits(const TBarcodeDescription& Description,
                                              double UnitsPerMM, bool Vector);

// Narrows the bar fills among the first Count of Fills, the code's, by the reduction Description
// asks for along the symbol's length (Horizontal: along x): half off the leading edge and half off
// the trailing one, in whole units, the odd one off the trailing edge; records the reduction, the
// fills and what whole units leave of each edge's share in Layout. Raises Exception naming the
// largest reduction the narrowest bar allows where a bar would vanish.
void ReduceBars(TOutputLayout& Layout, std::vector<TBarFill>& Fills, std::size_t Count,
                bool Horizontal, const TBarcodeDescription& Description);

} // namespace quillmark
