// The element widths that MakeModules sets and DecodeModule reads.
#pragma once

#include "engine.h"

namespace quillmark {

// Sets the calling thread's element widths from Modul and an already clamped Ratio.
// Raises Exception when a width would be zero, negative or beyond MaxElementWidth.
void SetElementWidths(int Modul, double Ratio);

// Wide enough for any Modul the control takes at any ratio it clamps, small enough that
// the double-wide class and long patterns stay far from integer overflow.
inline constexpr int MaxElementWidth = 1 << 20;

// Modul x Ratio is exact in extended precision (64-bit mantissa) only while Modul fits in
// 11 bits; beyond that a tie could be rounded the wrong way.
inline constexpr int MaxModul = 2048;

} // namespace quillmark
