#include "files.h"

#include <QFileInfo>
#include <QSaveFile>

namespace quillmark {

namespace {

[[noreturn]] void Fail(const QString& FileName, const QString& Reason) {
    throw Exception((FileName + QStringLiteral(" : ") + Reason).toStdString());
}

} // namespace

TFileFormat FileFormatOf(const QString& FileName) {
    const QString suffix = QFileInfo(FileName).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return TFileFormat::Png;
    if (suffix == QLatin1String("svg"))
        return TFileFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return TFileFormat::Pdf;
    Fail(FileName, QStringLiteral("Unknown file type; use .png, .svg or .pdf."));
}

QByteArray RenderFile(const TBarcodeDescription& Description, TFileFormat Format) {
    switch (Format) {
    case TFileFormat::Svg:
        return RenderSvg(Description);
    case TFileFormat::Pdf:
        return RenderPdf(Description);
    default:
        return RenderPng(Description);
    }
}

void WriteFileAtomically(const QString& FileName, const QByteArray& Bytes) {
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly))
        Fail(FileName, file.errorString());
    if (file.write(Bytes) != Bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        Fail(FileName, reason);
    }
    if (!file.commit())
        Fail(FileName, file.errorString());
}

void SaveBarcode(const QString& FileName, const TBarcodeDescription& Description) {
    const TFileFormat format = FileFormatOf(FileName);
    WriteFileAtomically(FileName, RenderFile(Description, format));
}

} // namespace quillmark
