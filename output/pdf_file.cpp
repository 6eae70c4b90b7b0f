#include "decimal_text.h"
#include "files.h"
#include "layout.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace quillmark {

namespace {

constexpr double PointsPerMM = 72.0 / 25.4;
constexpr int PdfResolution = 1200;

// Qt sizes PDF pages in whole points, up to 0.35 mm away from the symbol. The page is made
// whole points larger than the symbol, with the symbol at its top left, and then its media
// box is narrowed in place to the symbol's exact size: "[0 0 W0 H0]" becomes "[0 y W H0]"
// with y = H0 - H, padded to the same length so every byte offset in the file still holds.
// If the writer's output ever differs from what is expected, the whole-point page stays.
void NarrowMediaBox(QByteArray& Pdf, int WholeWidth, int WholeHeight, double Width, double Height) {
    const std::string from =
        "/MediaBox [0 0 " + DecimalText(WholeWidth, 6) + " " + DecimalText(WholeHeight, 6) + "]";
    const qsizetype at = Pdf.indexOf(from.c_str());
    if (at < 0 || Pdf.indexOf(from.c_str(), at + 1) >= 0)
        return;
    std::string to = "/MediaBox [0 " + DecimalText(WholeHeight - Height, 4) + " " +
                     DecimalText(Width, 4) + " " + std::to_string(WholeHeight);
    if (to.size() + 1 > from.size())
        return;
    to.append(from.size() - 1 - to.size(), ' ');
    to += ']';
    Pdf.replace(at, static_cast<qsizetype>(from.size()), to.c_str());
}

// Qt stamps a creation date on every PDF; it is blanked in place with spaces of the same
// length, keeping every byte offset, so that a description always gives the same bytes.
void BlankCreationDate(QByteArray& Pdf) {
    const qsizetype key = Pdf.indexOf("/CreationDate (D:");
    if (key < 0)
        return;
    const qsizetype close = Pdf.indexOf(')', key);
    const qsizetype lineEnd = Pdf.indexOf('\n', key);
    if (close < 0 || (lineEnd >= 0 && lineEnd < close))
        return;
    Pdf.replace(key, close + 1 - key, QByteArray(close + 1 - key, ' '));
}

} // namespace

QByteArray RenderPdf(const TOutputLayout& Layout) {
    const double width = Layout.Size.width() / Layout.UnitsPerMM * PointsPerMM;
    const double height = Layout.Size.height() / Layout.UnitsPerMM * PointsPerMM;
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
        writer.setTitle(QString::fromLatin1(BarTypeName(Layout.Type).c_str()));
        QPainter painter(&writer);
        const double devicePerUnit = PdfResolution / 25.4 / Layout.UnitsPerMM;
        painter.scale(devicePerUnit, devicePerUnit);
        PaintLayout(painter, Layout);
    }
    NarrowMediaBox(bytes, wholeWidth, wholeHeight, width, height);
    BlankCreationDate(bytes);
    return bytes;
}

QByteArray RenderPdf(const TBarcodeDescription& Description) {
    return RenderPdf(VectorLayout(Description));
}

} // namespace quillmark
