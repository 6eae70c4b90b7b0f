// One element string checked against its AI's entry in the GS1 Barcode Syntax Dictionary.
#pragma once

#include "gs1_ai_table.h"

#include <string_view>

namespace quillmark {

// Raises Exception for data of the wrong length or character set, or that breaks a content
// rule of its components: "(01) position 14: check digit should be 1, not 4".
void CheckGS1Element(const TGS1AIEntry& Entry, std::string_view AI, std::string_view Data);

} // namespace quillmark
