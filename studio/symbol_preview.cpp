#include "symbol_preview.h"

#include <quillmark/layout.h>
#include <quillmark/raster_image.h>
#include <quillmark/units.h>

#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace quillmark::studio {

namespace {

// Screens that report no physical size are taken at the usual 96 pixels an inch.
constexpr double FallbackPixelsPerInch = 96;
const QColor ZoneTint(40, 120, 230, 48);

// Where the bars stand inside the picture, without the quiet zones, turned as the picture is.
QRect SymbolBody(const TOutputLayout& Layout) {
    const bool upright = IsHorizontal(Layout.Orientation);
    const int width = upright ? Layout.Size.width() : Layout.Size.height();
    const int height = upright ? Layout.Size.height() : Layout.Size.width();
    const QRect body(static_cast<int>(Layout.Leading), static_cast<int>(Layout.ZoneAcross),
                     width - static_cast<int>(Layout.Leading + Layout.Trailing),
                     height - static_cast<int>(2 * Layout.ZoneAcross));
    QTransform turn;
    switch (Layout.Orientation) {
    case toRightLeft:
        turn = QTransform(-1, 0, 0, -1, width, height);
        break;
    case toBottomTop: // a quarter turn counter-clockwise
        turn = QTransform(0, -1, 1, 0, 0, width);
        break;
    case toTopBottom:
        turn = QTransform(0, 1, -1, 0, height, 0);
        break;
    default:
        break;
    }
    return turn.mapRect(body);
}

} // namespace

TSymbolPreview::TSymbolPreview(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("Preview"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

double TSymbolPreview::DevicePixelsPerInch() const {
    const QScreen* shown = screen();
    const double logical = shown != nullptr ? shown->physicalDotsPerInch() : 0;
    return (logical > 0 ? logical : FallbackPixelsPerInch) * devicePixelRatioF();
}

void TSymbolPreview::Show(const TBarcodeDescription& Description,
                          std::shared_ptr<const TSymbolValue> Value) {
    Clear();
    Draw(Description, Value);
    FDescription = Description;
    FValue = std::move(Value);
}

bool TSymbolPreview::event(QEvent* Event) {
    // Shown at last, or moved to another screen: drawn anew where the screen's pixels differ
    // from those it was drawn for.
    const bool screenMayDiffer =
        Event->type() == QEvent::Show || Event->type() == QEvent::ScreenChangeInternal;
    if (screenMayDiffer && FValue && DevicePixelsPerInch() != FPixelsPerInch) {
        try {
            Draw(FDescription, FValue);
        } catch (const std::exception&) {
            Clear(); // drawn once already, so only a screen beyond every size refuses it
        }
    }
    return QWidget::event(Event);
}

void TSymbolPreview::Draw(const TBarcodeDescription& Description,
                          std::shared_ptr<const TSymbolValue> Value) {
    // The module on whole device pixels nearest the X asked, at the screen's resolution: the
    // raster layout then draws every element on whole pixels.
    const double dpi = DevicePixelsPerInch();
    TBarcodeDescription screen = Description;
    screen.Dpi = std::max(MinDpi, static_cast<int>(std::lround(dpi)));
    const int module = std::max(
        1, static_cast<int>(std::lround(XDimensionOf(Description) * screen.Dpi / MMPerInch)));
    screen.XDimensionMM = module * MMPerInch / screen.Dpi;
    const TOutputLayout layout = RasterLayout(screen, std::move(Value));
    QImage image = RenderImage(layout).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter tint(&image);
        const QRect body = SymbolBody(layout);
        QRegion zones(image.rect());
        zones -= body;
        for (const QRect& zone : zones)
            tint.fillRect(zone, ZoneTint);
    }
    FModule = module;
    FImage = image;
    FPixelsPerInch = dpi;
    updateGeometry();
    resize(sizeHint());
    update();
}

void TSymbolPreview::Clear() {
    FImage = {};
    FModule = 0;
    FValue.reset();
    updateGeometry();
    resize(sizeHint());
    update();
}

void TSymbolPreview::SetZoom(int Zoom) {
    FZoom = std::clamp(Zoom, 1, MostZoom);
    updateGeometry();
    resize(sizeHint());
    update();
}

QSize TSymbolPreview::sizeHint() const {
    if (FImage.isNull())
        return {1, 1};
    const double ratio = devicePixelRatioF();
    return {static_cast<int>(std::ceil(FImage.width() * FZoom / ratio)),
            static_cast<int>(std::ceil(FImage.height() * FZoom / ratio))};
}

void TSymbolPreview::paintEvent(QPaintEvent*) {
    if (FImage.isNull())
        return;
    // Whole device pixels a picture pixel, nearest neighbour: modules stay sharp.
    QImage shown = FZoom == 1 ? FImage
                              : FImage.scaled(FImage.size() * FZoom, Qt::IgnoreAspectRatio,
                                              Qt::FastTransformation);
    shown.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), shown);
}

} // namespace quillmark::studio
