// The studio in a real window on an X server at the device pixel ratio QT_SCALE_FACTOR gives:
// its picture saved for the README, and the symbol it shows crisp and scannable there.
#include "studio_window.h"
#include "symbol_preview.h"
#include <quillmark/read_symbol.h>

#include <QApplication>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace quillmark::studio::testing {
namespace {

// An SSCC for a pallet label, as the README's walk-through makes it.
constexpr auto SsccLabel = "(00)095011015300000010";

TEST(StudioScreenshot, ShowsACrispScannableSymbolAt1280By800) {
    QTemporaryDir folder;
    TStudioWindow window(std::make_unique<QSettings>(folder.filePath(QStringLiteral("s.ini")),
                                                     QSettings::IniFormat));
    window.SetType(bcCodeGS1_128);
    window.SetValue(QString::fromLatin1(SsccLabel));
    ASSERT_TRUE(window.Refusal().isEmpty()) << window.Refusal().toStdString();
    window.resize(1280, 800);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(200);

    const QPixmap grabbed = window.grab();
    const double ratio = grabbed.devicePixelRatio();
    EXPECT_EQ(ratio, std::round(qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble()));
    EXPECT_EQ(grabbed.size(), QSize(1280, 800) * ratio);
    const QImage shot = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = QStringLiteral(QUILLMARK_SCREENSHOT_FOLDER "/studio-dpr%1.png").arg(ratio);
    ASSERT_TRUE(shot.save(path));
    std::printf("screenshot: %s\n", qPrintable(path));

    // The symbol as the screen shows it, in device pixels: along a line through its bars
    // only black and white, no blurred grey.
    const TSymbolPreview& preview = *window.Preview();
    const QPoint at = preview.mapTo(&window, QPoint(0, 0)) * ratio;
    const QImage symbol =
        shot.copy(QRect(at, preview.size() * ratio)).convertToFormat(QImage::Format_Grayscale8);
    const QImage& picture = preview.Picture();
    ASSERT_FALSE(picture.isNull());
    const int left = (symbol.width() - picture.width()) / 2;
    const int top = (symbol.height() - picture.height()) / 2;
    std::set<int> greys;
    const uchar* row = symbol.constScanLine(top + picture.height() / 3);
    for (int x = left; x < left + picture.width(); ++x)
        greys.insert(row[x]);
    EXPECT_LE(greys.size(), 3U) << "tinted quiet zone, bars and spaces only";
    EXPECT_TRUE(greys.count(0) == 1 && greys.count(255) == 1);

    QImage padded(symbol.width() + 80, symbol.height() + 80, QImage::Format_Grayscale8);
    padded.fill(255);
    QPainter painter(&padded);
    painter.drawImage(40, 40, symbol);
    painter.end();
    const std::optional<TReading> reading =
        ReadSymbol(TGreyImage{padded.constBits(), padded.width(), padded.height(),
                              static_cast<int>(padded.bytesPerLine())},
                   TReadHints{.Only = bcCodeGS1_128});
    ASSERT_TRUE(reading.has_value());
    EXPECT_EQ(reading->Bytes, "00095011015300000010");
}

} // namespace
} // namespace quillmark::studio::testing
