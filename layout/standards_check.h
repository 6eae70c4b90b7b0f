// What keeps a symbol from meeting its symbology's standard, so that users hear of it
// before a scanner refuses the label.
#pragma once

#include <quillmark/quillmark_layout_export.h>

#include <quillmark/description.h>
#include <quillmark/ean_upc.h>
#include <quillmark/layout.h>

#include <string>
#include <vector>

namespace quillmark {

// One plain sentence per finding, empty when the symbol as Layout draws it meets the
// standard as far as this can tell: missing or wrong EAN/UPC and PostNet check digits,
// characters the symbology replaces or drops, proportions outside the standard, and a
// length beyond the standard's limit. Layout is the description's, as a file draws it.
QUILLMARK_LAYOUT_EXPORT std::vector<std::string>
CheckStandard(const TBarcodeDescription& Description, const TOutputLayout& Layout);

// The same for the description's vector layout. Raises the engine's error for a value it
// refuses.
QUILLMARK_LAYOUT_EXPORT std::vector<std::string>
CheckStandard(const TBarcodeDescription& Description);

} // namespace quillmark
