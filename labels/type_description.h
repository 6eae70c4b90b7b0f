// A run's settings for a symbol of a type other than the run's own, as a table's type column
// gives one: what the person chose stays, what they left to the type takes that type's.
#pragma once

#include <quillmark/description.h>

namespace quillmark {

struct TRunDescription {
    TBarcodeDescription Description; // the run's settings
    // The text shown was chosen for the run; otherwise each type shows its own.
    bool TextChosen = false;
};

// Run's description for a symbol of Type: the type set, and the text the type shows by default
// (DefaultTextShow: none beside a two-dimensional symbol) unless the run chose one.
TBarcodeDescription DescriptionForType(const TRunDescription& Run, TBarType Type);

} // namespace quillmark
