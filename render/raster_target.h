// The image behind a painter, when writing its pixels directly gives exactly what the
// painter's own fills would: a format whose rows can be written (raster_rows.h), a raster
// engine on the image itself, a whole-pixel translation, no clip, full opacity, and a mode
// that puts opaque colours down as they are.
#pragma once

#include <optional>

class QImage;
class QPainter;

namespace quillmark {

// The image and the whole-pixel offset from the painter's coordinates to its pixels.
struct TRasterTarget {
    QImage* Image = nullptr;
    long long Dx = 0;
    long long Dy = 0;
};

std::optional<TRasterTarget> RasterTargetOf(QPainter& Canvas);

} // namespace quillmark
