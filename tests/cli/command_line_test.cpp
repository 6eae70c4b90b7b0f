// quillmark-cli as a user runs it: one symbol, batches, threads, verification and errors.
#include "cli_run.h"

#include "scan.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>

namespace quillmark::testing {
namespace {

class CommandLine : public CliTest {
protected:
    QByteArray Read(const QString& Name) const {
        QFile file(Path(Name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << Name.toStdString();
        return file.readAll();
    }
    std::string ScanFile(const QString& Name) const {
        const QImage image = QImage(Path(Name)).convertToFormat(QImage::Format_Grayscale8);
        const auto scan = Scan(image.constBits(), image.width(), image.height(),
                               static_cast<int>(image.bytesPerLine()));
        return scan ? scan->Text : "(nothing)";
    }
    void MakeFolder(const QString& Name) { ASSERT_TRUE(QDir(Dir.path()).mkpath(Name)); }
};

TEST_F(CommandLine, WritesOneSymbolInEachFormat) {
    // An EAN-13 one digit short gets its check digit 1.
    for (const QString name : {"label.png", "label.svg", "label.pdf"}) {
        const CliRun run = Run({"--type", "ean13", "400638133393", "-o", name, "--verify"});
        EXPECT_EQ(run.ExitCode, 0) << name.toStdString() << run.Err.toStdString();
        EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
    }
    EXPECT_EQ(ScanFile("label.png"), "4006381333931");
    EXPECT_EQ(QImage(Path("label.png")).dotsPerMeterX(), qRound(300 / 0.0254));
    EXPECT_TRUE(Read("label.svg").startsWith("<?xml")) << Read("label.svg").left(60).data();
    EXPECT_TRUE(Read("label.pdf").startsWith("%PDF-"));

    // With an add-on, whose check digit completion keeps the add-on.
    const CliRun addOn =
        Run({"--type", "ean13", "978030640615+51299", "-o", "addon.png", "--verify"});
    EXPECT_EQ(addOn.ExitCode, 0) << addOn.Err.toStdString();
    EXPECT_TRUE(addOn.Err.isEmpty()) << addOn.Err.toStdString();

    const CliRun out = Run({"-t", "EAN13", "400638133393", "-o", "-", "--format", "svg"});
    EXPECT_EQ(out.ExitCode, 0);
    EXPECT_EQ(out.Out, Read("label.svg"));
}

TEST_F(CommandLine, BatchReportsFailedLinesAndWritesTheOthers) {
    MakeFolder("out");
    const QByteArray input = "4006381333931\n"
                             "\n"
                             "40063813339X\n"
                             "4006381333932\r\n"
                             "400638133393\n"
                             "4006381333931";
    const CliRun run =
        Run({"--type", "ean13", "--batch", "-", "-o", "out/{value}.png", "--jobs", "2"}, input);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err.toStdString(),
              "3: 40063813339X : Barcode must be numeric.\n"
              "4: 4006381333932 : Wrong check digit 2; the EAN13 check digit is 1.\n"
              "6: out/4006381333931.png : Line 1 names the same file; not written.\n");
    EXPECT_EQ(Files("out"), QStringList({"400638133393.png", "4006381333931.png"}));
    EXPECT_EQ(ScanFile("out/400638133393.png"), "4006381333931");
}

TEST_F(CommandLine, FourJobsWriteWhatOneJobWrites) {
    QByteArray input;
    for (int i = 1; i <= 24; ++i)
        input +=
            "Quill-" + QByteArray::number(i * 7919) + (i % 8 == 0 ? " caf\xC3\xA9" : "") + "\n";
    for (const char* format : {"png", "pdf"}) {
        CliRun runs[2];
        for (const int jobs : {1, 4}) {
            const QString folder = QStringLiteral("%1%2").arg(format).arg(jobs);
            MakeFolder(folder);
            runs[jobs / 4] =
                Run({"--batch", "-", "-o", folder + "/{n:03}." + format, "--text", "both",
                     "--rotate", "90", "-j", QString::number(jobs), "--lenient"},
                    input);
        }
        EXPECT_EQ(runs[0].ExitCode, 0);
        // The same messages, but for the note that this machine has fewer cores than jobs.
        const auto withoutJobsNote = [](QString Err) {
            return Err.remove(QRegularExpression(QStringLiteral("[^\n]*--jobs 4 is more[^\n]*\n")));
        };
        EXPECT_EQ(runs[0].Err, withoutJobsNote(runs[1].Err));
        EXPECT_EQ(runs[0].Err.count(QStringLiteral("warning")), 3) << runs[0].Err.toStdString();
        const QString one = QStringLiteral("%1%2/").arg(format).arg(1);
        const QString four = QStringLiteral("%1%2/").arg(format).arg(4);
        ASSERT_EQ(Files(one).size(), 24);
        ASSERT_EQ(Files(one), Files(four));
        for (const QString& name : Files(one))
            EXPECT_EQ(Read(one + name), Read(four + name)) << format << " " << name.toStdString();
        // Nor does the time of the run show in a file.
        EXPECT_FALSE(Read(one + Files(one).front()).contains("CreationDate"));
    }
}

TEST_F(CommandLine, VerifyFailsASymbolThatDoesNotScanAndWritesNothing) {
    // Light bars on a dark ground: readers take the dark modules for bars.
    const CliRun run =
        Run({"Quill", "-o", "inverted.png", "--fg", "#FFFFFF", "--bg", "#000000", "--verify"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.startsWith("quillmark-cli: Quill : Verification failed"))
        << run.Err.toStdString();
    EXPECT_TRUE(Files().isEmpty());

    // A symbology zxing-cpp can't read is said once, and its symbols are still written.
    MakeFolder("msi");
    const CliRun msi = Run({"--type", "msi", "--batch", "-", "-o", "msi/{n}.svg", "--verify"},
                           "1234\n5678\n9012\n");
    EXPECT_EQ(msi.ExitCode, 0);
    EXPECT_EQ(msi.Err.count(QStringLiteral("can't read MSI")), 1) << msi.Err.toStdString();
    EXPECT_EQ(Files("msi").size(), 3);
}

TEST_F(CommandLine, FindingsWarnOrUnderStrictFail) {
    // An EAN-13 of 12 digits under the engine's own mode: drawn padded, with a wrong check digit.
    const QStringList symbol = {"-t",           "ean13", "--checksum", "none",
                                "400638133393", "-o",    "a.png",      "--lenient"};
    const CliRun warned = Run(symbol);
    EXPECT_EQ(warned.ExitCode, 0);
    EXPECT_TRUE(warned.Err.startsWith("quillmark-cli: warning: The check digit of the EAN13"))
        << warned.Err.toStdString();
    EXPECT_TRUE(Run(symbol + QStringList{"-q"}).Err.isEmpty());
    QFile::remove(Path("a.png"));
    const CliRun strict = Run(symbol + QStringList{"--strict"});
    EXPECT_EQ(strict.ExitCode, 1);
    EXPECT_TRUE(strict.Err.startsWith("quillmark-cli: The check digit"))
        << strict.Err.toStdString();
    EXPECT_TRUE(Files().isEmpty());
}

// A value the symbol would change fails with the character and the rule, and writes
// nothing; --lenient draws what the engine makes of it, with a warning.
TEST_F(CommandLine, ValuesTheSymbolWouldChangeFailUnlessLenient) {
    const struct {
        QStringList Arguments;
        const char* Message;
    } cases[] = {
        {{"--type", "code128a", "abc"}, "abc : position 1: 'a' is not in Code128A"},
        {{"--type", "code39", "abc"}, "Code39 Extended carries it."},
        {{"Caf\u00E9"}, "position 4: '\u00E9' is not in Code128B"},
        {{"--type", "ean13", "12345"}, "EAN13 carries 12 digits and a check digit"},
        {{"--type", "codabar", "A40156B"}, "'A' is a start or stop character"},
        // AI syntax in EAN-128 would be drawn as data characters, unchecked.
        {{"--type", "gs1128b", "(01)09501101530003(10)AB-123"},
         "'(' opens the Application Identifier (01), which EAN128B would draw as data"},
        {{"--type", "ean128", "[01]09501101530003"}, "GS1-128 carries it."},
        // A wrong check digit is drawn as given only when asked to.
        {{"--type", "ean13", "4006381333932"}, "the EAN13 check digit is 1"},
        {{"--type", "postnet", "1234"}, "PostNet carries 5, 9 or 11 digits"},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(c.Arguments + QStringList{"-o", "x.png"});
        EXPECT_EQ(run.ExitCode, 1) << c.Message;
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Message))) << run.Err.toStdString();
        EXPECT_TRUE(Files().isEmpty());
        const CliRun lenient = Run(c.Arguments + QStringList{"-o", "x.png", "--lenient"});
        EXPECT_EQ(lenient.ExitCode, 0) << c.Message;
        EXPECT_TRUE(lenient.Err.contains(QStringLiteral("warning"))) << lenient.Err.toStdString();
        ASSERT_TRUE(QFile::remove(Path("x.png")));
    }
}

// GS1-128 refuses an element string GS1 doesn't allow, naming the AI, and writes nothing;
// the AIs' pairings count only under --gs1-strict.
TEST_F(CommandLine, GS1ElementStringsAreCheckedAndScanAsGS1) {
    const std::pair<const char*, const char*> refused[] = {
        {"(01)09501101530004", "(01) position 14: check digit should be 3, not 4"},
        {"(01)09501101530003(17)261301", "(17): month 13 is not a month"},
        {"(04)1234", "AI (04) is not defined"},
        {"(10)ABCDEFGHIJKLMNOPQRSTU", "(10)"},
        {"(10)ABCDEFGHIJKLMNOPQRST(21)ABCDEFGHIJKLMNOPQRST(240)ABC", "(240)"},
    };
    for (const auto& [value, message] : refused) {
        const CliRun run = Run({"--type", "gs1128", value, "-o", "x.png"});
        EXPECT_EQ(run.ExitCode, 1) << value;
        EXPECT_TRUE(run.Err.contains(QString::fromLatin1(message))) << run.Err.toStdString();
        EXPECT_TRUE(Files().isEmpty());
    }
    const QStringList batchOnly = {"--type", "gs1128", "(10)AB-123", "-o", "b.png"};
    EXPECT_EQ(Run(batchOnly).ExitCode, 0);
    const CliRun strict = Run(batchOnly + QStringList{"--gs1-strict", "-o", "s.png"});
    EXPECT_EQ(strict.ExitCode, 1);
    EXPECT_TRUE(strict.Err.contains("(10) needs (01)")) << strict.Err.toStdString();
    EXPECT_EQ(Files(), QStringList{"b.png"});
    const QImage image = QImage(Path("b.png")).convertToFormat(QImage::Format_Grayscale8);
    const auto scan = Scan(image.constBits(), image.width(), image.height(),
                           static_cast<int>(image.bytesPerLine()));
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->SymbologyId, "]C1");
    EXPECT_EQ(scan->Text, "10AB-123");
}

