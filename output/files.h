// A barcode as PNG, SVG, PDF, EPS or ZPL bytes, and as a file written whole or not at all.
#pragma once

#include <quillmark/quillmark_output_export.h>

#include <quillmark/atomic_file.h>
#include <quillmark/description.h>
#include <quillmark/file_formats.h>
#include <quillmark/layout.h>
#include <quillmark/raster_image.h>

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quillmark {

// A format's file name extension, lower case: "png", "svg", "pdf".
QUILLMARK_OUTPUT_EXPORT QString SuffixOf(TFileFormat Format);

// The format a file name's extension asks for, in any letter case; any other extension
// raises Exception naming the file.
QUILLMARK_OUTPUT_EXPORT TFileFormat FileFormatOf(const QString& FileName);

// The layout a format is drawn from: raster for PNG and ZPL, vector for SVG, PDF and EPS.
QUILLMARK_OUTPUT_EXPORT TOutputLayout LayoutFor(const TBarcodeDescription& Description,
                                                TFileFormat Format);

// PNG with its resolution recorded; SVG sized in millimetres with a viewBox; PDF on a page
// of the symbol's size with its quiet zones; EPS as PDF, with its bounding box at the
// symbol's size and its text as outlines; ZPL one thermal printer's label (zpl.h). Each
// serialises the layout its format is drawn from (LayoutFor); the same layout gives the same
// bytes.
QUILLMARK_OUTPUT_EXPORT QByteArray RenderFile(const TOutputLayout& Layout, TFileFormat Format);
QUILLMARK_OUTPUT_EXPORT QByteArray RenderPng(const TOutputLayout& Layout);
// The PNG of Image, the raster picture of Layout (RenderImage).
QUILLMARK_OUTPUT_EXPORT QByteArray EncodePng(const QImage& Image, const TOutputLayout& Layout);
QUILLMARK_OUTPUT_EXPORT QByteArray RenderSvg(const TOutputLayout& Layout);
QUILLMARK_OUTPUT_EXPORT QByteArray RenderPdf(const TOutputLayout& Layout);
QUILLMARK_OUTPUT_EXPORT QByteArray RenderEps(const TOutputLayout& Layout);

// The same from a description, which raises the engine's errors for a refused value.
QUILLMARK_OUTPUT_EXPORT QByteArray RenderFile(const TBarcodeDescription& Description,
                                              TFileFormat Format);
QUILLMARK_OUTPUT_EXPORT QByteArray RenderPng(const TBarcodeDescription& Description);
QUILLMARK_OUTPUT_EXPORT QByteArray RenderSvg(const TBarcodeDescription& Description);
QUILLMARK_OUTPUT_EXPORT QByteArray RenderPdf(const TBarcodeDescription& Description);
QUILLMARK_OUTPUT_EXPORT QByteArray RenderEps(const TBarcodeDescription& Description);

// Renders in the format of FileName's extension and writes it atomically, flushed.
QUILLMARK_OUTPUT_EXPORT void SaveBarcode(const QString& FileName,
                                         const TBarcodeDescription& Description);

} // namespace quillmark
