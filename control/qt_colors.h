// TColor (red in the low byte) to QColor and back.
#pragma once

#include "control_types.h"

#include <QColor>

namespace quillmark {

QColor ToQColor(TColor Color);
TColor FromQColor(const QColor& Color);

} // namespace quillmark