// --fit moves the module into the permitted range and says so; where no whole pixel count
// is in range the line fails, naming it.
TEST_F(CommandLine, FitAndReportAtADevicesResolution) {
    const QStringList ean = {"--type", "ean13", "400638133393", "--dpi", "203"};
    const CliRun fitted =
        Run(ean + QStringList{"--xdim", "0.25", "--fit", "--report", "-o", "a.png"});
    EXPECT_EQ(fitted.ExitCode, 0);
    EXPECT_TRUE(fitted.Err.contains("fitted to 3 pixels at 203 dpi: X-dimension 0.375 mm"))
        << fitted.Err.toStdString();
    EXPECT_TRUE(fitted.Err.contains("X-dimension: 0.375 mm (114% of 0.330 mm nominal"));
    // The file has the module chosen: 95 modules of 3 pixels and 11 + 7 of quiet zone.
    EXPECT_EQ(QImage(Path("a.png")).width(), (95 + 18) * 3);
    const CliRun none =
        Run({"--type", "ean13", "400638133393", "--dpi", "30", "--fit", "-o", "b.png"});
    EXPECT_EQ(none.ExitCode, 1);
    EXPECT_TRUE(none.Err.contains("permitted 0.264-0.660 mm")) << none.Err.toStdString();
    EXPECT_EQ(Files(), QStringList{"a.png"});
}

