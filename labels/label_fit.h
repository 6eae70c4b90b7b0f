// Whether a label's block fits its printable area, and the refusal of one that does not:
// both sizes, and the X-dimension that would fit.
#pragma once

#include "label_align.h"
#include "label_block.h"
#include "label_template.h"
#include "printable_area.h"

#include <quillmark/description.h>
#include <quillmark/layout.h>
#include <quillmark/symbol_value.h>

#include <memory>
#include <optional>
#include <vector>

namespace quillmark {

// The symbol's whole picture, quiet zones included, in millimetres as a page draws it.
double LayoutWidthMM(const TOutputLayout& Layout);
double LayoutHeightMM(const TOutputLayout& Layout);

// The block of Layout with Lines below it, placed in Area; none where it does not fit.
std::optional<TRectMM> PlaceBlock(const TPrintableArea& Area, TLabelAlign Align,
                                  const TOutputLayout& Layout,
                                  const std::vector<TTextExtent>& Lines);

// The refusal of a symbol (Description, drawn as Layout) too large for Sheet's label: its
// size, the label's printable size and the X-dimension that would fit, rounded down to
// 0.001 mm; where that is below what the symbology's standard permits, or no X-dimension
// fits (bars or text too tall), what to change instead.
std::string LabelTooLargeMessage(const TLabelTemplate& Sheet, TLabelAlign Align,
                                 const TBarcodeDescription& Description,
                                 const TOutputLayout& Layout,
                                 const std::vector<TTextExtent>& Lines);

} // namespace quillmark
