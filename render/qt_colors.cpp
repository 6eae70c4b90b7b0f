#include "qt_colors.h"

namespace quillmark {

QColor ToQColor(TColor Color) {
    return QColor(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF);
}

TColor FromQColor(const QColor& Color) {
    return static_cast<TColor>(Color.red() | (Color.green() << 8) | (Color.blue() << 16));
}

} // namespace quillmark
