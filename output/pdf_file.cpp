#include "files.h"
#include "layout.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>
#include <cstdio>

namespace quillmark {

namespace {

constexpr double PointsPerMM = 72.0 / 25.4;
constexpr int PdfResolution = 1200;

std::string Number(double Value, int Decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", Decimals, Value);
    return text;
}

// Qt sizes PDF pages in whole points, up to 0.35 mm away from the symbol. The page is made
// whole points larger than the symbol, with the symbol at its top left, and then its media
// box is narrowed in place to the symbol's exact size: "[0 0 W0 H0]" becomes "[0 y W H0]"
// with y = H0 - H, padded to the same length so every byte offset in the file still holds.
// If the writer's output ever differs from what is expected, the whole-point page stays.
void NarrowMediaBox(QByteArray& Pdf, int WholeWidth, int WholeHeight, double Width, double Height) {
    const std::string from =
        "/MediaBox [0 0 " + Number(WholeWidth, 6) + " " + Number(WholeHeight, 6) + "]";
    const qsizetype at = Pdf.indexOf(from.c_str());
    if (at < 0 || Pdf.indexOf(from.c_str(), at + 1) >= 0)
        return;
    std::string to = "/MediaBox [0 " + Number(WholeHeight - Height, 4) + " " + Number(Width, 4) +
                     " " + std::to_string(WholeHeight);
    if (to.size() + 1 > from.size())
        return;
    to.append(from.size() - 1 - to.size(), ' ');
    to += ']';
    Pdf.replace(at, static_cast<qsizetype>(from.size()), to.c_str());
}

} // namespace

QByteArray RenderPdf(const TBarcodeDescription& Description) {
    const TOutputLayout layout = VectorLayout(Description);
    const double width = layout.Size.width() / layout.UnitsPerMM * PointsPerMM;
    const double height = layout.Size.height() / layout.UnitsPerMM * PointsPerMM;
    const int wholeWidth = static_cast<int>(std::ceil(width));
    const int wholeHeight = static_cast<int>(std::ceil(height));

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        writer.setPageSize(QPageSize(QSize(wholeWidth, wholeHeight), QPageSize::Point, QString(),
                                     QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setCreator(QStringLiteral("Quillmark"));
        writer.setTitle(QString::fromLatin1(BarTypeName(Description.Barcode.BarType).c_str()));
        QPainter painter(&writer);
        const double devicePerUnit = PdfResolution / 25.4 / layout.UnitsPerMM;
        painter.scale(devicePerUnit, devicePerUnit);
        PaintLayout(painter, Description, layout);
    }
    NarrowMediaBox(bytes, wholeWidth, wholeHeight, width, height);
    return bytes;
}

} // namespace quillmark
