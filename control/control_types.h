// Plain value types of the barcode widget: the drawn symbol's, and its panel's.
#pragma once

#include <quillmark/symbol_types.h>

#include <cstdint>

namespace quillmark {

// The panel quantities that the barcode's placement reads.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
inline constexpr int AlignmentCount = 3;

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
inline constexpr int BevelCutCount = 4;

enum TBorderStyle : std::uint8_t { bsNone, bsSingle };
inline constexpr int BorderStyleCount = 2;

} // namespace quillmark
