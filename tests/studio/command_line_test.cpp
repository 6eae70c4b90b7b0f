// The command shown beside Save, run through sh with the built quillmark-cli, must write the
// very bytes Save writes.
#include "command_line.h"
#include "shell_run.h"
#include "studio_jobs.h"

#include <quillmark/ink_text.h>
#include <quillmark/output_job.h>
#include <type_description.h>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillmark::studio {
namespace {

struct TCase {
    const char* Name; // the file's name, without its extension
    TBarType Type;
    std::string Value; // engine bytes
    std::function<void(TOutputJob&, TSaveRequest&)> Set = {};
};

const TFileFormat Formats[] = {TFileFormat::Png, TFileFormat::Svg, TFileFormat::Pdf};

std::string Suffix(TFileFormat Format) {
    return Format == TFileFormat::Png ? ".png" : Format == TFileFormat::Svg ? ".svg" : ".pdf";
}

void Strict(TOutputJob& Job, TSaveRequest& Request) {
    Job.Gate = [](const std::vector<std::string>& Findings) { return Findings.empty(); };
    Request.Strict = true;
}

const std::vector<TCase>& Cases() {
    static const std::vector<TCase> cases{
        {"plain", bcCode128B, "QM-1001"},
        {"retail add-on", bcCodeEAN13, "400638133393+12",
         [](TOutputJob& J, TSaveRequest&) {
             J.Description.Barcode.QuietZoneMarks = true;
             J.Description.Barcode.Orientation = toTopBottom;
             // Only the over-bars layout draws the text's box.
             J.Description.Barcode.TextColor = 0x0000FF;
         }},
        {"upc check digit given", bcCodeUPC_A, "036000291452",
         [](TOutputJob& J, TSaveRequest&) {
             J.CheckDigits = TCheckDigits::None;
             J.Description.Barcode.TextLayout = tlOverBars;
             J.Description.Barcode.TextColor = 0x00FFFF; // yellow box
         }},
        {"book with add-on", bcCodeISBN, "978-0-306-40615-7+51299"},
        {"industrial look", bcCode39, "QM 1001",
         [](TOutputJob& J, TSaveRequest&) {
             TBarcodeDescription& d = J.Description;
             d.Barcode.Ratio = 3;
             d.XDimensionMM = 0.4;
             d.Dpi = 600;
             d.BarHeightMM = 12.5;
             d.QuietZone = 5;
             d.Barcode.TextShow = tsBoth;
             d.Barcode.TextPosition = tpTopLeft;
             d.Barcode.ColorBar = d.FontColor = 0x802010;
             d.Barcode.ColorSpc = d.Barcode.TextColor = 0xE0F0FF;
             // A two-dimensional symbol's settings change nothing here.
             d.Barcode.Matrix.QrLevel = TQrLevel::H;
             d.Barcode.Matrix.DataBarSegments = 6;
         }},
        {"mod10", bcCode39, "123456",
         [](TOutputJob& J, TSaveRequest&) {
             J.CheckDigits = TCheckDigits::Mod10;
             J.Description.Barcode.Orientation = toRightLeft;
         }},
        {"lenient", bcCode39, "qm-1001", [](TOutputJob& J, TSaveRequest&) { J.Lenient = true; }},
        {"postal", bcCodePostNet, "12345",
         [](TOutputJob& J, TSaveRequest&) { J.Description.QuietZone = 0; }},
        {"it's \"quoted\" $HOME `x`", bcCode128, "it's a \"test\" $HOME \\ `x`",
         [](TOutputJob& J, TSaveRequest&) {
             TBarcodeDescription& d = J.Description;
             d.Font.setFamily(QStringLiteral("DejaVu Serif"));
             d.FontSizePt = 10.5;
             d.Font.setPixelSize(30); // the layout sets the size from FontSizePt
             d.Barcode.TextLayout = tlOverBars;
             d.Barcode.ColorSpc = 0xCCCCCC;
             d.Barcode.TextColor = 0xCCCCCC; // follows --bg
             J.Report = true;
         }},
        {"latin-1", bcCode128, "caf\xE9 \xBD \xFF", {}},
        {"leading dash", bcCode128B, "-o x.png --help", Strict},
        {"gs1 logistics", bcCodeGS1_128, "(01)09501101530003(17)260101(10)AB-123",
         [](TOutputJob& J, TSaveRequest&) {
             J.GS1Pairings = true;
             J.Description.Barcode.TextPosition = tpBottomLeft;
         }},
        {"fitted", bcCodeEAN8, "9638507",
         [](TOutputJob& J, TSaveRequest&) {
             J.FitToDevice = true;
             J.Description.XDimensionMM = 0.3;
             J.Description.Dpi = 200;
         }},
        {"bearers", bcCodeITF14, "1540014128876",
         [](TOutputJob& J, TSaveRequest&) {
             J.Description.Barcode.Bearers = TITF14Bearers::TopAndBottom;
             J.Description.Barcode.BearerModules = 3;
         }},
        {"qr", bcCodeQR, "h\xE9llo 'w\xF6rld'",
         [](TOutputJob& J, TSaveRequest& R) {
             TBarcodeDescription& d = J.Description;
             d.Barcode.Matrix.QrLevel = TQrLevel::H;
             d.Barcode.Matrix.QrVersion = 5;
             d.XDimensionMM = 0.5;
             d.Barcode.Orientation = toBottomTop;
             // Bars' settings change nothing here.
             d.Barcode.Ratio = 3;
             d.BarHeightMM = 20;
             R.Verify = true;
         }},
        {"micro qr", bcCodeMicroQR, "12345",
         [](TOutputJob& J, TSaveRequest&) {
             J.Description.Barcode.Matrix.QrLevel = TQrLevel::L;
             J.Description.Barcode.Matrix.QrVersion = 2;
         }},
        {"matrix size", bcCodeDataMatrix, "-dash",
         [](TOutputJob& J, TSaveRequest&) {
             J.Description.Barcode.Matrix.DataMatrixRows = 16;
             J.Description.Barcode.Matrix.DataMatrixColumns = 16;
             J.Description.QuietZone = 2;
         }},
        {"matrix shape", bcCodeGS1DataMatrix, "(01)09501101530003(10)AB-123",
         [](TOutputJob& J, TSaveRequest&) {
             J.Description.Barcode.Matrix.DataMatrixShape = TDataMatrixShape::Rectangle;
             J.Description.Barcode.TextShow = tsBarCode;
         }},
        {"digital link", bcCodeGS1DigitalLinkQR, "(01)09501101530003(10)AB-123",
         [](TOutputJob& J, TSaveRequest&) {
             J.Description.Barcode.Matrix.DigitalLinkDomain = "https://example.com/shop";
         }},
        {"databar segments", bcCodeDataBarExpandedStacked, "(01)09501101530003(3103)000123",
         [](TOutputJob& J, TSaveRequest&) {
             J.Description.Barcode.Matrix.DataBarSegments = 2;
             J.Description.Barcode.TextShow = tsNone;
         }},
        {"print inks", bcCode128B, "QM-1001",
         [](TOutputJob& J, TSaveRequest&) {
             TBarcodeDescription& d = J.Description;
             const TInk orange = ReadInk("cmyk(0,60,100,10)");
             SetBarInk(d, orange);
             SetTextInk(d, orange);
             d.Barcode.TextLayout = tlOverBars;
             SetTextBoxInk(d, ReadInk("cmyk(0,0,20,0)"));
         }},
        {"colour model", bcCodeEAN13, "400638133393",
         [](TOutputJob& J, TSaveRequest&) {
             TBarcodeDescription& d = J.Description;
             d.Barcode.ColorSpc = d.Barcode.TextColor = 0xE0F0FF;
             UseCmykModel(d);
         }},
        {"print spread", bcCode39, "SPREAD-39",
         [](TOutputJob& J, TSaveRequest&) {
             J.Description.Transparent = true;
             J.Description.BarWidthReductionMM = 0.05;
             J.Report = true;
             J.GainMM = 0.05;
         }},
        {"dots off", bcCodeDataBar, "(01)09501101530003",
         [](TOutputJob& J, TSaveRequest&) { J.Description.BarWidthReductionDots = 1; }},
        {"databar", bcCodeDataBarLimited, "(01)09501101530003",
         [](TOutputJob& J, TSaveRequest&) { J.Description.XDimensionMM = 0.25; }},
    };
    return cases;
}

class StudioCommandRun : public ::testing::Test {
protected:
    // Runs Line through sh in the test's folder, quillmark-cli found on the PATH.
    void RunShell(const std::string& Line) { studio::RunShell(Dir.path(), Line); }

