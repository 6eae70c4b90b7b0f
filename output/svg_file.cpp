#include "files.h"
#include "layout.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>

namespace quillmark {

namespace {

// Units of the SVG: micrometres, so that its width and height in millimetres are exact to
// a thousandth.
constexpr int MicrometresPerInch = 25400;

// Control characters may stand in a value, yet XML 1.0 allows none but tab, line feed and
// carriage return, and the generator writes text as it stands.
void DropXmlInvalidBytes(QByteArray& Svg) {
    const auto invalid = [](char ch) {
        const auto code = static_cast<unsigned char>(ch);
        return code < 0x20 && code != '\t' && code != '\n' && code != '\r';
    };
    Svg.erase(std::remove_if(Svg.begin(), Svg.end(), invalid), Svg.end());
}

} // namespace

QByteArray RenderSvg(const TOutputLayout& Layout) {
    const double micrometresPerUnit = 1000.0 / Layout.UnitsPerMM;
    const QSizeF size = QSizeF(Layout.Size) * micrometresPerUnit;

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(MicrometresPerInch);
    generator.setSize(size.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), size));
    generator.setTitle(QString::fromLatin1(BarTypeName(Layout.Type).c_str()));
    generator.setDescription(QStringLiteral("Barcode drawn by Quillmark"));
    {
        QPainter painter(&generator);
        painter.scale(micrometresPerUnit, micrometresPerUnit);
        PaintLayout(painter, Layout);
    }
    DropXmlInvalidBytes(bytes);
    return bytes;
}

QByteArray RenderSvg(const TBarcodeDescription& Description) {
    return RenderSvg(VectorLayout(Description));
}

} // namespace quillmark
