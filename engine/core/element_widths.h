// The element widths that MakeModules sets and DecodeModule reads.
#pragma once

#include "engine.h"

#include <string>

namespace quillmark {

// Sets the calling thread's element widths from Modul and an already clamped Ratio.
// Raises Exception when a width would be zero, negative or beyond MaxElementWidth.
void SetElementWidths(int Modul, double Ratio);

// The drawn length of Pattern in pixels, as the sum of DecodeModule's widths. Raises
// "Internal Error." for a character outside the alphabet and "<Value> : Barcode too long to
// draw." when the sum leaves int, whichever the character-by-character walk meets first.
int MeasurePattern(const std::string& Pattern, const ElementWidths& Widths,
                   const std::string& Value);

// Wide enough for any Modul the control takes at any ratio it clamps, small enough that
// the double-wide class and long patterns stay far from integer overflow.
inline constexpr int MaxElementWidth = 1 << 20;

// Modul x Ratio is exact in extended precision (64-bit mantissa) only while Modul fits in
// 11 bits; beyond that a tie could be rounded the wrong way.
inline constexpr int MaxModul = 2048;

} // namespace quillmark
