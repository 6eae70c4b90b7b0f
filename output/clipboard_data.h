// A barcode as clipboard data.
#pragma once

#include <quillmark/quillmark_output_export.h>

#include <quillmark/description.h>
#include <quillmark/output_job.h>

#include <QMimeData>

#include <memory>

namespace quillmark {

// image/png, image/svg+xml, the image itself for programs that paste pictures, and the
// value as plain text.
QUILLMARK_OUTPUT_EXPORT std::unique_ptr<QMimeData>
MakeMimeData(const TBarcodeDescription& Description);
// The same for a symbol whose layouts may already be built.
QUILLMARK_OUTPUT_EXPORT std::unique_ptr<QMimeData> MakeMimeData(TPreparedSymbol& Symbol);
// The same with the symbol's PNG file already written (RunOutputJob's bytes).
QUILLMARK_OUTPUT_EXPORT std::unique_ptr<QMimeData> MakeMimeData(TPreparedSymbol& Symbol,
                                                                const QByteArray& Png);

} // namespace quillmark
