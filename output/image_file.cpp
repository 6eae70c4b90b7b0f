#include "files.h"
#include "png_encoder.h"
#include <quillmark/error_messages.h>

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <quillmark/qt_colors.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace quillmark {

namespace {

// The flat colours a raster symbol is drawn in: its text is not antialiased, so these are
// all the colours it holds.
// A transparent background comes first, as its own entry, ahead of any opaque colour of the
// same red, green and blue.
std::vector<QRgb> ColoursOf(const TOutputLayout& Layout) {
    std::vector<TColor> colours{Layout.Bar};
    if (!Layout.Transparent)
        colours.insert(colours.begin(), Layout.Space);
    if (Layout.Text) {
        if (Layout.Text->Box)
            colours.push_back(*Layout.Text->Box);
        colours.push_back(Layout.Text->Ink);
    }
    if (!Layout.Placed.empty())
        colours.push_back(Layout.TextInk);
    std::vector<QRgb> palette;
    if (Layout.Transparent)
        palette.push_back(ClearPixel(Layout.Space));
    for (const TColor colour : colours) {
        const QRgb rgb = ToQColor(colour).rgb();
        if (std::find(palette.begin(), palette.end(), rgb) == palette.end())
            palette.push_back(rgb);
    }
    return palette;
}

} // namespace

QByteArray RenderPng(const TOutputLayout& Layout) {
    // A grid alone is written from its modules, without drawing a picture first.
    if (std::optional<QByteArray> png = GridPng(Layout))
        return *std::move(png);
    // A row of bars likewise, only the rows its text crosses drawn as a picture.
    if (std::optional<QByteArray> png = BarsPng(Layout))
        return *std::move(png);
    return EncodePng(RenderImage(Layout), Layout);
}

QByteArray EncodePng(const QImage& image, const TOutputLayout& Layout) {
    // Written by hand: a 1-bit or 8-bit PNG is smaller than a 32-bit one, and many times
    // faster to write. Qt's writer takes a picture of other colours.
    if (std::optional<QByteArray> png = EncodePalettePng(image, ColoursOf(Layout)))
        return *std::move(png);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        throw Exception("PNG : " + writer.errorString().toStdString());
    return bytes;
}

QByteArray RenderPng(const TBarcodeDescription& Description) {
    return RenderPng(RasterLayout(Description));
}

} // namespace quillmark
