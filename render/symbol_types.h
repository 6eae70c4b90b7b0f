// Plain value types of a drawn symbol: its colours, reading direction and text settings.
#pragma once

#include <cstdint>

namespace quillmark {

// A colour as a signed 32-bit value: red in the lowest byte, then green, then blue.
using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;

// Each enumeration's count is its last value's ordinal and one: a new value goes last, so
// that stored ordinals stay.
enum TOrientation : std::uint8_t { toLeftRight, toRightLeft, toTopBottom, toBottomTop };
inline constexpr int OrientationCount = toBottomTop + 1;

enum TTextShow : std::uint8_t { tsNone, tsBarCode, tsBarType, tsBoth };
inline constexpr int TextShowCount = tsBoth + 1;

enum TTextPosition : std::uint8_t {
    tpTopLeft,
    tpTopRight,
    tpTopCenter,
    tpBottomLeft,
    tpBottomRight,
    tpBottomCenter,
};
inline constexpr int TextPositionCount = tpBottomCenter + 1;

// Where the text stands: in a box over the bottom (or top) of the bars, as the widget has
// always drawn it, or as the symbology's standard prints it, clear of the bars.
enum TTextLayout : std::uint8_t { tlOverBars, tlStandard };
inline constexpr int TextLayoutCount = tlStandard + 1;

} // namespace quillmark
