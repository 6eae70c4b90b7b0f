// The item in a window of two device pixels per logical pixel (run under
// QT_SCALE_FACTOR=2): its natural size in logical pixels, its picture at the device's, with
// text drawn at that resolution rather than scaled up.
#include "quick_fixture.h"
#include "scan.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

// 2 x 2 blocks at even coordinates that are not all one colour; a picture scaled up from
// logical pixels has none.
int MixedBlocks(const QImage& Image, int Top, int Bottom) {
    int mixed = 0;
    for (int y = Top; y + 1 < Bottom; y += 2)
        for (int x = 0; x + 1 < Image.width(); x += 2) {
            const QRgb corner = Image.pixel(x, y);
            mixed += Image.pixel(x + 1, y) != corner || Image.pixel(x, y + 1) != corner ||
                     Image.pixel(x + 1, y + 1) != corner;
        }
    return mixed;
}

TEST(HighDpiItem, DevicePixelsAndCrispText) {
    quick_testing::QuickWindow window;
    QQuickItem* item = window.Load(
        R"(Barcode { type: "code128"; value: "Crisp 2"; font.pixelSize: 15; barHeight: 40 })");
    ASSERT_NE(item, nullptr);
    const QImage shown = window.Grab().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(window.Window.effectiveDevicePixelRatio(), 2.0) << "run under QT_SCALE_FACTOR=2";
    EXPECT_EQ(shown.size(),
              QSize(qRound(item->implicitWidth()) * 2, qRound(item->implicitHeight()) * 2));
    EXPECT_EQ(MixedBlocks(shown, 0, 80), 0) << "the bars";
    EXPECT_GT(MixedBlocks(shown, 80, shown.height()), 20) << "the text";
    const QImage grey = shown.convertToFormat(QImage::Format_Grayscale8);
    const auto scan = testing::Scan(grey.constBits(), grey.width(), grey.height(),
                                    static_cast<int>(grey.bytesPerLine()));
    ASSERT_TRUE(scan.has_value());
    EXPECT_EQ(scan->Text, "Crisp 2");
}

} // namespace
} // namespace quillmark
