#include "label_template.h"

namespace quillmark {

std::vector<TLabelCell> Cells(const TLabelTemplate& sheet) {
    std::vector<TLabelCell> out;
    for (const TLabelLayout& layout : sheet.Layouts) {
        for (int row = 0; row < layout.Ny; ++row) {
            for (int column = 0; column < layout.Nx; ++column) {
                out.push_back({layout.X0 + column * layout.Dx, layout.Y0 + row * layout.Dy,
                               sheet.Width, sheet.Height});
            }
        }
    }
    return out;
}

} // namespace quillmark
