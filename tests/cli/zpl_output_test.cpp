// ZPL from the command line: a batch as one stream of labels in line order, a file per line,
// and the usage errors of the ZPL options.
#include "../output/zpl_reader.h"
#include "cli_run.h"
#include "scan.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace quillmark::testing {
namespace {

using CliZpl = CliTest;

Raster GreyOf(const QImage& Picture) {
    const QImage grey = Picture.convertToFormat(QImage::Format_Grayscale8);
    Raster raster{grey.width(), grey.height(), {}};
    for (int y = 0; y < grey.height(); ++y)
        raster.Pixels.insert(raster.Pixels.end(), grey.constScanLine(y),
                             grey.constScanLine(y) + grey.width());
    return raster;
}

// The ^FD data of each label, in order: one entry a ^XA...^XZ.
QStringList LabelData(const QByteArray& Zpl) {
    QStringList data;
    const QString text = QString::fromLatin1(Zpl);
    const auto labels = QRegularExpression(QStringLiteral(R"(\^XA(.*?)\^XZ)"),
                                           QRegularExpression::DotMatchesEverythingOption)
                            .globalMatch(text);
    for (const auto& label : labels) {
        const auto field =
            QRegularExpression(QStringLiteral(R"(\^FD([^^]*)\^FS)")).match(label.captured(1));
        data << (field.hasMatch() ? field.captured(1) : QStringLiteral("graphic"));
    }
    return data;
}

TEST_F(CliZpl, AStreamHoldsOneLabelARowInOrder) {
    const QByteArray lines = "QM-1\nQM-2\n\nQM-3\n";
    const QStringList native{"--zpl", "native", "--dpi", "203", "-j", "2", "--batch", "-"};
    const struct {
        QStringList Arguments;
        bool ToStdout;
        QStringList Expected;
    } cases[] = {
        {native + QStringList{"--zpl-stream", "-o", "-", "--format", "zpl"},
         true,
         {">:QM-1", ">:QM-2", ">:QM-3"}},
        {native + QStringList{"--zpl-stream", "-o", "all.zpl"},
         false,
         {">:QM-1", ">:QM-2", ">:QM-3"}},
        {QStringList{"--batch", "-", "--zpl-stream", "-o", "all.zpl"},
         false,
         {"graphic", "graphic", "graphic"}},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(c.Arguments, lines);
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        QFile file(Path(QStringLiteral("all.zpl")));
        const QByteArray zpl =
            c.ToStdout ? run.Out : (file.open(QIODevice::ReadOnly) ? file.readAll() : "");
        EXPECT_EQ(LabelData(zpl), c.Expected) << c.Arguments.join(' ').toStdString();
    }
}

TEST_F(CliZpl, ABatchWithoutAStreamWritesAFileALine) {
    const CliRun run = Run({"--batch", "-", "-o", "{n}.zpl"}, "QM-1\nQM-2\n");
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(Files(), (QStringList{"1.zpl", "2.zpl"}));
    QFile file(Path(QStringLiteral("2.zpl")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(LabelData(file.readAll()), QStringList{"graphic"});
}

// A roll's labels, Brother DK-1202: 61.98 by 99.82 mm, a markup margin of 1.5 by 3.0 mm; at
// 203 dpi 495 by 798 dots, the margin 12 by 24.
TEST_F(CliZpl, ARollsLabelsHoldTheSymbolWhereTheSheetRunPlacesIt) {
    const struct {
        const char* Align;
        int Left; // -1: centred across the label
        int Top;
    } cases[] = {{"center", -1, -1}, {"top-left", 12, 24}};
    for (const auto& c : cases) {
        const CliRun run =
            Run({"--sequence", "1..2", "--value", "QM-{seq}", "--sheet", "Brother DK-1202", "--dpi",
                 "203", "--label-align", c.Align, "-o", "roll.zpl"});
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        QFile file(Path(QStringLiteral("roll.zpl")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> labels = file.readAll().split('Z');
        ASSERT_EQ(labels.size(), 3) << c.Align; // two labels, each ending in ^XZ
        for (int i = 0; i < 2; ++i) {
            const auto label = ReadZplGraphic(labels[i].trimmed() + "Z");
            ASSERT_TRUE(label) << c.Align;
            EXPECT_EQ(label->Width, 495);
            EXPECT_EQ(label->Length, 798);
            const QImage& picture = label->Picture;
            const auto scan = Scan(GreyOf(picture));
            ASSERT_TRUE(scan) << c.Align;
            EXPECT_EQ(scan->Text, "QM-" + std::to_string(i + 1));
            if (c.Left >= 0) {
                EXPECT_EQ(label->Left, c.Left);
                EXPECT_EQ(label->Top, c.Top);
            } else {
                // The symbol's bars, between quiet zones of one width, centred in the label.
                const int row = picture.height() / 3;
                int first = 0;
                int last = picture.width() - 1;
                while (picture.pixelColor(first, row).value() != 0)
                    ++first;
                while (picture.pixelColor(last, row).value() != 0)
                    --last;
                EXPECT_NEAR(label->Left + (first + last) / 2.0, 495 / 2.0, 1.5) << c.Align;
            }
        }
    }
}

TEST_F(CliZpl, TheOptionsAskForZplAtAPrintersResolution) {
    const struct {
        QStringList Arguments;
        const char* Error;
    } cases[] = {
        {{"QM", "-o", "a.png", "--zpl", "native"}, "--zpl applies to ZPL output"},
        {{"QM", "-o", "a.zpl", "--dpi", "150"}, "150 dpi is no label printer's resolution"},
        {{"QM", "-o", "a.zpl", "--zpl", "native", "--verify"}, "leave out one of them"},
        {{"--batch", "-", "--zpl-stream", "-o", "{n}.zpl"}, "give -o one file without fields"},
        {{"QM", "-o", "a.zpl", "--zpl", "printer"}, "--zpl"},
        {{"--sequence", "1..2", "--sheet", "Avery L7160", "-o", "a.zpl"},
         "ZPL takes a roll or continuous label"},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(c.Arguments, "QM\n");
        EXPECT_EQ(run.ExitCode, 2) << c.Error;
        EXPECT_TRUE(run.Err.contains(QLatin1String(c.Error))) << run.Err.toStdString();
    }
}

} // namespace
} // namespace quillmark::testing
