#include "digits_editor.h"
#include "gs1_editor.h"

namespace quillmark::studio {

std::unique_ptr<TValueEditor> FittingValueEditor(TBarType Type, QWidget* Parent) {
    if (TakesGs1Elements(Type))
        return std::make_unique<TGs1Editor>(Type, Parent);
    return std::make_unique<TDigitsEditor>(Type, Parent);
}

} // namespace quillmark::studio
