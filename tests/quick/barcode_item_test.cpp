// The QML Barcode item as a QML program uses it: symbols that scan as their values, bars on
// the device pixels the engine's widths give (at ratio 1, and at ratio 2 with crisp text),
// refused settings that leave a message and no bars, and a notification for every property.
#include "pixels.h"
#include "quick_fixture.h"
#include "scan.h"
#include <quillmark/engine.h>
#include <quillmark/item_symbol.h>

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace quillmark {
namespace {

using quick_testing::QuickWindow;

std::optional<testing::ScanResult> ScanImage(const QImage& Image) {
    // A white margin, for symbols drawn without quiet zones.
    QImage grey(Image.width() + 60, Image.height() + 60, QImage::Format_Grayscale8);
    grey.fill(255);
    const QImage picture = Image.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < picture.height(); ++y)
        std::copy_n(picture.constScanLine(y), picture.width(), grey.scanLine(y + 30) + 30);
    return testing::Scan(grey.constBits(), grey.width(), grey.height(),
                         static_cast<int>(grey.bytesPerLine()));
}

struct Scanned {
    const char* Qml;
    const char* Text; // what zxing-cpp reads
};

void PrintTo(const Scanned& S, std::ostream* Out) {
    *Out << S.Qml;
}

class BarcodeItemScan : public ::testing::TestWithParam<Scanned> {};

TEST_P(BarcodeItemScan, ReadsAsItsValue) {
    QuickWindow window;
    QQuickItem* item = window.Load(QString("Barcode { %1 }").arg(GetParam().Qml));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->property("valid").toBool())
        << item->property("errorString").toString().toStdString();
    EXPECT_GT(item->implicitWidth(), 0);
    const auto scan = ScanImage(window.Grab());
    ASSERT_TRUE(scan.has_value());
    EXPECT_EQ(scan->Text, GetParam().Text);
}

// Names as the command line takes them: aliases, display names, identifiers.
INSTANTIATE_TEST_SUITE_P(
    Symbols, BarcodeItemScan,
    ::testing::Values(
        Scanned{R"(type: "code128"; value: "Qml-19")", "Qml-19"},
        Scanned{R"(type: "ean13"; value: "400638133393")", "4006381333931"},
        Scanned{R"(type: "Code 39"; value: "QML 39"; moduleWidth: 1.5)", "QML 39"},
        Scanned{R"(type: "bcCode93"; value: "Q-93"; textShow: Barcode.NoText)", "Q-93"},
        Scanned{R"(type: "itf"; value: "12345670"; quietZone: false)", "12345670"},
        Scanned{R"(type: "code128"; value: "Down"; orientation: Barcode.TopBottom)", "Down"},
        Scanned{R"(type: "code128b"; value: "Both"; textLayout: Barcode.OverBars;
                   textShow: Barcode.ValueAndTypeText; barHeight: 40;
                   foreground: "navy"; background: "lightyellow")",
                "Both"},
        Scanned{R"(type: "itf14"; value: "0950110153000"; bearers: Barcode.TopAndBottomBearers;
                   bearerWidth: 3)",
                "09501101530003"},
        Scanned{R"(type: "databar-stacked-omni"; value: "(01)09501101530003")", "09501101530003"},
        Scanned{R"(type: "databar-expanded-stacked"; dataBarSegments: 2;
                   value: "(01)09501101530003(10)QML-7")",
                "(01)09501101530003(10)QML-7"},
        Scanned{R"(type: "issn"; value: "0317-8471")", "9770317847001"},
        // The window's own colour behind the spaces.
        Scanned{R"(type: "code128"; value: "Clear"; background: "transparent")", "Clear"}));

// "transparent" leaves the picture's spaces clear and its bars opaque; a colour keeps them
// painted.
TEST(BarcodeItemPicture, TransparentBackgroundLeavesTheSpacesClear) {
    for (const bool clear : {true, false}) {
        TItemSettings settings;
        settings.Value = QStringLiteral("Clear");
        settings.Background = clear ? QColor(Qt::transparent) : QColor(Qt::white);
        const QImage image = DrawItemSymbol(settings, 1).Image;
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), clear ? 0 : 255);
        const std::vector<int> alphas = [&] {
            std::vector<int> found;
            const int y = image.height() / 4;
            for (int x = 0; x < image.width(); ++x)
                found.push_back(qAlpha(image.pixel(x, y)));
            return found;
        }();
        // A row through the bars: opaque bars, and clear spaces only without a background.
        EXPECT_NE(std::count(alphas.begin(), alphas.end(), 255), 0);
        EXPECT_EQ(std::count(alphas.begin(), alphas.end(), 0) > 0, clear);
    }
}

struct Refused {
    const char* Qml;
    const char* Message; // found in errorString
};

void PrintTo(const Refused& R, std::ostream* Out) {
    *Out << R.Qml;
}

class BarcodeItemRefusal : public ::testing::TestWithParam<Refused> {};

