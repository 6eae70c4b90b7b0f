// The sheet document read by poppler's tools: pages of the sizes asked, symbols where they
// were placed at true size and scanning, from the page and from Raster, outlines and text
// where drawn, the text as wide as MeasureText says; no file unless finished.
#include "files_fixture.h"
#include <quillmark/sheet_document.h>
#include <quillmark/units.h>

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

constexpr int Dpi = 600;
constexpr double PerMM = Dpi / MMPerInch;
constexpr double Tolerance = 0.1; // millimetres on paper

// Two pages of different sizes, things at awkward fractions of a millimetre.
constexpr double PageSizes[][2] = {{210, 297}, {100, 150}};
const struct {
    int Page;
    const char* Value;
    double Left, Top;
} Symbols[] = {
    {0, "QM-0001", 20, 30}, {0, "SHEET-4821-Kq", 110.35, 200.2}, {1, "P2/77", 10.55, 40.25}};
const struct Line {
    int Page;
    const char* Text;
    double Points, Left, Baseline;
} Lines[] = {
    {0, "Lot4821-A", 10, 20, 60}, {0, "Größe", 14, 120.4, 250.5}, {1, "Second", 8, 12.3, 100}};

TOutputLayout LayoutOf(const char* Value) {
    TBarcodeDescription d;
    d.Barcode.BarCode = Value;
    d.XDimensionMM = 0.33;
    return VectorLayout(d);
}

QFont FontOf(double Points) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(Points);
    return font;
}

QRectF LineArea(const Line& L) {
    const double em = L.Points * MMPerPoint;
    return QRectF(L.Left - 1, L.Baseline - 1.2 * em, 2 + 5 * em, 1.6 * em);
}

// The box, in millimetres from Origin, of the pixels darker than Below within Within.
QRectF InkBox(const QImage& Image, QPointF Origin, QRectF Within, int Below = 128) {
    const QImage grey = Image.convertToFormat(QImage::Format_Grayscale8);
    const QRect pixels = QRectF((Within.topLeft() - Origin) * PerMM, Within.size() * PerMM)
                             .toAlignedRect()
                             .intersected(grey.rect());
    QRect box;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            box |= grey.constScanLine(y)[x] < Below ? QRect(x, y, 1, 1) : QRect();
    return QRectF(Origin + QPointF(box.topLeft()) / PerMM, QSizeF(box.size()) / PerMM);
}

class SheetDocument : public Files {
protected:
    QImage PageArea(const QString& File, int Page, const QRectF& AreaMM) {
        const QRect area(QRectF(AreaMM.topLeft() * PerMM, AreaMM.size() * PerMM).toRect());
        const QString page = QString::number(Page + 1);
        RunTool(QStringLiteral(QUILLMARK_PDFTOPPM),
                {"-r", QString::number(Dpi), "-gray", "-singlefile", "-f", page, "-l", page, "-x",
                 QString::number(area.x()), "-y", QString::number(area.y()), "-W",
                 QString::number(area.width()), "-H", QString::number(area.height()), File,
                 Path("area")});
        return QImage(Path("area.pgm"));
    }
};

