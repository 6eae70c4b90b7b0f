#include "../output/files_fixture.h"
#include "sheet_job.h"
#include "sheet_plan.h"
#include "template_database.h"

#include <quillmark/inks.h>
#include <quillmark/layout.h>
#include <quillmark/units.h>

#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace quillmark {
namespace {

const TTemplateDatabase& Database() {
    static const TTemplateDatabase Carried;
    return Carried;
}

// The resolution the pages are measured at: a pixel is 0.042 mm.
constexpr int MeasureDpi = 600;

constexpr int PageMegabytes = 512;
// Anything short of paper white.
constexpr int White = 250;

double Pixels(double MM) {
    return MM * MeasureDpi / MMPerInch;
}

TOutputJob Code128Job(double XMM = 0.33) {
    TOutputJob Job;
    Job.Description.Barcode.BarType = bcCode128B;
    Job.Description.Barcode.TextShow = tsNone; // the ink is the bars alone
    Job.Description.XDimensionMM = XMM;
    Job.Description.BarHeightMM = 10;
    return Job;
}

std::vector<TLabelRecord> Numbered(int Count) {
    std::vector<TLabelRecord> Records;
    for (int i = 1; i <= Count; ++i) {
        TLabelRecord Record;
        Record.Line = static_cast<std::uint64_t>(i);
        Record.Value = "QM-" + std::to_string(1000 + i);
        Records.push_back(Record);
    }
    return Records;
}

struct TRun {
    TSheetSummary Summary;
    std::vector<std::string> Errors; // one a label: empty where it was drawn
};

std::ostream& operator<<(std::ostream& Out, const TRun& Run) {
    for (const std::string& Error : Run.Errors)
        Out << Error << '\n';
    return Out;
}

TRun RunSheets(const TOutputJob& Job, const TSheetSettings& Settings,
               const std::vector<TLabelRecord>& Records, const std::string& FileName) {
    std::size_t At = 0;
    TRun Done;
    Done.Summary = RunSheetJob(
        Job, Settings,
        [&]() -> std::optional<TLabelRecord> {
            return At < Records.size() ? std::optional(Records[At++]) : std::nullopt;
        },
        FileName,
        [&](const TLabelOutcome& Outcome) {
            std::string Error;
            if (Outcome.Error) {
                try {
                    std::rethrow_exception(Outcome.Error);
                } catch (const std::exception& Refusal) {
                    Error = Refusal.what();
                }
            }
            Done.Errors.push_back(Error);
        });
    return Done;
}

TSheetSettings On(const std::string& Name) {
    TSheetSettings Settings;
    Settings.Sheet = Database().Find(Name);
    return Settings;
}

// The box of the pixels darker than Below in Area of a page; empty where there are none.
QRect Ink(const QImage& Page, const QRect& Area, int Below = 128) {
    QRect Box;
    const QRect Inside = Area.intersected(Page.rect());
    for (int Y = Inside.top(); Y <= Inside.bottom(); ++Y) {
        const uchar* Line = Page.constScanLine(Y);
        for (int X = Inside.left(); X <= Inside.right(); ++X)
            if (Line[X] < Below)
                Box |= QRect(X, Y, 1, 1);
    }
    return Box;
}

QRect CellPixels(const TLabelCell& Cell) {
    return QRect(QPoint(static_cast<int>(Pixels(Cell.X)), static_cast<int>(Pixels(Cell.Y))),
                 QPoint(static_cast<int>(Pixels(Cell.X + Cell.Width)) - 1,
                        static_cast<int>(Pixels(Cell.Y + Cell.Height)) - 1));
}

class SheetJob : public Files {
protected:
    std::string File(const char* Name) const { return Path(Name).toStdString(); }
    // The pages of a PDF in grey at MeasureDpi (an A4 page is past Qt's default limit on
    // what it reads).
    std::vector<QImage> Pages(const std::string& Pdf, int Count) {
        QImageReader::setAllocationLimit(PageMegabytes);
        RunTool(QStringLiteral(QUILLMARK_PDFTOPPM), {"-r", QString::number(MeasureDpi), "-gray",
                                                     QString::fromStdString(Pdf), Path("page")});
        std::vector<QImage> Read;
        for (int i = 1; i <= Count; ++i)
            Read.emplace_back(Path("page-") + QString::number(i) + ".pgm");
        return Read;
    }
    QString Info(const std::string& Pdf) {
        QByteArray Out;
        RunTool(QStringLiteral(QUILLMARK_PDFINFO),
                {"-f", "1", "-l", "99", QString::fromStdString(Pdf)}, &Out);
        return QString::fromUtf8(Out);
    }
};

// Avery L7160, 21 labels on A4: 50 records take three pages, each symbol centred in its cell
// at its true size, reading back as its record both as drawn (the verifier) and from the PDF.
TEST_F(SheetJob, FillsThreeA4PagesOfAveryL7160WithCentredSymbolsAtTrueSize) {
    TOutputJob Job = Code128Job();
    int Verified = 0;
    Job.Verifier = [&](const QImage& Picture, const TBarcodeDescription& Description) {
        ++Verified;
        // The cell at 600 dpi or more: 64 mm is 1,500 pixels.
        EXPECT_GE(Picture.width(), Pixels(63.9));
        const auto Read = ScanImage(Picture, false);
        if (!Read || Read->Text != Description.Barcode.BarCode)
            throw Exception("read back differently");
        return std::optional<std::string>();
    };
    const TSheetSettings Settings = On("Avery L7160");
    const std::vector<TLabelRecord> Records = Numbered(50);
    const TRun Done = RunSheets(Job, Settings, Records, File("sheet.pdf"));
    EXPECT_TRUE(Done.Summary.Written) << Done;
    EXPECT_EQ(Done.Summary.Labels, 50u);
    EXPECT_EQ(Done.Summary.Pages, 3);
    EXPECT_EQ(Verified, 50);
    EXPECT_EQ(Done.Errors, std::vector<std::string>(50));
    EXPECT_TRUE(Info(File("sheet.pdf")).contains(QRegularExpression("Pages:\\s+3\\b")));

    // The bars' true width: the whole picture less its quiet zones.
    const std::vector<QImage> Pages = this->Pages(File("sheet.pdf"), 3);
    const auto All = Cells(Settings.Sheet);
    for (std::size_t i = 0; i < Records.size(); ++i) {
        TBarcodeDescription Description = Job.Description;
        Description.Barcode.BarCode = Records[i].Value;
        const TOutputLayout Layout = VectorLayout(Description);
        const double BarsMM =
            static_cast<double>(Layout.Size.width() - Layout.Leading - Layout.Trailing) /
            Layout.UnitsPerMM;
        const TLabelCell& Cell = All[i % All.size()];
        const QRect Area = CellPixels(Cell);
        const QImage& Page = Pages[i / All.size()];
        const QRect Box = Ink(Page, Area);
        ASSERT_FALSE(Box.isEmpty()) << i;
        const double CentreX = (Box.left() + Box.right() + 1) / 2.0;
        const double CentreY = (Box.top() + Box.bottom() + 1) / 2.0;
        EXPECT_NEAR(CentreX, Pixels(Cell.X + Cell.Width / 2), Pixels(0.1)) << i;
        EXPECT_NEAR(CentreY, Pixels(Cell.Y + Cell.Height / 2), Pixels(0.1)) << i;
        EXPECT_NEAR(Box.width(), Pixels(BarsMM), Pixels(0.1)) << i;
        EXPECT_NEAR(Box.height(), Pixels(10), Pixels(0.1)) << i;
        const auto Read = ScanImage(Page.copy(Area), false);
        ASSERT_TRUE(Read) << i;
        EXPECT_EQ(Read->Text, Records[i].Value);
    }
}

TEST_F(SheetJob, SkipLeavesTheFirstCellsEmpty) {
    TSheetSettings Settings = On("Avery L7160");
    Settings.Skip = 5;
    const TRun Done = RunSheets(Code128Job(), Settings, Numbered(3), File("skip.pdf"));
    ASSERT_TRUE(Done.Summary.Written) << Done;
    const QImage Page = Pages(File("skip.pdf"), 1)[0];
    const auto All = Cells(Settings.Sheet);
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(Ink(Page, CellPixels(All[i])).isEmpty(), i < 5 || i >= 8) << i;
}

// A symbol too large for its label is refused with both sizes; the other records are still
// reported, and no file is written.
TEST_F(SheetJob, RefusesATooLargeSymbolAndWritesNoFile) {
    std::vector<TLabelRecord> Records = Numbered(3);
    Records[1].Value = "A LONGER VALUE THAN FITS";
    const TRun Done = RunSheets(Code128Job(0.4), On("Avery L7160"), Records, File("large.pdf"));
    EXPECT_FALSE(Done.Summary.Written);
    EXPECT_FALSE(QFileInfo::exists(Path("large.pdf")));
    const std::vector<std::string> Expected{"", Done.Errors.at(1), ""};
    EXPECT_EQ(Done.Errors, Expected);
    for (const char* Part : {" mm with its quiet zones, too large for the ",
                             " mm printable area of Avery L7160's label inside its markup margin",
                             " mm or less would fit it"})
        EXPECT_NE(Done.Errors[1].find(Part), std::string::npos) << Done.Errors[1];
}

// Avery 3274.2 (round) and 5824 (CD): every dark pixel of the label lies inside the shape
// less its margin, and a CD's clear of its hole; with Outline, the edge is drawn as well.
TEST_F(SheetJob, KeepsTheBlockInsideRoundAndCdLabels) {
    for (const char* Name : {"Avery 3274.2", "Avery 5824"}) {
        TSheetSettings Settings = On(Name);
        std::vector<TLabelRecord> Records = Numbered(1);
        Records[0].Text = {"Disc one"};
        const std::string Pdf = File("round.pdf");
        const TRun Done = RunSheets(Code128Job(0.2), Settings, Records, Pdf);
        ASSERT_TRUE(Done.Summary.Written) << Name << "\n" << Done;
        const QImage Page = Pages(Pdf, 1)[0];
        const TLabelCell Cell = Cells(Settings.Sheet)[0];
        const double M = Settings.Sheet.MarkupMarginX;
        const double Outer = Pixels(Settings.Sheet.Radius - M + 0.1);
        const double Hole = Settings.Sheet.Hole > 0 ? Pixels(Settings.Sheet.Hole + M - 0.1) : 0;
        const QPointF Centre(Pixels(Cell.X + Settings.Sheet.Radius),
                             Pixels(Cell.Y + Settings.Sheet.Radius));
        const QRect Area = CellPixels(Cell);
        int Dark = 0;
        for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
            for (int X = Area.left(); X <= Area.right(); ++X)
                if (Page.constScanLine(Y)[X] < 128) {
                    ++Dark;
                    const double R = std::hypot(X + 0.5 - Centre.x(), Y + 0.5 - Centre.y());
                    ASSERT_LE(R, Outer) << Name << " at " << X << "," << Y;
                    ASSERT_GE(R, Hole) << Name << " at " << X << "," << Y;
                }
        EXPECT_GT(Dark, 0) << Name;
        const auto Read = ScanImage(Page.copy(Area), false);
        ASSERT_TRUE(Read) << Name;
        EXPECT_EQ(Read->Text, Records[0].Value) << Name;
        // A test print outlines the label, thin and grey: marks on its edge, left of the centre.
        Settings.Outline = true;
        ASSERT_TRUE(RunSheets(Code128Job(0.2), Settings, Records, Pdf).Summary.Written) << Name;
        const QRect Edge(static_cast<int>(Pixels(Cell.X)) - 3, static_cast<int>(Centre.y()) - 3, 7,
                         7);
        EXPECT_TRUE(Ink(Page, Edge, White).isEmpty()) << Name;
        EXPECT_FALSE(Ink(Pages(Pdf, 1)[0], Edge, White).isEmpty()) << Name;
    }
}

// Dymo 30252 is a roll of 28 x 89 mm labels: a page each.
TEST_F(SheetJob, GivesARollOnePageALabelAtItsSize) {
    const TRun Done = RunSheets(Code128Job(0.2), On("Dymo 30252"), Numbered(3), File("roll.pdf"));
    ASSERT_TRUE(Done.Summary.Written) << Done;
    EXPECT_EQ(Done.Summary.Pages, 3);
    const QString Info = this->Info(File("roll.pdf"));
    const auto Sizes =
        QRegularExpression("Page +\\d+ size: +([\\d.]+) x ([\\d.]+) pts").globalMatch(Info);
    int Count = 0;
    for (auto Each = Sizes; Each.hasNext(); ++Count) {
        const auto Size = Each.next();
        EXPECT_NEAR(Size.captured(1).toDouble(), 28 * 72 / MMPerInch, 0.01) << Info.toStdString();
        EXPECT_NEAR(Size.captured(2).toDouble(), 89 * 72 / MMPerInch, 0.01) << Info.toStdString();
    }
    EXPECT_EQ(Count, 3) << Info.toStdString();
}

// A record's lines of text are drawn under its symbol as text a reader finds.
TEST_F(SheetJob, DrawsTheRecordsLinesOfText) {
    std::vector<TLabelRecord> Records = Numbered(2);
    Records[0].Text = {"Box 12", "Shelf A"};
    Records[1].Text = {"Caf\xC3\xA9 stock"};
    TSheetSettings Settings = On("Avery L7160");
    Settings.TextFont = QFont(DefaultFontFamily);
    Settings.TextFont.setPointSizeF(9);
    ASSERT_TRUE(RunSheets(Code128Job(), Settings, Records, File("text.pdf")).Summary.Written);
    QByteArray Out;
    RunTool(QStringLiteral(QUILLMARK_PDFTOTEXT), {Path("text.pdf"), "-"}, &Out);
    const QString Text = QString::fromUtf8(Out);
    for (const char* Line : {"Box 12", "Shelf A", "Caf\xC3\xA9 stock"})
        EXPECT_TRUE(Text.contains(QString::fromUtf8(Line))) << Line << "\n" << Out.toStdString();
}

// Under the CMYK colour model the lines are black ink alone, as the symbols are: Ghostscript's
// count of each plate's ink finds none on cyan, magenta or yellow.
TEST_F(SheetJob, LinesOfTextInCmykAreBlackInkAlone) {
    std::vector<TLabelRecord> Records = Numbered(1);
    Records[0].Text = {"Box 12", "Shelf A"};
    TOutputJob Job = Code128Job();
    UseCmykModel(Job.Description);
    TSheetSettings Settings = On("Avery L7160");
    Settings.TextFont = QFont(DefaultFontFamily);
    Settings.TextFont.setPointSizeF(12);
    ASSERT_TRUE(RunSheets(Job, Settings, Records, File("cmyk.pdf")).Summary.Written);
    QByteArray Out;
    RunTool(
        QStringLiteral(QUILLMARK_GS),
        {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=inkcov", "-o", "-", Path("cmyk.pdf")},
        &Out);
    const QStringList Plates = QString::fromLatin1(Out).split(
        QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    ASSERT_GE(Plates.size(), 4) << Out.toStdString();
    EXPECT_EQ(Plates[0].toDouble() + Plates[1].toDouble() + Plates[2].toDouble(), 0)
        << Out.toStdString();
    EXPECT_GT(Plates[3].toDouble(), 0);
}

} // namespace
} // namespace quillmark