// Nothing reaches QML as an exception: the component loads, the item says why and draws
// its background alone.
TEST_P(BarcodeItemRefusal, ShowsBackgroundAndSaysWhy) {
    QuickWindow window;
    QQuickItem* item =
        window.Load(QString("Barcode { width: 120; height: 40; background: \"#ffffff\"; %1 }")
                        .arg(GetParam().Qml));
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->property("valid").toBool());
    const std::string error = item->property("errorString").toString().toStdString();
    EXPECT_NE(error.find(GetParam().Message), std::string::npos) << error;
    EXPECT_EQ(item->implicitWidth(), 0);
    EXPECT_TRUE(item->property("carried").toString().isEmpty());
    const QImage shown = window.Grab().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_EQ(shown.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, BarcodeItemRefusal,
    ::testing::Values(Refused{R"(type: "ean13"; value: "abc")", "abc"},
                      Refused{R"(type: "code39"; value: "abc")", "Code39 Extended carries it"},
                      Refused{R"(type: "ean13"; value: "4006381333932")", "check digit"},
                      Refused{R"(type: "aztec"; value: "1")", "aztec : unknown barcode type."},
                      Refused{R"(type: "code128"; value: "5 \u20ac")", "position 3"},
                      Refused{R"(type: "code128"; value: "x"; moduleWidth: 0)", "moduleWidth 0"},
                      Refused{R"(type: "code128"; value: "x"; barHeight: -1)", "barHeight -1"},
                      Refused{R"(type: "qr"; value: "x"; qrVersion: 41)", "no version 41"},
                      Refused{R"(type: "dm"; value: "x"; dataMatrixSize: Qt.size(9, 9))",
                              "no 9x9 symbol"},
                      Refused{R"(type: "itf14"; value: "0950110153000"; bearerWidth: 1)",
                              "bearerWidth 1 : out of range (2 to 100 modules)."},
                      Refused{R"(type: "databar-expanded-stacked"; value: "(01)09501101530003";
                                 dataBarSegments: 3)",
                              "an even number of segments a row from 2 to 22, not 3."},
                      Refused{R"(type: "databar"; value: "0950110153000"; dataBarSegments: 0)",
                              "dataBarSegments 0 : out of range (2 to 22, even)."}));

TEST(BarcodeItem, RecoversWhenTheValueIsMended) {
    QuickWindow window;
    QQuickItem* item = window.Load(R"(Barcode { type: "ean13"; value: "abc" })");
    ASSERT_NE(item, nullptr);
    QSignalSpy valid(item, SIGNAL(validChanged()));
    QSignalSpy error(item, SIGNAL(errorStringChanged()));
    QSignalSpy carried(item, SIGNAL(carriedChanged()));
    item->setProperty("value", "400638133393");
    EXPECT_TRUE(item->property("valid").toBool());
    EXPECT_TRUE(item->property("errorString").toString().isEmpty());
    EXPECT_EQ(item->property("carried").toString(), "4006381333931");
    EXPECT_EQ(valid.count(), 1);
    EXPECT_EQ(error.count(), 1);
    EXPECT_EQ(carried.count(), 1);
    EXPECT_GT(item->implicitWidth(), 0);
}

TEST(BarcodeItem, FindingsFollowTheStandardsCheck) {
    QuickWindow window;
    // Code 39 under 0.5 mm wants a ratio of 2.2 at least; one module is 1/96 inch.
    QQuickItem* item =
        window.Load(R"(Barcode { type: "code39"; value: "AB"; moduleWidth: 1; ratio: 2.0 })");
    ASSERT_NE(item, nullptr);
    const QStringList findings = item->property("findings").toStringList();
    ASSERT_EQ(findings.size(), 1);
    EXPECT_TRUE(findings[0].contains("ratio")) << findings[0].toStdString();
    QSignalSpy spy(item, SIGNAL(findingsChanged()));
    item->setProperty("ratio", 3.0);
    EXPECT_TRUE(item->property("findings").toStringList().isEmpty());
    EXPECT_EQ(spy.count(), 1);
}

// Every module a whole number of device pixels: the quiet zone, then the engine's columns
// at the device module, then the quiet zone, in the bar and space colours alone, from the
// device pixel nearest the item's corner, wherever between pixels the item lies.
class BarcodeItemPixels : public ::testing::TestWithParam<double> {};

