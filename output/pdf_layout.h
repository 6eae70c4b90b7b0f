// A layout drawn on a PDF page as its own file shows it: the whole picture in the space
// colour, the fills, then the text in PaintLayout's order, in the layout's units. One
// drawing for a symbol's own PDF and for a symbol placed on a sheet, so that both match.
#pragma once

#include "pdf_page.h"
#include <quillmark/layout.h>

namespace quillmark::pdf {

void DrawLayout(TPage& Page, const TOutputLayout& Layout);

} // namespace quillmark::pdf
