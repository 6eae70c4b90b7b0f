// Sheets of labels from the command line: a table's copies and types on the labels of one
// PDF, the first labels skipped, and a run with a label that can't be drawn writing nothing.
#include "cli_run.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace quillmark::testing {
namespace {

using CliSheets = CliTest;

// The pages a PDF's page tree counts; 0 when there is no file.
int PagesOf(const QString& FileName) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const auto match = QRegularExpression("/Type /Pages[^>]*/Count (\\d+)")
                           .match(QString::fromLatin1(file.readAll()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

TEST_F(CliSheets, CopiesAndSkippedLabelsFillThePages) {
    // 2 + 0 + 19 labels: one page of Avery L7160's 21, or two with a label skipped.
    const QByteArray table = "sku,copies,type\nQM-1,2,\nQM-2,0,\n400638133393,19,ean13\n";
    const struct {
        QStringList Arguments;
        int Pages;
    } cases[] = {
        {{}, 1},
        {{"--skip", "1"}, 2},
        {{"--label-text", "{sku} x{copies}", "--label-align", "Top-Left", "--outline"}, 1},
    };
    for (const auto& c : cases) {
        QFile::remove(Path("labels.pdf"));
        const CliRun run =
            Run(QStringList{"--batch", "-", "--csv", "--header", "--copies-column", "copies",
                            "--type-column", "type", "--sheet", "avery l7160", "-o", "labels.pdf"} +
                    c.Arguments,
                table);
        EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        EXPECT_EQ(PagesOf(Path("labels.pdf")), c.Pages) << c.Arguments.join(' ').toStdString();
    }
}

// A file of values, one a line, fills a sheet as a plain batch writes files: a label a
// value, in line order, blank lines left out, each label's text from its own line.
TEST_F(CliSheets, AFileOfValuesPutsEachLineOnALabel) {
    QByteArray lines;
    QStringList expected;
    for (int i = 1; i <= 23; ++i) {
        lines += "QM-" + QByteArray::number(i) + "\n";
        expected << "Item QM-" + QString::number(i);
        if (i == 5)
            lines += "\n  \n"; // no labels for these
    }
    const CliRun run = Run({"--batch", "-", "--label-text", "Item {value}", "--xdim", "0.25",
                            "--sheet", "Avery L7160", "-o", "lines.pdf"},
                           lines);
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(PagesOf(Path("lines.pdf")), 2); // 21 labels a page
    QProcess text;
    text.start(QStringLiteral(QUILLMARK_PDFTOTEXT), {Path("lines.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished());
    QStringList read = QString::fromUtf8(text.readAllStandardOutput())
                           .split('\n', Qt::SkipEmptyParts)
                           .filter(QStringLiteral("Item "));
    // The reader's order of a page's columns is its own.
    read.sort();
    expected.sort();
    EXPECT_EQ(read, expected);
}

TEST_F(CliSheets, AFileOfValuesRefusesWhatItCantUse) {
    const struct {
        QStringList Arguments;
        QByteArray Input;
        int ExitCode;
        const char* Said;
    } cases[] = {
        {{"--label-text", "{sku}"},
         "QM-1\n",
         2,
         "the label text of a file of values knows {value}"},
        {{},
         "QM-1\n" + QByteArray((1 << 20) + 1, 'A') + "\n",
         1,
         "stdin: Line 2: The line holds 1048577 bytes; a value may have at most 1048576 bytes."},
    };
    for (const auto& c : cases) {
        const CliRun run =
            Run(QStringList{"--batch", "-", "--sheet", "Avery L7160", "-o", "no.pdf"} + c.Arguments,
                c.Input);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << run.Err.toStdString();
        EXPECT_TRUE(run.Err.contains(c.Said)) << run.Err.toStdString();
        EXPECT_TRUE(Files().isEmpty());
    }
}

TEST_F(CliSheets, ReadsBackEachLabelOfATypeItCanRead) {
    const CliRun run = Run({"--batch", "-", "--csv", "--header", "--type-column", "type",
                            "--verify", "--sheet", "Avery L7160", "-o", "a.pdf"},
                           "value,type\n12345,postnet\nQM-1,\n(01)09501101530003,gs1dm\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Err, "2: warning: zxing-cpp can't read PostNet, so it is unverified\n");
    EXPECT_EQ(PagesOf(Path("a.pdf")), 1);
}

TEST_F(CliSheets, ALabelThatFailsWritesNoSheet) {
    const CliRun large =
        Run({"--sequence", "1..2", "--xdim", "2", "--sheet", "Avery L7160", "-o", "a.pdf"});
    EXPECT_EQ(large.ExitCode, 1);
    EXPECT_TRUE(large.Err.contains("\n2: The symbol is ")) << large.Err.toStdString();
    EXPECT_TRUE(large.Err.contains("a.pdf not written: 2 labels failed"))
        << large.Err.toStdString();
    const CliRun fault = Run(
        {"--batch", "-", "--csv", "--copies-column", "2", "--sheet", "Avery L7160", "-o", "b.pdf"},
        "A,1\nB,-1\n");
    EXPECT_EQ(fault.ExitCode, 1);
    EXPECT_TRUE(fault.Err.contains("stdin: Line 2: column 2 gives '-1' copies"))
        << fault.Err.toStdString();
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(CliSheets, RefusesLabelOptionsItCantUse) {
    const struct {
        QStringList Arguments;
        const char* Message;
    } cases[] = {
        {{"--label-align", "middle"}, "--label-align: The alignment 'middle' is not one"},
        {{"--label-font-size", "0"}, "--label-font-size '0': out of range"},
        {{"--label-text", "{sku"}, "--label-text: The template '{sku' has a { that is not closed"},
        {{"--label-text", "{sku}"}, "The label text '{sku}' has the field {sku} at character 1"},
    };
    for (const auto& c : cases) {
        const CliRun run =
            Run(QStringList{"--sequence", "1..2", "--sheet", "Avery L7160", "-o", "a.pdf"} +
                c.Arguments);
        EXPECT_EQ(run.ExitCode, 2) << c.Message;
        EXPECT_TRUE(run.Err.contains(QLatin1String(c.Message))) << run.Err.toStdString();
    }
    EXPECT_TRUE(Files().isEmpty());
}

} // namespace
} // namespace quillmark::testing
