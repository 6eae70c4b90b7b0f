#include "label_template.h"

namespace quillmark::labels {

std::vector<LabelCell> cells(const LabelTemplate& sheet) {
    std::vector<LabelCell> out;
    for (const LabelLayout& layout : sheet.layouts) {
        for (int row = 0; row < layout.ny; ++row) {
            for (int column = 0; column < layout.nx; ++column) {
                out.push_back({layout.x0 + column * layout.dx, layout.y0 + row * layout.dy,
                               sheet.width, sheet.height});
            }
        }
    }
    return out;
}

} // namespace quillmark::labels
