// Plain value types of the barcode widget, shared by the widget and its renderer.
#pragma once

#include <cstdint>

namespace quillmark {

// A colour as a signed 32-bit value: red in the lowest byte, then green, then blue.
using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;

enum TOrientation : std::uint8_t { toLeftRight, toRightLeft, toTopBottom, toBottomTop };
inline constexpr int OrientationCount = 4;

enum TTextShow : std::uint8_t { tsNone, tsBarCode, tsBarType, tsBoth };
inline constexpr int TextShowCount = 4;

enum TTextPosition : std::uint8_t {
    tpTopLeft,
    tpTopRight,
    tpTopCenter,
    tpBottomLeft,
    tpBottomRight,
    tpBottomCenter,
};
inline constexpr int TextPositionCount = 6;

// The panel quantities that the barcode's placement reads.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
inline constexpr int AlignmentCount = 3;

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
inline constexpr int BevelCutCount = 4;

enum TBorderStyle : std::uint8_t { bsNone, bsSingle };
inline constexpr int BorderStyleCount = 2;

} // namespace quillmark
