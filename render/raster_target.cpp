#include "raster_target.h"

#include "raster_rows.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTransform>

#include <cmath>

namespace quillmark {

namespace {

bool IsWholePixel(double Value) {
    constexpr double Limit = 1LL << 52;
    return std::abs(Value) < Limit && std::trunc(Value) == Value;
}

} // namespace

std::optional<TRasterTarget> RasterTargetOf(QPainter& Canvas) {
    QPaintEngine* engine = Canvas.paintEngine();
    if (!Canvas.isActive() || engine == nullptr || engine->type() != QPaintEngine::Raster)
        return std::nullopt;
    QPaintDevice* device = engine->paintDevice();
    if (device == nullptr || device != Canvas.device() || device->devType() != QInternal::Image)
        return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    // A shared image would detach under our writes and leave the painter's pixels behind.
    if (!TRowWriter::For(*image) || !image->isDetached())
        return std::nullopt;
    if (Canvas.hasClipping() || !engine->systemClip().isEmpty() || Canvas.opacity() != 1.0)
        return std::nullopt;
    const QPainter::CompositionMode mode = Canvas.compositionMode();
    if (mode != QPainter::CompositionMode_SourceOver && mode != QPainter::CompositionMode_Source)
        return std::nullopt;
    const QTransform& transform = Canvas.deviceTransform();
    if (transform.type() > QTransform::TxTranslate || !IsWholePixel(transform.dx()) ||
        !IsWholePixel(transform.dy()))
        return std::nullopt;
    return TRasterTarget{image, static_cast<long long>(transform.dx()),
                         static_cast<long long>(transform.dy())};
}

} // namespace quillmark