TEST_F(SheetDocument, PlacesSymbolsOutlinesAndTextWhereAskedAtTrueSize) {
    const QString file = Path("sheet.pdf");
    std::vector<std::pair<QImage, QRectF>> symbolRasters; // Raster's pictures, and their areas
    std::vector<QImage> lineRasters;
    {
        TSheetDocument document(file.toStdString(), "Größe labels");
        for (int page = 0; page < 2; ++page) {
            document.BeginPage(PageSizes[page][0], PageSizes[page][1]);
            for (const Line& l : Lines)
                if (l.Page == page) {
                    document.Text(QString::fromUtf8(l.Text), FontOf(l.Points), l.Left, l.Baseline);
                    lineRasters.push_back(document.Raster(LineArea(l), Dpi));
                }
            for (const auto& s : Symbols)
                if (s.Page == page) {
                    const TOutputLayout layout = LayoutOf(s.Value);
                    document.Symbol(layout, s.Left, s.Top);
                    const QRectF area(QPointF(s.Left, s.Top),
                                      QSizeF(layout.Size) / layout.UnitsPerMM);
                    QPainterPath outline;
                    outline.addRoundedRect(area.adjusted(-2, -2, 2, 2), 1.5, 1.5);
                    document.Outline(outline);
                    const QRectF around = area.adjusted(-3, -3, 3, 3);
                    symbolRasters.emplace_back(document.Raster(around, Dpi), around);
                }
            document.EndPage();
        }
        EXPECT_EQ(document.Pages(), 2);
        document.Finish();
    }

    QByteArray info;
    RunTool(QStringLiteral(QUILLMARK_PDFINFO), {"-f", "1", "-l", "2", file}, &info);
    const QString told = QString::fromUtf8(info);
    EXPECT_TRUE(told.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\n"))));
    EXPECT_TRUE(told.contains(QRegularExpression(QStringLiteral("Title:\\s+Größe labels\n"))));
    for (int page = 0; page < 2; ++page) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("Page\\s+%1 size:\\s+(\\S+) x (\\S+) ").arg(page + 1))
                .match(told);
        EXPECT_NEAR(m.captured(1).toDouble() / PointsPerMM, PageSizes[page][0], 0.01) << page;
        EXPECT_NEAR(m.captured(2).toDouble() / PointsPerMM, PageSizes[page][1], 0.01) << page;
    }

    for (std::size_t i = 0; i < std::size(Symbols); ++i) {
        const auto& s = Symbols[i];
        const TOutputLayout layout = LayoutOf(s.Value);
        QRect bars;
        for (const TBarFill& fill : layout.Bars)
            bars |= fill.Bar ? fill.Rect : QRect();
        const QRectF expected(QPointF(s.Left, s.Top) + QPointF(bars.topLeft()) / layout.UnitsPerMM,
                              QSizeF(bars.size()) / layout.UnitsPerMM);
        const auto& [raster, around] = symbolRasters[i];
        for (const auto& [picture, from] :
             {std::pair(PageArea(file, s.Page, around), "pdftoppm"), std::pair(raster, "Raster")}) {
            const QRectF box = InkBox(picture, around.topLeft(), expected.adjusted(-1, -1, 1, 0));
            EXPECT_NEAR(box.left(), expected.left(), Tolerance) << s.Value << ' ' << from;
            EXPECT_NEAR(box.right(), expected.right(), Tolerance) << s.Value << ' ' << from;
            EXPECT_NEAR(box.top(), expected.top(), Tolerance) << s.Value << ' ' << from;
            // The outline 2 mm above: grey enough for the band to see, never black.
            const QRectF edge(s.Left + 5, s.Top - 2.5, 1, 1);
            EXPECT_NEAR(InkBox(picture, around.topLeft(), edge, 200).top(), s.Top - 2.05, Tolerance)
                << s.Value << ' ' << from;
            EXPECT_TRUE(InkBox(picture, around.topLeft(), edge, 64).isEmpty()) << from;
            const auto scan = ScanImage(picture, false);
            ASSERT_TRUE(scan) << s.Value << ' ' << from;
            EXPECT_EQ(scan->Text, s.Value) << from;
        }
    }

    // Each word's box in points: where the line starts and as wide as MeasureText says; and
    // the line's ink where Raster has it.
    QByteArray boxes;
    RunTool(QStringLiteral(QUILLMARK_PDFTOTEXT), {"-bbox", file, "-"}, &boxes);
    for (std::size_t i = 0; i < std::size(Lines); ++i) {
        const Line& l = Lines[i];
        const QString text = QString::fromUtf8(l.Text);
        const QRegularExpressionMatch m =
            QRegularExpression(
                QStringLiteral("xMin=\"(\\S+)\" \\S+ xMax=\"(\\S+)\" \\S+>%1<").arg(text))
                .match(QString::fromUtf8(boxes));
        ASSERT_TRUE(m.hasMatch()) << l.Text << '\n' << boxes.data();
        const double left = m.captured(1).toDouble() / PointsPerMM;
        EXPECT_NEAR(left, l.Left, Tolerance) << l.Text;
        EXPECT_NEAR(m.captured(2).toDouble() / PointsPerMM - left,
                    MeasureText(text, FontOf(l.Points)).Width, Tolerance)
            << l.Text;
        const QRectF area = LineArea(l);
        const QRectF expected = InkBox(PageArea(file, l.Page, area), area.topLeft(), area);
        const QRectF box = InkBox(lineRasters[i], area.topLeft(), area);
        EXPECT_FALSE(box.isEmpty()) << l.Text;
        for (const QPointF corner :
             {box.topLeft() - expected.topLeft(), box.bottomRight() - expected.bottomRight()})
            EXPECT_LE(corner.manhattanLength(), Tolerance) << l.Text;
    }
}

TEST_F(SheetDocument, WithoutFinishLeavesNoFileAndKeepsAnExistingOne) {
    for (const bool existing : {false, true}) {
        const QString file = Path("unfinished.pdf");
        if (existing)
            WriteFileAtomically(file, "old bytes", TDurability::None);
        {
            TSheetDocument document(file.toStdString(), "Unfinished");
            document.BeginPage(210, 297);
            document.Symbol(LayoutOf("QM-0001"), 10, 10);
            document.EndPage();
        }
        QFile kept(file);
        EXPECT_EQ(kept.open(QIODevice::ReadOnly) ? kept.readAll() : "none",
                  existing ? "old bytes" : "none");
        // No temporary left beside it.
        EXPECT_EQ(QDir(Path("")).entryList(QDir::Files).size(), existing ? 1 : 0);
    }
}

// Each misuse is refused with a sentence naming what to do, and no file is made.
TEST_F(SheetDocument, RefusesMisuseSayingWhatToChange) {
    const std::pair<std::function<void(TSheetDocument&)>, const char*> cases[] = {
        {[](TSheetDocument& D) { D.BeginPage(0, 297); }, "more than 0 and at most 5080 mm"},
        {[](TSheetDocument& D) { D.BeginPage(std::nan(""), 297); }, "A page of no number x 297"},
        {[](TSheetDocument& D) { D.Symbol(LayoutOf("QM-0001"), 0, 0); }, "begin a page"},
        {[](TSheetDocument& D) { D.Finish(); }, "at least one page"},
        {[](TSheetDocument& D) { D.BeginPage(9, 9), D.BeginPage(9, 9); }, "end it (EndPage)"},
        {[](TSheetDocument& D) {
             D.BeginPage(210, 297), D.Raster({0, 0, 210, 297}, 2400);
         },
         "a smaller area or resolution"},
    };
    for (const auto& [misuse, says] : cases) {
        TSheetDocument document(Path("refused.pdf").toStdString(), "Refused");
        try {
            misuse(document);
            ADD_FAILURE() << "accepted: " << says;
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.what()).find(says), std::string::npos) << e.what();
        }
    }
    EXPECT_FALSE(QFile::exists(Path("refused.pdf")));
}

} // namespace
} // namespace quillmark
