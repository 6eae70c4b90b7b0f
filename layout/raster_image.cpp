#include "raster_image.h"

#include "units.h"
#include <quillmark/error_messages.h>

#include <QPainter>

#include <cmath>
#include <string>

namespace quillmark {

QImage RenderImage(const TOutputLayout& Layout) {
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
