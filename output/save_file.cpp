#include "files.h"
#include "output_job.h"
#include "zpl.h"

#include <QFileInfo>

namespace quillmark {

QString SuffixOf(TFileFormat Format) {
    return QString::fromLatin1(FileFormatRow(Format).Suffix);
}

TFileFormat FileFormatOf(const QString& FileName) {
    const QString suffix = QFileInfo(FileName).suffix().toLower();
    for (const TFileFormatName& format : FileFormats)
        if (suffix == QLatin1String(format.Suffix))
            return format.Format;
    throw Exception(FileName.toStdString() + " : Unknown file type; use " + SuffixesText() + ".");
}

TOutputLayout LayoutFor(const TBarcodeDescription& Description, TFileFormat Format) {
    return IsRasterFormat(Format) ? RasterLayout(Description) : VectorLayout(Description);
}

QByteArray RenderFile(const TOutputLayout& Layout, TFileFormat Format) {
    switch (Format) {
    case TFileFormat::Svg:
        return RenderSvg(Layout);
    case TFileFormat::Pdf:
        return RenderPdf(Layout);
    case TFileFormat::Eps:
        return RenderEps(Layout);
    case TFileFormat::Zpl:
        return RenderZpl(Layout);
    case TFileFormat::Png:
        break;
    }
    return RenderPng(Layout);
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