TEST_F(CommandLine, RefusesCommandLinesItCantRun) {
    const struct {
        QStringList Arguments;
        const char* Message;
    } cases[] = {
        {{}, "no value given"},
        {{"Quill"}, "no output given"},
        {{"Quill", "More", "-o", "a.png"}, "one value at a time"},
        {{"--type", "ean14", "1", "-o", "a.png"}, "unknown symbology; use one of Code_2_5"},
        {{"Quill", "-o", "a.gif"}, "unknown file type"},
        {{"Quill", "-o", "-"}, "--format png|svg|pdf|eps"},
        {{"Quill", "-o", "a.png", "--format", "svg"}, "doesn't match the extension"},
        {{"--checksum", "mod11", "1", "-o", "a.png"}, "choose one of auto, none, mod10"},
        {{"--xdim", "0", "1", "-o", "a.png"}, "out of range (0.01 to 100)"},
        {{"--fg", "red", "1", "-o", "a.png"}, "not a colour"},
        {{"--bogus", "1", "-o", "a.png"}, "unknown option '--bogus'"},
        {{"-o"}, "needs a value"},
        {{"--batch", "missing.txt", "-o", "{n}.png"}, "cannot read 'missing.txt'"},
        {{"--batch", "-", "-o", "nowhere/{n}.png"}, "cannot write into 'nowhere'"},
        {{"--batch", "-", "-o", "{line}.png"}, "unknown field {line}"},
        {{"--batch", "-", "-o", "-"}, "a batch writes files"},
        {{"--batch", "-", "-o", "fixed.png"}, "a batch needs {n} or {value} in -o"},
        {{"Quill", "-o", "nowhere/a.png"}, "cannot write into 'nowhere'"},
        {{"--batch", "-", "-o", "{n}.png", "--jobs", "0"}, "--jobs '0': at least 1 thread"},
        {{"--batch", "-", "-o", "{n}.png", "-j", "-2"}, "--jobs '-2': at least 1 thread"},
        {{"--batch", "-", "-o", "{n}.png", "--jobs", "4x"}, "not a whole number of threads"},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(c.Arguments, "1\n");
        EXPECT_EQ(run.ExitCode, 2) << c.Message;
        EXPECT_TRUE(run.Err.contains(QLatin1String(c.Message))) << run.Err.toStdString();
        EXPECT_TRUE(run.Err.endsWith("Try 'quillmark-cli --help'.\n")) << run.Err.toStdString();
    }
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(CommandLine, HostileLinesFailAloneWithShortMessages) {
    const QByteArray input = QByteArray(1000000, 'A') + "\n" + QByteArray(2000000, 'B') +
                             "\n\x01\xFF\xFE"
                             "abc\nok\n";
    const CliRun run = Run({"--batch", "-", "-o", "{n}-{value}.png", "--lenient"}, input);
    EXPECT_EQ(run.ExitCode, 1);
    const QStringList lines = run.Err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << run.Err.toStdString();
    EXPECT_TRUE(lines[0].startsWith("1: AAAA") && lines[0].contains("(1000000 bytes)"));
    EXPECT_LT(lines[0].size(), 120);
    EXPECT_TRUE(lines[1].startsWith("2: the line holds 2000000 bytes"));
    // Raw bytes are quoted for a UTF-8 terminal: 0xFF is the Latin-1 'ÿ' the engine saw.
    EXPECT_TRUE(lines[2].startsWith("3: warning: Code128B can't carry 0x01, '\u00FF' and '\u00FE'"))
        << lines[2].toStdString();
    EXPECT_EQ(Files(), QStringList({"3-___abc.png", "4-ok.png"}));
}

} // namespace
} // namespace quillmark::testing

