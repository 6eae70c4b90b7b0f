#include "files.h"
#include "output_job.h"

#include <QFileInfo>

namespace quillmark {

QString SuffixOf(TFileFormat Format) {
    switch (Format) {
    case TFileFormat::Svg:
        return QStringLiteral("svg");
    case TFileFormat::Pdf:
        return QStringLiteral("pdf");
    case TFileFormat::Png:
        break;
    }
    return QStringLiteral("png");
}

TFileFormat FileFormatOf(const QString& FileName) {
    const QString suffix = QFileInfo(FileName).suffix().toLower();
    for (const TFileFormat format : {TFileFormat::Png, TFileFormat::Svg, TFileFormat::Pdf})
        if (suffix == SuffixOf(format))
            return format;
    throw Exception(
        (FileName + QStringLiteral(" : Unknown file type; use .png, .svg or .pdf.")).toStdString());
}

TOutputLayout LayoutFor(const TBarcodeDescription& Description, TFileFormat Format) {
    return Format == TFileFormat::Png ? RasterLayout(Description) : VectorLayout(Description);
}

QByteArray RenderFile(const TOutputLayout& Layout, TFileFormat Format) {
    switch (Format) {
    case TFileFormat::Svg:
        return RenderSvg(Layout);
    case TFileFormat::Pdf:
        return RenderPdf(Layout);
    default:
        return RenderPng(Layout);
    }
}

QByteArray RenderFile(const TBarcodeDescription& Description, TFileFormat Format) {
    return RenderFile(LayoutFor(Description, Format), Format);
}

void SaveBarcode(const QString& FileName, const TBarcodeDescription& Description) {
    TOutputJob job;
    job.Description = Description;
    job.CheckDigits = CheckDigitsOf(Description.Barcode.CheckSum);
    job.Format = FileFormatOf(FileName);
    RunOutputJob(job, Description.Barcode.BarCode, FileSink(FileName, TDurability::Flush));
}

} // namespace quillmark
