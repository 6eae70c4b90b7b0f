// A barcode as clipboard data.
#pragma once

#include "description.h"

#include <QMimeData>

#include <memory>

namespace quillmark {

// image/png, image/svg+xml, the image itself for programs that paste pictures, and the
// value as plain text.
std::unique_ptr<QMimeData> MakeMimeData(const TBarcodeDescription& Description);

} // namespace quillmark
