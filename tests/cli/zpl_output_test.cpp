// ZPL from the command line: a batch as one stream of labels in line order, a file per line,
// and the usage errors of the ZPL options.
#include "cli_run.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace quillmark::testing {
namespace {

using CliZpl = CliTest;

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
    };
    for (const auto& c : cases) {
        const CliRun run = Run(c.Arguments, "QM\n");
        EXPECT_EQ(run.ExitCode, 2) << c.Error;
        EXPECT_TRUE(run.Err.contains(QLatin1String(c.Error))) << run.Err.toStdString();
    }
}

} // namespace
} // namespace quillmark::testing
