// The Barcode item in a window that keeps rendering frames while its settings change, as a
// value bound to a text field does: the symbol that appears must be drawn and scan.
#include "quick_fixture.h"
#include "scan.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace quillmark {
namespace {

using quick_testing::QuickWindow;

// Asks the window for a frame and waits until the renderer has drawn it.
bool RenderFrame(QQuickWindow& Window) {
    QSignalSpy swapped(&Window, &QQuickWindow::frameSwapped);
    Window.update();
    return swapped.wait(5000);
}

std::optional<testing::ScanResult> ScanShown(const QImage& Shown) {
    QImage grey(Shown.width() + 60, Shown.height() + 60, QImage::Format_Grayscale8);
    grey.fill(255);
    const QImage picture = Shown.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < picture.height(); ++y)
        std::copy_n(picture.constScanLine(y), picture.width(), grey.scanLine(y + 30) + 30);
    return testing::Scan(grey.constBits(), grey.width(), grey.height(),
                         static_cast<int>(grey.bytesPerLine()));
}

struct Turn {
    const char* Type;
    const char* Refused; // shown first: no symbol, the background only
    const char* Drawn;   // written while the window renders
    const char* Text;    // what zxing-cpp reads afterwards
};

void PrintTo(const Turn& T, std::ostream* Out) {
    *Out << T.Type << " " << T.Refused << " -> " << T.Drawn;
}

class BarcodeItemFrames : public ::testing::TestWithParam<Turn> {};

TEST_P(BarcodeItemFrames, InvalidToValidWhileShown) {
    const Turn& turn = GetParam();
    QuickWindow window;
    QQuickItem* item =
        window.Load(QString(R"(Barcode { type: "%1"; value: "%2" })").arg(turn.Type, turn.Refused));
    ASSERT_NE(item, nullptr);
    ASSERT_FALSE(item->property("valid").toBool());
    window.Window.resize(400, 200);
    window.Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.Window));
    ASSERT_TRUE(RenderFrame(window.Window));

    item->setProperty("value", QString::fromLatin1(turn.Drawn));
    ASSERT_TRUE(item->property("valid").toBool())
        << item->property("errorString").toString().toStdString();
    item->setSize(QSizeF(item->implicitWidth(), item->implicitHeight()));
    ASSERT_TRUE(RenderFrame(window.Window));
    const auto scan = ScanShown(window.Window.grabWindow());
    ASSERT_TRUE(scan.has_value());
    EXPECT_EQ(scan->Text, turn.Text);

    // And back: the symbol goes, the background stays.
    item->setProperty("value", QString::fromLatin1(turn.Refused));
    ASSERT_TRUE(RenderFrame(window.Window));
    EXPECT_FALSE(ScanShown(window.Window.grabWindow()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Values, BarcodeItemFrames,
                         ::testing::Values(Turn{"ean13", "abc", "4006381333931", "4006381333931"},
                                           Turn{"ean13", "", "400638133393", "4006381333931"},
                                           Turn{"code39", "abc", "ABC", "ABC"}));

} // namespace
} // namespace quillmark
