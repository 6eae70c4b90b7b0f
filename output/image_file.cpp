#include "error_messages.h"
#include "files.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include "qt_colors.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace quillmark {

namespace {

// The flat colours a raster symbol is drawn in: its text is not antialiased, so these are
// all the colours it holds.
std::vector<QRgb> ColoursOf(const TOutputLayout& Layout) {
    std::vector<TColor> colours{Layout.Space, Layout.Bar};
    if (Layout.Text) {
        colours.push_back(Layout.Text->Box);
        colours.push_back(Layout.Text->Ink);
    }
    if (!Layout.Placed.empty())
        colours.push_back(Layout.TextInk);
    std::vector<QRgb> palette;
    for (const TColor colour : colours) {
        const QRgb rgb = ToQColor(colour).rgb();
        if (std::find(palette.begin(), palette.end(), rgb) == palette.end())
            palette.push_back(rgb);
    }
    return palette;
}

// The picture with a palette of its few colours: a 1-bit or 8-bit PNG is smaller than a
// 32-bit one and many times faster to write. Null if a pixel is not in the palette.
QImage WithPalette(const QImage& Image, const std::vector<QRgb>& Palette) {
    const bool mono = Palette.size() <= 2;
    QImage result(Image.size(), mono ? QImage::Format_Mono : QImage::Format_Indexed8);
    result.setColorTable(QList<QRgb>(Palette.begin(), Palette.end()));
    result.setDotsPerMeterX(Image.dotsPerMeterX());
    result.setDotsPerMeterY(Image.dotsPerMeterY());
    const int width = Image.width();
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(QRgb);
    QRgb last = Palette.front();
    uchar index = 0;
    for (int y = 0; y < Image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(Image.constScanLine(y));
        uchar* out = result.scanLine(y);
        // Bars cross every row the same way, so most rows repeat the one before.
        if (y > 0 && std::memcmp(in, Image.constScanLine(y - 1), rowBytes) == 0) {
            std::memcpy(out, result.constScanLine(y - 1),
                        static_cast<std::size_t>(result.bytesPerLine()));
            continue;
        }
        if (mono)
            std::fill(out, out + result.bytesPerLine(), 0);
        for (int x = 0; x < width; ++x) {
            // Pixels come in long runs of one colour, so the last lookup usually holds.
            const QRgb pixel = in[x] | 0xFF000000u;
            if (pixel != last) {
                const auto at = std::find(Palette.begin(), Palette.end(), pixel);
                if (at == Palette.end())
                    return {};
                last = pixel;
                index = static_cast<uchar>(at - Palette.begin());
            }
            if (!mono)
                out[x] = index;
            else if (index != 0)
                out[x >> 3] |= static_cast<uchar>(0x80 >> (x & 7));
        }
    }
    return result;
}

} // namespace

QImage RenderImage(const TOutputLayout& Layout) {
    QImage image(Layout.Size, QImage::Format_RGB32);
    if (image.isNull())
        throw Exception(Quoting(std::to_string(Layout.Size.width()) + " x " +
                                    std::to_string(Layout.Size.height()),
                                TooLargeMessage));
    // Recorded in the PNG (pHYs), so that printing at 100% gives the true size.
    const int dotsPerMeter = static_cast<int>(std::lround(Layout.Dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    PaintLayout(painter, Layout);
    return image;
}

QImage RenderImage(const TBarcodeDescription& Description) {
    return RenderImage(RasterLayout(Description));
}

QByteArray RenderPng(const TOutputLayout& Layout) {
    return EncodePng(RenderImage(Layout), Layout);
}

QByteArray EncodePng(const QImage& image, const TOutputLayout& Layout) {
    const QImage palette = WithPalette(image, ColoursOf(Layout));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(palette.isNull() ? image : palette))
        throw Exception("PNG : " + writer.errorString().toStdString());
    return bytes;
}

QByteArray RenderPng(const TBarcodeDescription& Description) {
    return RenderPng(RasterLayout(Description));
}

} // namespace quillmark
