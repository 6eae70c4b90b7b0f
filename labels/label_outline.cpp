#include "label_outline.h"

#include <QRectF>

namespace quillmark {

QPainterPath LabelOutline(const TLabelTemplate& Sheet, const TLabelCell& Cell) {
    const QRectF Box(Cell.X, Cell.Y, Cell.Width, Cell.Height);
    QPainterPath Outline;
    switch (Sheet.Shape) {
    case TLabelShape::Rectangle:
        Outline.addRoundedRect(Box, Sheet.Radius, Sheet.Radius);
        break;
    case TLabelShape::Ellipse:
        Outline.addEllipse(Box);
        break;
    case TLabelShape::Round:
    case TLabelShape::Cd: {
        Outline.addEllipse(Box.center(), Sheet.Radius, Sheet.Radius);
        if (Sheet.Shape == TLabelShape::Cd) {
            Outline.addEllipse(Box.center(), Sheet.Hole, Sheet.Hole);
        }
        if (Cell.Width < 2 * Sheet.Radius || Cell.Height < 2 * Sheet.Radius) {
            QPainterPath Card;
            Card.addRect(Box);
            Outline = Outline.intersected(Card);
        }
        break;
    }
    case TLabelShape::Path:
    case TLabelShape::Continuous:
        Outline.addRect(Box);
        break;
    }
    return Outline;
}

} // namespace quillmark
