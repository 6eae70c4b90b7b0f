// What keeps a symbol from meeting its symbology's standard, so that users hear of it
// before a scanner refuses the label.
#pragma once

#include "quillmark_output_export.h"

#include "description.h"

#include <string>
#include <vector>

namespace quillmark {

// One plain sentence per finding, empty when the symbol as the output draws it meets the
// standard as far as this can tell: missing or wrong EAN/UPC and PostNet check digits,
// characters the symbology replaces or drops, proportions outside the standard, and a
// length beyond the standard's limit. Raises the engine's error for a value it refuses.
QUILLMARK_OUTPUT_EXPORT std::vector<std::string>
CheckStandard(const TBarcodeDescription& Description);

// The digits an EAN-8, EAN-13, UPC-A or UPC-E encoder draws for Value, check digit last
// (UPC-E without its number system), rebuilt from the encoders' rules; empty for other
// types.
QUILLMARK_OUTPUT_EXPORT std::string DrawnEANUPCDigits(TBarType Type, const std::string& Value,
                                                      TCheckSum CheckSum);

// The UPC-A form of a UPC-E symbol's six digits under NumberSystem ('0' or '1'), whose
// check digit the standard gives the UPC-E symbol.
QUILLMARK_OUTPUT_EXPORT std::string ExpandUPCE(const std::string& Six, char NumberSystem);

} // namespace quillmark