TEST_P(BarcodeItemPixels, BarsAreTheEnginesColumnsAtDevicePixels) {
    QuickWindow window;
    const double left = GetParam();
    QQuickItem* root = window.Load(QString(R"(Rectangle { width: 400; height: 100; color: "red"
        Barcode { x: %1; type: "code128b"; value: "Px-7"; moduleWidth: 3;
                  textShow: Barcode.NoText } })")
                                       .arg(left));
    ASSERT_NE(root, nullptr);
    const QImage shown = window.Grab().convertToFormat(QImage::Format_RGB32);
    const double ratio = window.Window.effectiveDevicePixelRatio();
    const int modul = qRound(3 * ratio);
    const std::vector<TLineKind> columns = testing::ModuleColumns(bcCode128B, "Px-7", modul, 2.0);
    const int zone = 10 * modul;
    const int width = 2 * zone + static_cast<int>(columns.size());
    const QQuickItem* item = root->childItems().front();
    EXPECT_DOUBLE_EQ(item->implicitWidth() * ratio, width);
    const int first = qRound(left * ratio);
    const int y = qRound(item->implicitHeight() * ratio / 2);
    for (int x = 0; x < shown.width(); ++x) {
        const int at = x - first - zone;
        const bool bar = at >= 0 && at < static_cast<int>(columns.size()) &&
                         columns[static_cast<std::size_t>(at)] != lkSpace;
        const bool inside = x >= first && x < first + width;
        ASSERT_EQ(shown.pixel(x, y), !inside ? qRgb(255, 0, 0)
                                     : bar   ? qRgb(0, 0, 0)
                                             : qRgb(255, 255, 255))
            << "column " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Left, BarcodeItemPixels, ::testing::Values(0.0, 3.4, 7.75));

struct Written {
    const char* Name;
    QVariant Value;
};

// Each property tells QML of a change once, and of a write that changes nothing never.
TEST(BarcodeItem, EveryPropertyNotifiesItsChanges) {
    QuickWindow window;
    QQuickItem* item = window.Load(R"(Barcode { type: "code128"; value: "N" })");
    ASSERT_NE(item, nullptr);
    QFont font("DejaVu Sans");
    font.setPixelSize(20);
    const std::vector<Written> writes = {
        {"type", "code39"},
        {"value", "AB"},
        {"checkSum", 1},
        {"ratio", 3.0},
        {"moduleWidth", 3.0},
        {"barHeight", 50.0},
        {"orientation", 2},
        {"textShow", 3},
        {"textPosition", 1},
        {"textLayout", 0},
        {"font", font},
        {"foreground", QColor("darkred")},
        {"background", QColor("ivory")},
        {"quietZone", false},
        {"errorCorrection", 3},
        {"qrVersion", 2},
        {"dataMatrixShape", 1},
        {"dataMatrixSize", QSize(26, 12)},
        {"digitalLinkDomain", QStringLiteral("https://example.com")},
        {"bearers", 1},
        {"bearerWidth", 3},
        {"dataBarSegments", 6},
    };
    for (const Written& write : writes) {
        const QMetaProperty property =
            item->metaObject()->property(item->metaObject()->indexOfProperty(write.Name));
        ASSERT_TRUE(property.hasNotifySignal()) << write.Name;
        QSignalSpy spy(item, property.notifySignal());
        EXPECT_TRUE(item->setProperty(write.Name, write.Value)) << write.Name;
        EXPECT_TRUE(item->setProperty(write.Name, write.Value)) << write.Name;
        EXPECT_EQ(spy.count(), 1) << write.Name;
        const QVariant read = item->property(write.Name);
        EXPECT_TRUE(property.isEnumType() ? read.toInt() == write.Value.toInt()
                                          : read == write.Value)
            << write.Name;
    }
    EXPECT_TRUE(item->property("valid").toBool())
        << item->property("errorString").toString().toStdString();
}

// Until textShow is written the text follows the type as files' does: none beside a grid,
// the value under bars, and a change of type that changes it is told.
TEST(BarcodeItem, TextFollowsTheTypeUntilWritten) {
    QuickWindow window;
    QQuickItem* item = window.Load(R"(Barcode { type: "qr"; value: "QM-1" })");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->property("textShow").toInt(), tsNone);
    QSignalSpy told(item, SIGNAL(textShowChanged()));
    item->setProperty("type", "code128");
    EXPECT_EQ(item->property("textShow").toInt(), tsBarCode);
    EXPECT_EQ(told.count(), 1);
    item->setProperty("textShow", int(tsBarCode)); // written: kept whatever the type
    item->setProperty("type", "datamatrix");
    EXPECT_EQ(item->property("textShow").toInt(), tsBarCode);
    EXPECT_EQ(told.count(), 1);
}

// Under QT_SCALE_FACTOR=2: the natural size in logical pixels, the picture in the device's,
// its text drawn at that resolution rather than scaled up.
TEST(HighDpiItem, DevicePixelsAndCrispText) {
    quick_testing::QuickWindow window;
    QQuickItem* item = window.Load(
        R"(Barcode { type: "code128"; value: "Crisp 2"; font.pixelSize: 15; barHeight: 40 })");
    ASSERT_NE(item, nullptr);
    const QImage shown = window.Grab().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(window.Window.effectiveDevicePixelRatio(), 2.0) << "run under QT_SCALE_FACTOR=2";
    EXPECT_EQ(shown.size(),
              QSize(qRound(item->implicitWidth()) * 2, qRound(item->implicitHeight()) * 2));
    EXPECT_EQ(testing::MixedBlocks(shown, 0, 80), 0) << "the bars";
    EXPECT_GT(testing::MixedBlocks(shown, 80, shown.height()), 20) << "the text";
    const auto scan = ScanImage(shown);
    ASSERT_TRUE(scan.has_value());
    EXPECT_EQ(scan->Text, "Crisp 2");
}

} // namespace
} // namespace quillmark
