// A raster layout as a picture in memory, before any file format.
#pragma once

#include <quillmark/quillmark_layout_export.h>

#include <quillmark/description.h>
#include <quillmark/layout.h>

#include <QImage>

namespace quillmark {

// The pixel of a transparent picture's background: the space colour at alpha 0.
QUILLMARK_LAYOUT_EXPORT QRgb ClearPixel(TColor Space);

// The raster picture of a raster layout, at the resolution it records: 32-bit RGB, or
// ARGB with the background ClearPixel where the layout is transparent.
QUILLMARK_LAYOUT_EXPORT QImage RenderImage(const TOutputLayout& Layout);
QUILLMARK_LAYOUT_EXPORT QImage RenderImage(const TBarcodeDescription& Description);

} // namespace quillmark
