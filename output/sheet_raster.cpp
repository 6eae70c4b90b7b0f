// A sheet's page painted again from what it holds, the symbols with the painter the
// pictures of single symbols use, for reading labels back where they sit.
#include "sheet_items.h"
#include <quillmark/engine.h>
#include <quillmark/qt_colors.h>
#include <quillmark/units.h>

#include <QPainter>
#include <QPen>

#include <cmath>

namespace quillmark {

namespace {

// Pixels a side, well past a label at any resolution a reader needs.
constexpr double LargestSide = 20000;

class TItemPainter {
public:
    explicit TItemPainter(QPainter& Painter) : painter_(Painter) {}
    void operator()(const TPlacedSymbol& Item) const {
        painter_.save();
        painter_.translate(Item.TopLeftMM);
        painter_.scale(1 / Item.Layout.UnitsPerMM, 1 / Item.Layout.UnitsPerMM);
        PaintLayout(painter_, Item.Layout);
        painter_.restore();
    }
    void operator()(const TPlacedLine& Item) const {
        const TPaperFont paper = PaperFont(Item.Font);
        painter_.save();
        painter_.translate(Item.BaselineMM);
        painter_.scale(1 / paper.UnitsPerMM, 1 / paper.UnitsPerMM);
        painter_.setFont(paper.Font);
        painter_.setPen(ToQColor(clBlack));
        painter_.drawText(QPointF(0, 0), Item.Text);
        painter_.restore();
    }
    void operator()(const TPlacedOutline& Item) const {
        painter_.save();
        painter_.setPen(QPen(ToQColor(OutlineColor), OutlineWidthMM));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPath(Item.ShapeMM);
        painter_.restore();
    }

private:
    QPainter& painter_;
};

} // namespace

QImage PaintItems(const std::vector<TSheetItem>& Items, const QRectF& AreaMM, int Dpi) {
    const double pixelsPerMM = Dpi / MMPerInch;
    const double width = std::ceil(AreaMM.width() * pixelsPerMM);
    const double height = std::ceil(AreaMM.height() * pixelsPerMM);
    if (Dpi <= 0 || !(width >= 1 && height >= 1) || width > LargestSide || height > LargestSide)
        throw Exception("The area to read back must be a few pixels to " +
                        std::to_string(static_cast<int>(LargestSide)) +
                        " pixels a side at its resolution; choose a smaller area or resolution.");
    // Painted in colour, as the symbols' pictures are, and turned grey at the end.
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(pixelsPerMM, pixelsPerMM);
    painter.translate(-AreaMM.topLeft());
    for (const TSheetItem& item : Items)
        std::visit(TItemPainter(painter), item);
    painter.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace quillmark
