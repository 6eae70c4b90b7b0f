#include "print.h"

#include <quillmark/layout.h>
#include <quillmark/units.h>

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace quillmark {

void PrintBarcode(QPagedPaintDevice& Device, const TBarcodeDescription& Description) {
    PrintBarcode(Device, VectorLayout(Description));
}

void PrintBarcode(QPagedPaintDevice& Device, const TOutputLayout& Layout) {
    const QSizeF symbolMM = QSizeF(Layout.Size) / Layout.UnitsPerMM;
    const QSizeF pageMM = Device.pageLayout().paintRect(QPageLayout::Millimeter).size();
    // A hair of tolerance for the page sizes' own rounding.
    if (symbolMM.width() > pageMM.width() + 0.01 || symbolMM.height() > pageMM.height() + 0.01)
        throw Exception(std::to_string(qRound(symbolMM.width())) + " mm x " +
                        std::to_string(qRound(symbolMM.height())) +
                        " mm : Barcode larger than the page.");
    QPainter painter;
    if (!painter.begin(&Device))
        throw Exception("Printer : Cannot start printing.");
    painter.scale(Device.logicalDpiX() / MMPerInch / Layout.UnitsPerMM,
                  Device.logicalDpiY() / MMPerInch / Layout.UnitsPerMM);
    PaintLayout(painter, Layout);
    if (!painter.end())
        throw Exception("Printer : Printing failed.");
}

} // namespace quillmark
