#pragma once

#include <string_view>

namespace quillmark {

struct TPathBounds {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

// The bounding box of a label outline written as an SVG path of straight lines (M, L, H, V,
// Z and their relative forms), in the path's own units. Curves are refused: no carried
// template draws one.
TPathBounds PathBounds(std::string_view path);

} // namespace quillmark
