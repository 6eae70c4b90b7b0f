// A raster layout as a picture in memory, before any file format.
#pragma once

#include <quillmark/quillmark_layout_export.h>

#include <quillmark/description.h>
#include <quillmark/layout.h>

#include <QImage>

namespace quillmark {

// The raster picture of a raster layout, at the resolution it records.
QUILLMARK_LAYOUT_EXPORT QImage RenderImage(const TOutputLayout& Layout);
QUILLMARK_LAYOUT_EXPORT QImage RenderImage(const TBarcodeDescription& Description);

} // namespace quillmark
