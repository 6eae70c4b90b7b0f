// The widget on a screen of two device pixels per logical pixel (run under
// QT_SCALE_FACTOR=2): the logical geometry of ratio 1, every bar doubled onto the device
// pixels, and text drawn at the device's resolution rather than scaled up.
#include "barcode_test_helpers.h"
#include "scan.h"
#include <quillmark/barcode.h>
#include <quillmark/placement.h>

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using namespace widget_testing;

using testing::MixedBlocks;

TEST(HighDpiWidget, BarsDoubledAndTextAtDeviceResolution) {
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "run under QT_SCALE_FACTOR=2";
    TBarCode control;
    control.setGeometry(0, 0, 300, 90);
    control.SetBevelWidth(2); // raised, light and dark rings doubled like the bars
    control.SetColor(clWhite);
    control.SetFont(PixelFont(15));
    control.SetBarType(bcCode128B);
    control.SetBarCode("HiDpi 42");
    control.SetModul(2);
    control.SetRatio(2.0);
    control.SetTextShow(tsBarCode);
    const QImage shown = Grab(control);
    ASSERT_EQ(shown.size(), control.size() * 2);

    // Where ratio 1 puts the bars, from the engine's widths alone, each column twice.
    const std::vector<TLineKind> columns = ModuleColumns(bcCode128B, "HiDpi 42", 2, 2.0);
    const TSymbolBox box =
        PlaceSymbol(control.PanelFrame(), toLeftRight, 0, static_cast<int>(columns.size()));
    const int row = 2 * (box.Top + 4); // through the bars, above the text box
    const int inset = 2 * control.FrameInset();
    for (int x = inset; x < shown.width() - inset; ++x) {
        const int at = x / 2 - box.Left;
        const bool bar = at >= 0 && at < static_cast<int>(columns.size()) &&
                         columns[static_cast<std::size_t>(at)] != lkSpace;
        ASSERT_EQ(shown.pixel(x, row), bar ? Rgb(clBlack) : Rgb(clWhite)) << "column " << x;
    }
    EXPECT_EQ(MixedBlocks(shown, 0, shown.height() / 2), 0) << "the bars' half";
    EXPECT_GT(MixedBlocks(shown, shown.height() / 2, shown.height()), 20) << "the text's half";

    const QImage grey = shown.convertToFormat(QImage::Format_Grayscale8);
    const auto scan = testing::Scan(grey.constBits(), grey.width(), grey.height(),
                                    static_cast<int>(grey.bytesPerLine()));
    ASSERT_TRUE(scan.has_value());
    EXPECT_EQ(scan->Text, "HiDpi 42");
}

} // namespace
} // namespace quillmark
