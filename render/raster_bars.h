// Bar rectangles written straight into the pixels of a QImage, where the painter's
// fills would put exactly the same pixels there: a whole-pixel translation, opaque colours,
// no clip, no blending. Everything else goes through the painter.
#pragma once

#include "renderer.h"

#include <QColor>

#include <vector>

class QPainter;

namespace quillmark {

// Fills each rectangle (painter coordinates, edges included) in turn, in Bar or Space, and
// returns true; or returns false, having touched nothing, when the painter's device or
// state needs the painter itself.
bool WriteFillsToImage(QPainter& Canvas, const std::vector<TBarFill>& Fills, QRgb Bar, QRgb Space);

} // namespace quillmark
