// A barcode printed at its true size.
#pragma once

#include <quillmark/quillmark_output_export.h>

#include <quillmark/description.h>
#include <quillmark/layout.h>

class QPagedPaintDevice;

namespace quillmark {

// Draws the symbol with its quiet zones at the top left of the page's printable area, at
// its physical size; works on a QPrinter and on a QPdfWriter alike. Raises Exception when
// it doesn't fit the page or the device can't be painted on.
QUILLMARK_OUTPUT_EXPORT void PrintBarcode(QPagedPaintDevice& Device,
                                          const TBarcodeDescription& Description);
// The same for a vector layout already built.
QUILLMARK_OUTPUT_EXPORT void PrintBarcode(QPagedPaintDevice& Device, const TOutputLayout& Layout);

} // namespace quillmark
