#include "sheet_preview.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace quillmark::studio {

namespace {

// Space around the page, in pixels.
constexpr double Margin = 8;

} // namespace

void TSheetPreview::SetTemplate(const TLabelTemplate* Template) {
    FTemplate = Template ? std::optional(*Template) : std::nullopt;
    setToolTip(FTemplate ? QString::fromStdString(FTemplate->Name()) : QString());
    update();
}

double TSheetPreview::Scale() const {
    if (!FTemplate || FTemplate->PageWidth <= 0 || FTemplate->PageHeight <= 0)
        return 0;
    return std::max(0.0, std::min((width() - 2 * Margin) / FTemplate->PageWidth,
                                  (height() - 2 * Margin) / FTemplate->PageHeight));
}

void TSheetPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const double scale = Scale();
    if (scale <= 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const TLabelTemplate& sheet = *FTemplate;
    const QPointF origin((width() - sheet.PageWidth * scale) / 2,
                         (height() - sheet.PageHeight * scale) / 2);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(origin, QSizeF(sheet.PageWidth, sheet.PageHeight) * scale));
    painter.setPen(QPen(QColor(40, 90, 160), 1));
    painter.setBrush(QColor(225, 235, 250));
    const double radius = sheet.Radius * scale;
    for (const TLabelCell& cell : Cells(sheet)) {
        const QRectF r(origin + QPointF(cell.X, cell.Y) * scale,
                       QSizeF(cell.Width, cell.Height) * scale);
        switch (sheet.Shape) {
        case TLabelShape::Round:
        case TLabelShape::Ellipse:
        case TLabelShape::Cd:
            painter.drawEllipse(r);
            break;
        default:
            painter.drawRoundedRect(r, radius, radius);
        }
    }
}

} // namespace quillmark::studio
