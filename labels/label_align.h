// Where a label's block (its symbol and text lines) sits inside the label's printable area.
#pragma once

#include <array>
#include <string_view>

namespace quillmark {

enum class TLabelAlign {
    Centre,
    Top,
    Bottom,
    Left,
    Right,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight
};

// The names the command line and the window give them, in TLabelAlign's order.
inline constexpr std::array<std::string_view, 9> LabelAlignNames = {
    "center",   "top",       "bottom",      "left",        "right",
    "top-left", "top-right", "bottom-left", "bottom-right"};

// The alignment Name names (LabelAlignNames, any letter case); raises Exception listing them.
TLabelAlign LabelAlignFromName(std::string_view Name);

// Which way an alignment pushes the block from the middle of the area: -1 towards the left
// or top, +1 towards the right or bottom, 0 centred on that axis.
struct TAlignPush {
    int X = 0;
    int Y = 0;
};
TAlignPush AlignPush(TLabelAlign Align);

} // namespace quillmark
