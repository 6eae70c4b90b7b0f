// quillmark-cli drawing the two-dimensional symbols: each file reads back, with zxing-cpp, as
// the bytes and symbology identifier its standard gives, and the values and options that
// make no symbol are refused saying what to change.
#include "cli_run.h"

#include <quillmark/read_symbol.h>

#include <QImage>

namespace quillmark::testing {
namespace {

const QString Elements = QStringLiteral("(01)09501101530003(17)260101(10)AB-123");

class TwoDimensional : public CliTest {
protected:
    std::optional<TReading> ReadFile(const QString& Name, TBarType Type) const {
        const QImage image = QImage(Path(Name)).convertToFormat(QImage::Format_Grayscale8);
        TReadHints hints;
        hints.Only = Type;
        return ReadSymbol({image.constBits(), image.width(), image.height(),
                           static_cast<int>(image.bytesPerLine())},
                          hints);
    }
};

TEST_F(TwoDimensional, EachTypeReadsBackAsItsStandardSays) {
    const struct {
        const char* Type;
        TBarType Read;
        QString Value;
        std::string SymbologyId;
        std::string Bytes;
    } cases[] = {
        {"gs1datamatrix", bcCodeGS1DataMatrix, Elements, "]d2", "01095011015300031726010110AB-123"},
        // A GS ends a variable-length field that isn't last.
        {"gs1dm", bcCodeGS1DataMatrix, "(10)AB-123(21)X1", "]d2",
         "10AB-123\x1d"
         "21X1"},
        {"gs1dlqr", bcCodeGS1DigitalLinkQR, Elements, "]Q1",
         "https://id.gs1.org/01/09501101530003/10/AB-123?17=260101"},
        {"qr", bcCodeQR, "QM-0001", "]Q1", "QM-0001"},
        {"microqr", bcCodeMicroQR, "12345", "]Q1", "12345"},
        {"datamatrix", bcCodeDataMatrix, "QM-0001", "]d1", "QM-0001"},
    };
    for (const auto& c : cases) {
        const CliRun run = Run({"--type", c.Type, c.Value, "-o", "x.png", "--verify"});
        EXPECT_EQ(run.ExitCode, 0) << c.Type << ": " << run.Err.toStdString();
        EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
        const std::optional<TReading> read = ReadFile("x.png", c.Read);
        ASSERT_TRUE(read) << c.Type;
        EXPECT_EQ(read->SymbologyId, c.SymbologyId) << c.Type;
        EXPECT_EQ(read->Bytes, c.Bytes) << c.Type;
    }
}

TEST_F(TwoDimensional, BatchLinesWorkAsForEveryType) {
    const CliRun run = Run(
        {"--type", "qr", "--ecc", "H", "--batch", "-", "-o", "{n}.png", "--verify", "--jobs", "2"},
        "QM-0001\nQM-0002\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(Files(), QStringList({"1.png", "2.png"}));
    EXPECT_EQ(ReadFile("2.png", bcCodeQR)->Bytes, "QM-0002");
}

TEST_F(TwoDimensional, RefusedSayingWhatToChange) {
    const struct {
        QStringList Arguments;
        int ExitCode;
        const char* Message;
    } cases[] = {
        {{"--type", "gs1dlqr", "(21)X1"}, 1, "(21) alone has no primary key such as (01) GTIN"},
        {{"--type", "qr", "--qr-version", "1", QString(60, 'A')},
         1,
         "too much data for QR Code version 1 at level M: 60 bytes; choose a higher version or "
         "a lower level"},
        {{"--type", "code128b", "--ecc", "H", "QM"}, 2, "--ecc applies to QR Code"},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(c.Arguments + QStringList{"-o", "x.png"});
        EXPECT_EQ(run.ExitCode, c.ExitCode) << c.Message;
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Message))) << run.Err.toStdString();
        EXPECT_TRUE(Files().isEmpty()) << c.Message;
    }
}

} // namespace
} // namespace quillmark::testing
