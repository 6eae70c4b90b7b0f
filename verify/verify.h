// A drawn symbol read back and compared with what it carries (the engine's Carried).
#pragma once

#include <quillmark/quillmark_verify_export.h>

#include <quillmark/read_symbol.h>

#include <string>

namespace quillmark {

enum class TVerified { Matches, ScansUncompared };

// Reads Image, which holds a symbol of Type made from Value under CheckSum, and compares
// what it reads with what the symbol carries. Upright: the bars stand vertically, as in a
// symbol read from left to right or right to left. Raises Exception (a Latin-1 message
// quoting the value) when no symbol of its symbology is found or it reads differently;
// ScansUncompared when the symbol holds function characters whose reading depends on the
// reader.
QUILLMARK_VERIFY_EXPORT TVerified VerifySymbol(const TGreyImage& Image, TBarType Type,
                                               const std::string& Value, TCheckSum CheckSum,
                                               bool Upright);

} // namespace quillmark
