#include "panel.h"

#include "engine.h"
#include "error_reporter.h"
#include "qt_colors.h"

#include <QEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <new>

namespace quillmark {

namespace {

// No frame can be wider than a widget; the bound keeps every sum of frame widths far from
// integer overflow.
constexpr int MaxFrameWidth = QWIDGETSIZE_MAX;

// Width nested rings, each with its top and left edges in Top and its bottom and right
// edges in Bottom; Rect shrinks by one pixel on every side per ring.
void Frame3D(QPainter& Painter, QRect& Rect, const QColor& Top, const QColor& Bottom, int Width) {
    for (int i = 0; i < Width && Rect.width() > 0 && Rect.height() > 0; ++i) {
        Painter.fillRect(Rect.left(), Rect.top(), Rect.width() - 1, 1, Top);
        Painter.fillRect(Rect.left(), Rect.top(), 1, Rect.height() - 1, Top);
        Painter.fillRect(Rect.right(), Rect.top(), 1, Rect.height(), Bottom);
        Painter.fillRect(Rect.left(), Rect.bottom(), Rect.width(), 1, Bottom);
        Rect.adjust(1, 1, -1, -1);
    }
}

} // namespace

TCustomPanel::TCustomPanel(QWidget* parent) : QWidget(parent) {
    FColor = FromQColor(palette().color(QPalette::Button));
    // Every pixel comes from the canvas or the frame, so Qt need not clear behind them.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(185, 41);
}

void TCustomPanel::SetAlignment(TAlignment Value) {
    Change(FAlignment, Value);
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
    Change(FBevelInner, Value);
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
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
    if (FBevelInner != bvNone)
        inset += FBevelWidth;
    if (FBevelOuter != bvNone)
        inset += FBevelWidth;
    return inset;
}

int TCustomPanel::BorderAllowance() const {
    if (FBorderStyle == bsNone)
        return 0;
    return FCtl3D ? 4 : 2;
}

QSize TCustomPanel::ClientSize() const {
    const int a = BorderAllowance();
    return {std::max(0, width() - a), std::max(0, height() - a)};
}

// Never empty, so that a control squeezed to nothing still encodes and reports its errors.
QSize TCustomPanel::CanvasSize() const {
    const QSize client = ClientSize();
    return {std::max(1, client.width()), std::max(1, client.height())};
}

void TCustomPanel::PrepareCanvas() {
    const QSize size = CanvasSize();
    if (FCanvas.size() == size)
        return;
    FCanvas = QImage(size, QImage::Format_RGB32);
    if (FCanvas.isNull())
        throw std::bad_alloc();
}

void TCustomPanel::Paint() {
    PrepareCanvas();
    QPainter painter(&FCanvas);
    const QColor color = ToQColor(FColor);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const auto bevel = [&](QRect& rect, TBevelCut cut) {
        switch (cut) {
        case bvNone:
            return;
        case bvLowered:
            return Frame3D(painter, rect, dark, light, FBevelWidth);
        case bvRaised:
            return Frame3D(painter, rect, light, dark, FBevelWidth);
        case bvSpace:
            return Frame3D(painter, rect, color, color, FBevelWidth);
        }
    };
    QRect rect(QPoint(0, 0), FCanvas.size());
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
    if (FBorderStyle == bsNone)
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

void TCustomPanel::paintEvent(QPaintEvent*) {
    if (FCanvasState == CanvasState::Stale || FCanvas.size() != CanvasSize()) {
        // No exception may cross the event loop: a failed paint goes to the reporter and
        // the canvas shows what was drawn before the failure.
        try {
            Paint();
            FCanvasState = CanvasState::Fresh;
        } catch (const std::exception& error) {
            FCanvasState = CanvasState::Stale;
            ReportError(error);
        } catch (...) {
            FCanvasState = CanvasState::Stale;
            ReportError(Exception("Unknown error while painting."));
        }
    } else if (FCanvasState == CanvasState::ShowOnce) {
        FCanvasState = CanvasState::Stale;
    }
    QPainter painter(this);
    DrawFrame(painter);
    const int side = BorderAllowance() / 2;
    painter.drawImage(side, side, FCanvas);
}

void TCustomPanel::changeEvent(QEvent* Event) {
    if (Event->type() == QEvent::FontChange || Event->type() == QEvent::PaletteChange)
        InvalidateCanvas();
    QWidget::changeEvent(Event);
}

} // namespace quillmark
