#pragma once

#include <string_view>

namespace quillmark::labels {

struct PathBounds {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The bounding box of a label outline written as an SVG path of straight lines (M, L, H, V,
// Z and their relative forms), in the path's own units. Curves are refused: no carried
// template draws one.
PathBounds pathBounds(std::string_view path);

} // namespace quillmark::labels