namespace quillmark::testing {
namespace {

// Text beyond Latin-1 has no byte in any symbology: refused by character and code point,
// even under --lenient, in a single symbol and in a batch line.
TEST_F(CommandLine, TextBeyondLatin1IsRefusedByCharacter) {
    const QString russian = QString::fromUtf8("\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82");
    for (const QStringList& extra : {QStringList{}, QStringList{"--lenient"}}) {
        const CliRun run = Run(QStringList{"--type", "code128", russian, "-o", "x.png"} + extra);
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_TRUE(run.Err.contains(
            QString::fromUtf8("position 1: '\xD0\x9F' (U+041F) is not in Latin-1")))
            << run.Err.toStdString();
        EXPECT_TRUE(Files().isEmpty());
    }
    const CliRun batch = Run({"--type", "code128", "--batch", "-", "-o", "{n}.png"},
                             "ABC\n" + russian.toUtf8() + "\ncaf\xC3\xA9\n");
    EXPECT_EQ(batch.ExitCode, 1);
    EXPECT_TRUE(batch.Err.contains(QStringLiteral("2: ") + russian)) << batch.Err.toStdString();
    EXPECT_EQ(Files(), (QStringList{"1.png", "3.png"}));
    EXPECT_EQ(ScanFile("3.png"), "caf\xC3\xA9"); // the scanner gives UTF-8
}

// UPC-E's seven digits beginning with the number system read two ways: refused with both,
// unless --checksum none passes them to the engine as they are.
TEST_F(CommandLine, AmbiguousUpcEIsRefusedWithBothReadings) {
    const CliRun run = Run({"--type", "upce", "0425261", "-o", "e.png"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("number system 0 and 425261 (write 425261, or 04252614"))
        << run.Err.toStdString();
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(Run({"--type", "upce", "425261", "-o", "e.png", "--verify"}).ExitCode, 0);
    EXPECT_EQ(ScanFile("e.png"), "04252614");
}

// A symbol of start and stop characters alone carries nothing a reader finds.
TEST_F(CommandLine, AnEmptyValueIsRefused) {
    for (const char* type : {"code39", "code128", "postnet"}) {
        const CliRun run = Run({"--type", type, "", "-o", "e.png"});
        EXPECT_EQ(run.ExitCode, 1) << type;
        EXPECT_TRUE(run.Err.contains("The value is empty")) << run.Err.toStdString();
    }
    EXPECT_TRUE(Files().isEmpty());
}

// Sizes outside a symbology's standard are findings: warnings, and errors under --strict.
TEST_F(CommandLine, SizesOutsideTheStandardFailUnderStrict) {
    const struct {
        QStringList Arguments;
        const char* Finding;
    } cases[] = {
        {{"--type", "ean13", "400638133393", "--xdim", "0.2"}, "The X-dimension 0.169 mm"},
        // The first digit stands in EAN-13's leading zone, which the picture keeps.
        {{"--type", "ean13", "400638133393", "--quiet-zone", "off"}, "and 0X; EAN13 needs"},
        // 15 mm is 177 pixels at 300 dpi: 14.99 mm.
        {{"--type", "gs1128", "(01)09501101530003", "--height", "15"}, "The bar height 14.99 mm"},
    };
    for (const auto& c : cases) {
        const CliRun warned = Run(c.Arguments + QStringList{"-o", "w.png"});
        EXPECT_EQ(warned.ExitCode, 0) << c.Finding;
        EXPECT_TRUE(warned.Err.contains(QStringLiteral("warning: ")) &&
                    warned.Err.contains(QString::fromUtf8(c.Finding)))
            << warned.Err.toStdString();
        const CliRun strict = Run(c.Arguments + QStringList{"-o", "s.png", "--strict"});
        EXPECT_EQ(strict.ExitCode, 1) << c.Finding;
        EXPECT_FALSE(QFile::exists(Path("s.png"))) << c.Finding;
        ASSERT_TRUE(QFile::remove(Path("w.png")));
    }
}

// As they come, GS1-128 and PostNet are drawn at their standards' sizes, and PostNet gets
// its correction digit.
TEST_F(CommandLine, GS1AndPostNetAsTheyComeAreStandard) {
    const CliRun gs1 = Run({"--type", "gs1128", "(01)09501101530003", "--report", "-o", "g.png",
                            "--strict", "--verify"});
    EXPECT_EQ(gs1.ExitCode, 0) << gs1.Err.toStdString();
    EXPECT_TRUE(gs1.Err.contains("X-dimension: 0.508 mm")) << gs1.Err.toStdString();
    EXPECT_TRUE(gs1.Err.contains("bar height: 31.75 mm (standard at least 31.75 mm)"));
    const CliRun postnet =
        Run({"--type", "postnet", "12345", "--report", "-o", "p.svg", "--strict"});
    EXPECT_EQ(postnet.ExitCode, 0) << postnet.Err.toStdString();
    EXPECT_TRUE(postnet.Err.contains("X-dimension: 0.508 mm")) << postnet.Err.toStdString();
    EXPECT_TRUE(postnet.Err.contains("bar height: 3.17 mm (standard 2.92-3.43 mm)"))
        << postnet.Err.toStdString();
    EXPECT_TRUE(Read("p.svg").contains(">123455<")) << Read("p.svg").toStdString();
}

} // namespace
} // namespace quillmark::testing
