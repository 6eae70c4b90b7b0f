#include "panel.h"

#include "enum_check.h"
#include "error_reporter.h"
#include "limit_error.h"
#include <quillmark/engine.h>
#include <quillmark/error_messages.h>
#include <quillmark/qt_colors.h>

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <QScreen>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <utility>

namespace quillmark {

namespace {

// No frame can be wider than a widget; the bound keeps every sum of frame widths far from
// integer overflow.
constexpr int MaxFrameWidth = QWIDGETSIZE_MAX;

// Width nested rings, each with its top and left edges in Top and its bottom and right
// edges in Bottom, until Rect is used up; Rect shrinks by one pixel on every side per ring.
// Only the rings that cross the painter's device are drawn: a frame millions of pixels wide
// costs no more than the part of it on the canvas.
void Frame3D(QPainter& Painter, QRect& Rect, const QColor& Top, const QColor& Bottom, int Width) {
    using Wide = long long;
    const Wide rings = std::min<Wide>(Width, (std::min<Wide>(Rect.width(), Rect.height()) + 1) / 2);
    if (rings <= 0)
        return;
    // Ring i lies i pixels inside Rect: those before `first` enclose the device, those from
    // `last` on miss it.
    const QRect device = Painter.viewport();
    const Wide first = std::max<Wide>(
        0, std::min<Wide>({Wide(device.left()) - Rect.left(), Wide(device.top()) - Rect.top(),
                           Wide(Rect.right()) - device.right(),
                           Wide(Rect.bottom()) - device.bottom()}));
    const Wide last = std::min<Wide>(
        rings, 1 + std::min<Wide>(
                       {Wide(device.right()) - Rect.left(), Wide(device.bottom()) - Rect.top(),
                        Wide(Rect.right()) - device.left(), Wide(Rect.bottom()) - device.top()}));
    for (Wide i = first; i < last; ++i) {
        const QRect ring = Rect.adjusted(int(i), int(i), -int(i), -int(i));
        Painter.fillRect(ring.left(), ring.top(), ring.width() - 1, 1, Top);
        Painter.fillRect(ring.left(), ring.top(), 1, ring.height() - 1, Top);
        Painter.fillRect(ring.right(), ring.top(), 1, ring.height(), Bottom);
        Painter.fillRect(ring.left(), ring.bottom(), ring.width(), 1, Bottom);
    }
    Rect.adjust(int(rings), int(rings), -int(rings), -int(rings));
}

} // namespace

TCustomPanel::TCustomPanel(QWidget* parent) : QWidget(parent) {
    FColor = FromQColor(palette().color(QPalette::Button));
    // Every pixel comes from the canvas or the frame, so Qt need not clear behind them.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(185, 41);
}

void TCustomPanel::SetAlignment(TAlignment Value) {
    CheckEnumValue(Value, AlignmentCount, "alignment");
    Change(FAlignment, Value);
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
    CheckEnumValue(Value, BevelCutCount, "bevel");
    Change(FBevelInner, Value);
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
    CheckEnumValue(Value, BevelCutCount, "bevel");
    Change(FBevelOuter, Value);
}

void TCustomPanel::SetBevelWidth(int Value) {
    if (Value >= 1 && Value <= MaxFrameWidth)
        Change(FBevelWidth, Value);
}

void TCustomPanel::SetBorderWidth(int Value) {
    if (Value >= 0 && Value <= MaxFrameWidth)
        Change(FBorderWidth, Value);
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
    CheckEnumValue(Value, BorderStyleCount, "border style");
    Change(FBorderStyle, Value);
}

void TCustomPanel::SetCtl3D(bool Value) {
    Change(FCtl3D, Value);
}

void TCustomPanel::SetColor(TColor Value) {
    Change(FColor, Value);
}

void TCustomPanel::SetFontColor(TColor Value) {
    Change(FFontColor, Value);
}

int TCustomPanel::FrameInset() const {
    int inset = FBorderWidth;
    if (FBevelInner != quillmark::bvNone)
        inset += FBevelWidth;
    if (FBevelOuter != quillmark::bvNone)
        inset += FBevelWidth;
    return inset;
}

int TCustomPanel::BorderAllowance() const {
    if (FBorderStyle == quillmark::bsNone)
        return 0;
    return FCtl3D ? 4 : 2;
}

QSize TCustomPanel::ClientSize() const {
    const int a = BorderAllowance();
    return {std::max(0, width() - a), std::max(0, height() - a)};
}

QRect TCustomPanel::ClientRectOf(const QRect& WidgetRect) const {
    const int side = BorderAllowance() / 2;
    return WidgetRect.translated(-side, -side) & QRect(QPoint(0, 0), ClientSize());
}

QRect TCustomPanel::ShownClientRect() const {
    if (!isVisible())
        return {};
    QRect shown = visibleRegion().boundingRect();
    // A window larger than the screens shows only the part on them.
    if (const QScreen* display = screen()) {
        const QRect desktop = display->virtualGeometry();
        shown &= QRect(mapFromGlobal(desktop.topLeft()), desktop.size());
    }
    return ClientRectOf(shown);
}

void TCustomPanel::PrepareCanvas() {
    FCanvasClient = ClientSize();
    // A paint event keeps the band it paints; a synchronous paint what can be seen.
    QRect keep = FRequested.isEmpty() ? ShownClientRect() : FRequested;
    keep &= QRect(QPoint(0, 0), FCanvasClient);
    // Never empty, so that a hidden control or one squeezed to nothing still paints,
    // encodes and reports its errors.
    if (keep.isEmpty())
        keep = QRect(0, 0, 1, 1);
    FCanvasRect = keep;
    // Above a ratio of 1 the canvas holds the device's pixels, so that text is drawn at the
    // screen's resolution rather than scaled up; painters on it keep logical coordinates.
    const qreal ratio = devicePixelRatio();
    const auto pixels = [ratio](int Logical) {
        return static_cast<int>(std::min<double>(std::ceil(Logical * ratio), INT_MAX));
    };
    const QSize size =
        ratio == 1 ? keep.size() : QSize(pixels(keep.width()), pixels(keep.height()));
    if (FCanvas.size() == size && FCanvas.devicePixelRatio() == ratio)
        return;
    FCanvas = QImage(size, QImage::Format_RGB32);
    if (FCanvas.isNull())
        throw ELimitError(Quoting(
            std::to_string(keep.width()) + " x " + std::to_string(keep.height()), TooLargeMessage));
    FCanvas.setDevicePixelRatio(ratio);
}

void TCustomPanel::Paint() {
    PrepareCanvas();
    QPainter painter(&FCanvas);
    const QColor color = ToQColor(FColor);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const auto bevel = [&](QRect& rect, TBevelCut cut) {
        switch (cut) {
        case quillmark::bvNone:
            return;
        case quillmark::bvLowered:
            return Frame3D(painter, rect, dark, light, FBevelWidth);
        case quillmark::bvRaised:
            return Frame3D(painter, rect, light, dark, FBevelWidth);
        case quillmark::bvSpace:
            return Frame3D(painter, rect, color, color, FBevelWidth);
        }
    };
    // The client area in canvas coordinates.
    QRect rect(-FCanvasRect.topLeft(), FCanvasClient);
    bevel(rect, FBevelOuter);
    Frame3D(painter, rect, color, color, FBorderWidth);
    bevel(rect, FBevelInner);
    if (rect.width() > 0 && rect.height() > 0)
        painter.fillRect(rect, color);
}

void TCustomPanel::Repaint() {
    try {
        Paint();
    } catch (...) {
        FCanvasState = CanvasState::ShowOnce;
        update();
        throw;
    }
    FCanvasState = CanvasState::Fresh;
    update();
}

void TCustomPanel::InvalidateCanvas() {
    MarkCanvasStale();
    update();
}

void TCustomPanel::DrawFrame(QPainter& Painter) const {
    QRect rect = this->rect();
    if (FBorderStyle == quillmark::bsNone)
        return;
    const QPalette& colors = palette();
    if (FCtl3D) {
        // A sunken edge: shadow outside, dark shadow inside, lit from the top left.
        Frame3D(Painter, rect, colors.color(QPalette::Dark), colors.color(QPalette::Light), 1);
        Frame3D(Painter, rect, colors.color(QPalette::Shadow), colors.color(QPalette::Button), 1);
    } else {
        const QColor line = colors.color(QPalette::WindowText);
        Frame3D(Painter, rect, line, line, 1);
    }
}

void TCustomPanel::WriteProperty(const std::function<void()>& Setter) noexcept {
    try {
        Setter();
    } catch (const std::exception& error) {
        ReportError(error);
    } catch (...) {
        ReportError(Exception(UnknownWriteErrorMessage));
    }
}

// Only after the paint: a paint may resize the widget under AutoWidth, which no painter
// on the widget should see.
void TCustomPanel::ShowCanvas() {
    QPainter painter(this);
    if (!painter.isActive())
        return; // no backing store for the widget: nothing can be shown
    DrawFrame(painter);
    const int side = BorderAllowance() / 2;
    painter.drawImage(FCanvasRect.topLeft() + QPoint(side, side), FCanvas);
}

void TCustomPanel::PaintBands(const QRect& Needed, bool Quiet) {
    // A logical pixel is ratio x ratio pixels of the canvas.
    const qreal ratio = devicePixelRatio();
    const auto perPixel = std::max(1LL, static_cast<long long>(std::ceil(ratio * ratio)));
    const long long rows = std::max(1LL, MaxBandPixels / std::max(1, Needed.width()) / perPixel);
    bool reported = Quiet;
    long long top = Needed.top(); // 64 bits: the last step may pass INT_MAX
    // At least one band, so that a paint event always paints (and may resize under
    // AutoWidth) even when it needs no pixel of the client area.
    do {
        const long long height = Needed.isEmpty() ? 0 : std::min(rows, Needed.bottom() - top + 1);
        FRequested =
            QRect(Needed.left(), static_cast<int>(top), Needed.width(), static_cast<int>(height));
        // No exception may cross the event loop: a failed paint goes to the reporter and
        // the band shows what was drawn before the failure. A failure repeats in every
        // band, so it is reported once.
        try {
            Paint();
            FCanvasState = CanvasState::Fresh;
        } catch (const std::exception& error) {
            FCanvasState = CanvasState::Stale;
            if (!std::exchange(reported, true))
                ReportError(error);
        } catch (...) {
            FCanvasState = CanvasState::Stale;
            if (!std::exchange(reported, true))
                ReportError(Exception("Unknown error while painting."));
        }
        FRequested = QRect();
        ShowCanvas();
        top += rows;
    } while (!Needed.isEmpty() && top <= Needed.bottom());
}

void TCustomPanel::paintEvent(QPaintEvent* Event) {
    // Only what the screens can show is painted, as for a synchronous paint.
    QRect needed = ClientRectOf(Event->rect());
    if (const QRect shown = ShownClientRect(); !shown.isEmpty())
        needed &= shown;
    // A window moved to a screen of another pixel ratio needs a canvas of its pixels.
    const bool sameSize =
        FCanvasClient == ClientSize() && FCanvas.devicePixelRatio() == devicePixelRatio();
    const bool covered = sameSize && (needed.isEmpty() || FCanvasRect.contains(needed));
    bool quiet = false;
    if (FCanvasState == CanvasState::ShowOnce && sameSize) {
        // The writer's caller had this paint's error: show what it drew, or, where the
        // canvas holds too little, paint again without reporting it a second time.
        FCanvasState = CanvasState::Stale;
        if (covered)
            return ShowCanvas();
        quiet = true;
    } else if (FCanvasState == CanvasState::Fresh && covered) {
        return ShowCanvas();
    }
    PaintBands(needed, quiet);
}

void TCustomPanel::changeEvent(QEvent* Event) {
    if (Event->type() == QEvent::FontChange || Event->type() == QEvent::PaletteChange)
        InvalidateCanvas();
    QWidget::changeEvent(Event);
}

} // namespace quillmark
