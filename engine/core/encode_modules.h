// The one encoding step that every entry of the engine reaches.
#pragma once

#include "engine.h"

#include <string>

namespace quillmark {

// The catalogue row, or none for a type beyond it: such a type is refused only after the
// ratio is clamped and the widths are set, so those happen first for every type.
const TBCdata* CatalogueRow(TBarType Type);

// Clamps Ratio for the symbologies whose standards bound the wide-to-narrow ratio. Each
// bound is tested by itself, lower first; a NaN fails the lower test and so becomes it.
void ClampRatio(const TBCdata* Row, double& Ratio);

// Checks Value and runs its symbology's encoder, which writes Pattern and may replace Text.
// Raises the engine's error for a value or type it refuses.
void EncodeModules(TBarType Type, const std::string& Value, TCheckSum CheckSum, std::string& Text,
                   std::string& Pattern);

} // namespace quillmark
