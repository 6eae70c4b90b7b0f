// ITF-14's bearer bars as a drawing places them: a frame round the bars and their quiet
// zones, or a bar above and one below them, reaching across the quiet zones; the bars touch
// them top and bottom. The renderer, the standard look and the files draw the same ones.
#pragma once

#include <quillmark/quillmark_render_export.h>

#include <quillmark/barcode_settings.h>
#include <quillmark/renderer.h>
#include <quillmark/symbol_box.h>

#include <optional>
#include <vector>

namespace quillmark {

// Bearer bars in drawing units.
struct TBearerBars {
    int Thickness = 0; // each bar, across its length
    int Zone = 0;      // the light margin between the bars and a side of the frame
    bool Sides = false;
    // How far they reach past the bars along the symbol, at each end.
    int Reach() const { return Zone + (Sides ? Thickness : 0); }
};

// The bearer bars of Look at Modul units a module with Zone units of quiet zone each side
// (none: ITF-14's 10X): none but for ITF-14, or where Look asks for none. Raises Exception, naming
// the thickness to give, for one outside ITF14Facts.BearerMinModules to ITF14BearerMostModules.
QUILLMARK_RENDER_EXPORT std::optional<TBearerBars> BearerBarsOf(const TSymbolLook& Look, int Modul,
                                                                std::optional<int> Zone = {});

// Rows FirstRow to FirstRow + Height of Box as a box of their own, the same columns at the
// same turn. Box must be a quarter turn.
QUILLMARK_RENDER_EXPORT TSymbolBox RowsOfBox(const TSymbolBox& Box, int FirstRow, int Height);

// The box of the bars inside bearers whose box is Outer (top and bottom bearers included:
// the bars cover the rows between them). Outer must be a quarter turn.
QUILLMARK_RENDER_EXPORT TSymbolBox BarsInside(const TBearerBars& Bearers, const TSymbolBox& Outer);

// The bearers' fills for bars Width columns wide in Outer: the quiet zones inside a frame in
// the space colour, then the bearers. Outer must be a quarter turn; raises Exception for
// fills beyond int.
QUILLMARK_RENDER_EXPORT std::vector<TBarFill> BearerFills(const TBearerBars& Bearers,
                                                          const TSymbolBox& Outer, int Width);

} // namespace quillmark
