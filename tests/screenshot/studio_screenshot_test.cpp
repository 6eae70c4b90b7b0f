// The studio in a real window on an X server at the device pixel ratio QT_SCALE_FACTOR gives:
// its picture saved for the README, and the symbol it shows crisp and scannable there.
#include "batch_rows_model.h"
#include "batch_view.h"
#include "studio_window.h"
#include "symbol_options.h"
#include "symbol_preview.h"
#include <quillmark/read_symbol.h>

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace quillmark::studio::testing {
namespace {

// The GS1 modulo-10 check digit of Digits, worked here as GS1's check digit calculation
// (section 7.9.1 of its general rules) works it: weights 3 and 1 from the right.
QString GS1CheckDigit(const QString& Digits) {
    int sum = 0;
    for (int i = 0; i < Digits.size(); ++i)
        sum += Digits[Digits.size() - 1 - i].digitValue() * (i % 2 == 0 ? 3 : 1);
    return QString::number((10 - sum % 10) % 10);
}

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

    // The options fit their pane at this size, without a scroll sideways.
    EXPECT_LE(window.Options()->minimumSizeHint().width(),
              window.Options()->parentWidget()->width());
    const QPixmap grabbed = window.grab();
    const double ratio = grabbed.devicePixelRatio();
    EXPECT_EQ(ratio, std::round(qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble()));
    EXPECT_EQ(grabbed.size(), QSize(1280, 800) * ratio);
    const QImage shot = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = QStringLiteral(QUILLMARK_SCREENSHOT_FOLDER "/studio-dpr%1.png").arg(ratio);
    ASSERT_TRUE(shot.save(path));
    std::printf("screenshot: %s\n", qPrintable(path));

    // At its true size on this screen. Xvfb gives its screen's size in millimetres at 96 device
    // pixels an inch whatever the ratio (a screen twice as wide at ratio 2), so GS1-128's
    // 0.508 mm module takes 2 device pixels at both: the preview follows the screen's device
    // pixels, not its logical ones.
    const TSymbolPreview& preview = *window.Preview();
    EXPECT_NEAR(preview.DevicePixelsPerInch(), 96, 1);
    EXPECT_EQ(preview.ModulePixels(), 2);

    // The symbol as the screen shows it, in device pixels: along a line through its bars
    // only black and white, no blurred grey.
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

    // The Batch view with a sheet of 21 labels from a table, for the README's second picture.
    QFile table(folder.filePath(QStringLiteral("pallets.csv")));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("sscc,destination\n");
    for (int i = 1; i <= 21; ++i) {
        const QString serial =
            QStringLiteral("0950110153") + QString::number(i).rightJustified(7, u'0');
        table.write(QStringLiteral("(00)%1%2,Dock %3\n")
                        .arg(serial, GS1CheckDigit(serial))
                        .arg(i % 4 + 1)
                        .toLatin1());
    }
    table.close();
    window.Views()->setCurrentWidget(window.Batch());
    TBatchView& batch = *window.Batch();
    TTableInput input;
    input.FileName = table.fileName().toStdString();
    input.Columns = {"sscc", std::nullopt, std::nullopt};
    batch.SetInput({input, {"{destination}"}});
    ASSERT_EQ(batch.Model().rowCount(), 21) << batch.Message().toStdString();
    QTest::keyClicks(batch.findChild<QLineEdit*>(QStringLiteral("sheetFilter")), "l7160");
    QTest::qWait(200);
    const QString batchPath =
        QStringLiteral(QUILLMARK_SCREENSHOT_FOLDER "/studio-batch-dpr%1.png").arg(ratio);
    ASSERT_TRUE(window.grab().save(batchPath));
    std::printf("screenshot: %s\n", qPrintable(batchPath));
}

} // namespace
} // namespace quillmark::studio::testing
