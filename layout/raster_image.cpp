#include "raster_image.h"

#include "units.h"
#include <quillmark/error_messages.h>
#include <quillmark/qt_colors.h>

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <string>

namespace quillmark {

QRgb ClearPixel(TColor Space) {
    return ToQColor(Space).rgb() & RGB_MASK;
}

namespace {

// A colour none of Layout's inks has, near its space colour.
TColor KeyColour(const TOutputLayout& Layout) {
    TColor key = Layout.Space;
    const auto inked = [&](TColor C) {
        return C == Layout.Bar || C == Layout.TextInk || (Layout.Text && C == Layout.Text->Ink);
    };
    for (TColor bit = 1; inked(key); bit <<= 1)
        key = Layout.Space ^ bit;
    return key;
}

// A picture without a background: drawn as one with it, on a key colour, so that its letters
// come out pixel for pixel alike, then the key cleared to the space colour at alpha 0, which
// a viewer that ignores alpha still shows as the spaces.
QImage ClearImage(const TOutputLayout& Layout) {
    TOutputLayout keyed = Layout;
    keyed.Transparent = false;
    keyed.Space = KeyColour(Layout);
    QImage image = RenderImage(keyed).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(keyed.Space).rgba();
    const QRgb clear = ClearPixel(Layout.Space);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::replace(row, row + image.width(), key, clear);
    }
    return image;
}

} // namespace

QImage RenderImage(const TOutputLayout& Layout) {
    if (Layout.Transparent)
        return ClearImage(Layout);
    QImage image(Layout.Size, QImage::Format_RGB32);
    if (image.isNull())
        throw Exception(Quoting(std::to_string(Layout.Size.width()) + " x " +
                                    std::to_string(Layout.Size.height()),
                                TooLargeMessage));
    // Recorded in the PNG (pHYs), so that printing at 100% gives the true size.
    const int dotsPerMeter = DotsPerMeter(Layout.Dpi);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    PaintLayout(painter, Layout);
    return image;
}

QImage RenderImage(const TBarcodeDescription& Description) {
    return RenderImage(RasterLayout(Description));
}

} // namespace quillmark