    QTemporaryDir Dir;
};

TEST_F(StudioCommandRun, WritesTheFileSaveWrites) {
    for (const TCase& c : Cases())
        for (const TFileFormat format : Formats) {
            SCOPED_TRACE(std::string(c.Name) + Suffix(format));
            TOutputJob job = JobFor(c.Type);
            job.Format = format;
            TSaveRequest request{c.Value, QString::fromUtf8(c.Name + Suffix(format))};
            if (c.Set)
                c.Set(job, request);
            QByteArray saved;
            RunOutputJob(job, c.Value, [&saved](const QByteArray& Bytes) { saved = Bytes; });
            ASSERT_FALSE(saved.isEmpty());

            const TCommandLine command = CommandLineOf(job, request);
            EXPECT_TRUE(command.Unexpressed.empty()) << command.Unexpressed.front();
            RunShell(command.Line);
            QFile written(Dir.filePath(request.FileName));
            ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << command.Line;
            EXPECT_TRUE(written.readAll() == saved) << command.Line;
        }
}

// A ZPL label is black on white at a printer's resolution: the cases above are mostly not.
TEST_F(StudioCommandRun, WritesTheZplLabelSaveWrites) {
    const struct {
        const char* FileName;
        TBarType Type;
        const char* Value;
        TZplForm Form;
    } cases[] = {
        {"graphic.zpl", bcCodeEAN13, "4006381333931", TZplForm::Graphic},
        {"native.zpl", bcCodeGS1_128, "(01)09501101530003(10)AB-123", TZplForm::Native},
    };
    for (const auto& c : cases) {
        TOutputJob job = JobFor(c.Type);
        job.Format = TFileFormat::Zpl;
        job.ZplForm = c.Form;
        job.Description.Dpi = 203;
        const TSaveRequest request{c.Value, QString::fromLatin1(c.FileName)};
        QByteArray saved;
        RunOutputJob(job, c.Value, [&saved](const QByteArray& Bytes) { saved = Bytes; });
        const TCommandLine command = CommandLineOf(job, request);
        EXPECT_TRUE(command.Unexpressed.empty()) << command.Line;
        RunShell(command.Line);
        QFile written(Dir.filePath(request.FileName));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << command.Line;
        EXPECT_TRUE(written.readAll() == saved) << command.Line;
    }
}

TEST(StudioCommand, LeavesDefaultsOut) {
    TSaveRequest request{"QM-1001", QStringLiteral("a.png")};
    EXPECT_EQ(CommandLineOf(JobFor(bcCode128B), request).Arguments,
              (std::vector<std::string>{"-o", "a.png", "QM-1001"}));
    // A two-dimensional type's own text default (none) is no option either.
    EXPECT_EQ(CommandLineOf(JobFor(bcCodeQR), request).Line,
              "quillmark-cli -t qr -o a.png QM-1001");
}

TEST(StudioCommand, NamesWhatItCannotSay) {
    struct TUnsaid {
        const char* Name;
        std::function<void(TOutputJob&, TSaveRequest&)> Set;
        const char* Named; // in the sentence
    };
    const TUnsaid cases[] = {
        {"text in another colour",
         [](TOutputJob& J, TSaveRequest&) { J.Description.FontColor = 0x0000FF; }, "--fg"},
        {"bold font", [](TOutputJob& J, TSaveRequest&) { J.Description.Font.setBold(true); },
         "style"},
        {"NUL in the value", [](TOutputJob&, TSaveRequest& R) { R.Value = std::string("a\0b", 3); },
         "NUL"},
        {"extension of another format",
         [](TOutputJob& J, TSaveRequest&) { J.Format = TFileFormat::Svg; }, ".svg"},
        {"a gate of its own",
         [](TOutputJob& J, TSaveRequest&) { J.Gate = [](const auto&) { return true; }; },
         "--strict"},
        {"X out of range", [](TOutputJob& J, TSaveRequest&) { J.Description.XDimensionMM = 500; },
         "--xdim"},
    };
    for (const TUnsaid& c : cases) {
        SCOPED_TRACE(c.Name);
        TOutputJob job = JobFor(bcCode128B);
        TSaveRequest request{"QM-1001", QStringLiteral("a.png")};
        c.Set(job, request);
        const std::vector<std::string> unsaid = CommandLineOf(job, request).Unexpressed;
        ASSERT_EQ(unsaid.size(), 1u);
        EXPECT_NE(unsaid.front().find(c.Named), std::string::npos) << unsaid.front();
    }
}

TEST(StudioCommand, FormatWithoutExtension) {
    TOutputJob job = JobFor(bcCode128B);
    job.Format = TFileFormat::Svg;
    const TCommandLine command = CommandLineOf(job, {"1", QStringLiteral("label")});
    EXPECT_TRUE(command.Unexpressed.empty());
    EXPECT_EQ(command.Line, "quillmark-cli --format svg -o label 1");
}

TEST(StudioCommand, QuotesWordsForSh) {
    const std::pair<std::string, std::string> cases[] = {
        {"QM-1001", "QM-1001"}, {"", "''"},   {"a b", "'a b'"}, {"it's", "'it'\\''s'"},
        {"$HOME", "'$HOME'"},   {"*", "'*'"}, {"~", "'~'"},     {"caf\xC3\xA9", "'caf\xC3\xA9'"},
        {"a\nb", "'a\nb'"},
    };
    for (const auto& [word, quoted] : cases)
        EXPECT_EQ(ShellWord(word), quoted) << word;
}

} // namespace
} // namespace quillmark::studio
