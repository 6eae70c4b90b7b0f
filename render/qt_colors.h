// TColor (red in the low byte) to QColor and back.
#pragma once

#include <quillmark/quillmark_render_export.h>

#include <quillmark/symbol_types.h>

#include <QColor>

namespace quillmark {

QUILLMARK_RENDER_EXPORT QColor ToQColor(TColor Color);
QUILLMARK_RENDER_EXPORT TColor FromQColor(const QColor& Color);

} // namespace quillmark
