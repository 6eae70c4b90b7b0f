// The canvas keeps only what can be seen and shows the same pixels as a whole one; huge
// sizes stay drawable, and coordinates that would leave int are refused, never wrapped.
#include "barcode.h"
#include "barcode_test_helpers.h"
#include "placement.h"
#include "renderer.h"

#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace quillmark {
namespace {

using namespace widget_testing;

TEST(BarCodeCanvas, KeepsOnlyTheVisiblePart) {
    QWidget window;
    window.resize(640, 480);
    auto* control = new TBarCode(&window);
    control->setGeometry(-20000, -100, 30000, 30000);
    control->SetBorderStyle(bsSingle); // the client area starts 2 pixels in
    control->Repaint();
    EXPECT_EQ(control->CanvasRect(), QRect(0, 0, 1, 1)); // hidden: nothing to keep
    window.show();
    control->Repaint();
    EXPECT_EQ(control->CanvasRect(), QRect(19998, 98, 640, 480));
}

// A widget partly outside its window shows what the same widget shows drawn whole, text,
// frame and all, in every reading direction.
TEST(BarCodeCanvas, ShownPixelsMatchTheWholeWidget) {
    for (const TOrientation orientation : {toLeftRight, toRightLeft, toTopBottom, toBottomTop}) {
        const QSize size = Horizontal(orientation) ? QSize(600, 150) : QSize(150, 600);
        const QPoint hidden = Horizontal(orientation) ? QPoint(250, 30) : QPoint(30, 250);
        const auto setUp = [&](TBarCode& c) {
            c.resize(size);
            c.SetBorderStyle(bsSingle);
            c.SetFont(PixelFont());
            c.SetTextShow(tsBoth);
            c.SetBarType(bcCode128B);
            c.SetBarCode("Quillmark");
            c.SetModul(3);
            c.SetOrientation(orientation);
        };
        TBarCode whole;
        setUp(whole);
        const QImage expected = Grab(whole);
        QWidget window;
        window.resize(100, 100);
        auto* control = new TBarCode(&window);
        control->move(-hidden);
        window.show();
        setUp(*control);
        EXPECT_EQ(control->CanvasRect(), QRect(hidden - QPoint(2, 2), QSize(100, 100)));
        const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown, expected.copy(QRect(hidden, QSize(100, 100)))) << int(orientation);
    }
}

TEST(BarCodeCanvas, LargePaintsGoInBandsWithTheSamePixels) {
    TBarCode control;
    control.setGeometry(0, 0, 2100, 2000); // more than one band of MaxBandPixels
    control.SetBevelOuter(bvNone);
    control.SetColor(PanelColor);
    control.SetAlignment(taLeftJustify);
    control.SetBarType(bcCodePostNet);
    control.SetBarCode("12345");
    control.SetModul(9);
    const auto columns = ModuleColumns(bcCodePostNet, "12345", 9, 2.0);
    std::string first;
    EXPECT_EQ(SymbolMismatches(Grab(control), toLeftRight, {0, 0, 1999}, columns, 0, 0, first), 0)
        << first;
}

TEST(BarCodeCanvas, TurningAHugeAutoWidthWidgetStaysDrawable) {
    TBarCode control;
    control.SetBevelOuter(bvNone);
    control.SetAlignment(taLeftJustify);
    control.SetBarType(bcCode128B);
    control.SetBarCode(std::string(2000, 'A'));
    control.SetModul(49);
    control.SetAutoWidth(true);
    control.SetOrientation(toTopBottom); // a square of about a million pixels a side
    EXPECT_EQ(control.Width(), control.Height());
    control.SetOrientation(toLeftRight);
    control.SetAutoWidth(false);
    control.SetModul(1);
    control.resize(337, 89);
    const QImage image = Grab(control);
    EXPECT_EQ(image.pixel(0, 40) & 0xFFFFFF, Rgb(BarColor) & 0xFFFFFF); // the start bar
}

TEST(BarCodeCanvas, CoordinatesBeyondIntAreRefusedNotWrapped) {
    // A symbol of nearly INT_MAX pixels behind the widest frame: its far end leaves int.
    const TFrame frame{185, 41, 3 * QWIDGETSIZE_MAX, 0, taLeftJustify};
    for (const TOrientation orientation : {toLeftRight, toRightLeft, toTopBottom, toBottomTop})
        EXPECT_THROW(PlaceSymbol(frame, orientation, 10, INT_MAX - 1000), ELimitError);
    QPoint sum;
    AddPoints(QPoint(INT_MAX, INT_MIN), QPoint(5, -5), sum);
    EXPECT_EQ(sum, QPoint(INT_MAX, INT_MIN));
    RotatedOrigin(QPoint(0, 0), INT_MAX, INT_MAX, 225.0 / 180 * 3.14159265358979, sum);
    EXPECT_EQ(sum.x(), INT_MAX);
    // A text wider than its symbol at the end of the int range is left out, not wrapped.
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::green);
    const QImage before = image;
    QPainter painter(&image);
    const int pw = PatternWidth(bcCode128B, "1", 1, 2.0, csNone);
    DrawBarcode(painter, bcCode128B, "1", 1, 2.0, csNone, INT_MAX - pw, 0, 8, PixelFont(), 0,
                tsBoth, tpTopCenter, 0, 0, 0, 0);
    painter.end();
    EXPECT_EQ(image, before);
    TBarCode control;
    EXPECT_EQ(control.AdjustWidth(INT_MAX), QWIDGETSIZE_MAX);
}

} // namespace
} // namespace quillmark
