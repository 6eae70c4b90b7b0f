// A barcode as clipboard data.
#pragma once

#include "quillmark_output_export.h"

#include "description.h"

#include <QMimeData>

#include <memory>

namespace quillmark {

// image/png, image/svg+xml, the image itself for programs that paste pictures, and the
// value as plain text.
QUILLMARK_OUTPUT_EXPORT std::unique_ptr<QMimeData>
MakeMimeData(const TBarcodeDescription& Description);

} // namespace quillmark
