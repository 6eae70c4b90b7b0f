// A barcode as PNG, SVG or PDF bytes, and as a file written whole or not at all.
#pragma once

#include "quillmark_output_export.h"

#include "description.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quillmark {

enum class TFileFormat { Png, Svg, Pdf };

// The format a file name's extension asks for, in any letter case; any other extension
// raises Exception naming the file.
QUILLMARK_OUTPUT_EXPORT TFileFormat FileFormatOf(const QString& FileName);

// The raster picture at the description's resolution, which it records.
QUILLMARK_OUTPUT_EXPORT QImage RenderImage(const TBarcodeDescription& Description);

// PNG with its resolution recorded; SVG sized in millimetres with a viewBox; PDF on a page
// of the symbol's size with its quiet zones. The same description gives the same bytes. Raises the
// engine's errors for a refused value.
QUILLMARK_OUTPUT_EXPORT QByteArray RenderFile(const TBarcodeDescription& Description,
                                              TFileFormat Format);
QUILLMARK_OUTPUT_EXPORT QByteArray RenderPng(const TBarcodeDescription& Description);
QUILLMARK_OUTPUT_EXPORT QByteArray RenderSvg(const TBarcodeDescription& Description);
QUILLMARK_OUTPUT_EXPORT QByteArray RenderPdf(const TBarcodeDescription& Description);

// Writes Bytes to a temporary file beside FileName, then renames it over FileName, so a
// failed write leaves neither a truncated file nor a changed one. Raises Exception with the
// file's name and the reason.
QUILLMARK_OUTPUT_EXPORT void WriteFileAtomically(const QString& FileName, const QByteArray& Bytes);

// Renders in the format of FileName's extension and writes it atomically.
QUILLMARK_OUTPUT_EXPORT void SaveBarcode(const QString& FileName,
                                         const TBarcodeDescription& Description);

} // namespace quillmark
