// --checksum auto: the GS1 check digit that users of barcode tools expect on EAN and UPC.
#pragma once

#include "engine.h"

#include <string>

namespace quillmark::cli {

enum class TCheckDigits { Auto, None, Mod10 };

// The engine's mode for a --checksum choice: auto does its work before the engine, which
// then adds nothing.
TCheckSum EngineCheckSum(TCheckDigits Mode);

// The value the engine gets under auto. EAN-13, UPC-A and EAN-8 values one digit short of
// full length get their check digit appended; full-length ones have it verified. UPC-E
// (no number-system digit, which the symbology fixes): 6 digits get the check digit of
// their UPC-A expansion; 7 digits are verified when the first differs from the number
// system, and are otherwise ambiguous (the number system and 6 digits, or 6 digits and a
// check digit) and left to the engine; 8 digits are the number system, 6 digits and the
// check digit, verified, and given to the engine without the number system. Everything
// else passes unchanged. Raises Exception naming the right digit for a wrong one.
std::string WithAutoCheckDigit(TBarType Type, const std::string& Value);

} // namespace quillmark::cli
