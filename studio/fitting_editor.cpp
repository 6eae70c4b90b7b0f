#include "value_editor.h"

namespace quillmark::studio {

std::unique_ptr<TValueEditor> FittingValueEditor(TBarType /*Type*/, QWidget* /*Parent*/) {
    return nullptr;
}

} // namespace quillmark::studio
