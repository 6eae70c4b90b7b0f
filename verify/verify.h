// A drawn symbol read back and compared with what it carries (the symbol value's Carried).
#pragma once

#include <quillmark/quillmark_verify_export.h>

#include <quillmark/read_symbol.h>
#include <quillmark/symbol_value.h>

#include <string>

namespace quillmark {

enum class TVerified { Matches, ScansUncompared };

// Reads Image, which holds the symbol of Symbol, and compares the bytes it reads with the
// ones the symbol carries, and for GS1-128, ITF-14, GS1 DataBar, the book numbers and the
// two-dimensional types its symbology identifier (]C1, ]I1, ]e0, ]E0, ]d1, ]d2, ]Q1) too. Upright:
// the bars stand vertically, as in a symbol read from left to right or right to left (grids read in
// any turn). Raises Exception (a Latin-1 message quoting the value) when no symbol of its symbology
// is found or it reads differently, and the value's refusal for a grid never made; ScansUncompared
// when the symbol holds function characters whose reading depends on the reader.
QUILLMARK_VERIFY_EXPORT TVerified VerifySymbol(const TGreyImage& Image, const TSymbolValue& Symbol,
                                               bool Upright);

// The same for a row of bars of Type made from Value under CheckSum.
QUILLMARK_VERIFY_EXPORT TVerified VerifySymbol(const TGreyImage& Image, TBarType Type,
                                               const std::string& Value, TCheckSum CheckSum,
                                               bool Upright);

} // namespace quillmark
