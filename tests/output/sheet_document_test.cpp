// The sheet document read by poppler's tools: symbols where they were placed and at their
// true size on pages of the sizes asked, the text where it was set and as wide as
// MeasureText says, each symbol scanned from the page and from Raster; and no file unless
// the document was finished.
#include "files_fixture.h"
#include <quillmark/sheet_document.h>
#include <quillmark/units.h>

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

constexpr int Dpi = 600;
// Positions on paper to within this, in millimetres.
constexpr double Tolerance = 0.1;

struct Placed {
    int Page;
    const char* Value;
    double Left;
    double Top;
};

// Two pages of different sizes, the symbols at awkward fractions of a millimetre.
constexpr double PageSizes[][2] = {{210, 297}, {100, 150}};
const Placed Symbols[] = {
    {0, "QM-0001", 20, 30},
    {0, "SHEET-4821-Kq", 110.35, 200.2},
    {1, "P2/77", 10.55, 40.25},
};

struct Line {
    int Page;
    const char* Text;
    double Points;
    double Left;
    double Baseline;
};
const Line Lines[] = {
    {0, "Lot4821-A", 10, 20, 60},
    {0, "Größe", 14, 120.4, 250.5},
    {1, "Second", 8, 12.3, 100},
};

TOutputLayout LayoutOf(const char* Value) {
    TBarcodeDescription d;
    d.Barcode.BarType = bcCode128B;
    d.Barcode.BarCode = Value;
    d.XDimensionMM = 0.33;
    return VectorLayout(d);
}

QFont FontOf(double Points) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(Points);
    return font;
}

// Where the bars begin and end across the row through the first bar's middle, and where
// that bar begins down its column, in millimetres on a grey picture whose top-left corner
// is Origin.
struct BarEdges {
    double Left = -1;
    double Right = -1;
    double Top = -1;
};

BarEdges Measure(const QImage& Image, QPointF Origin, const QRectF& Within) {
    const QImage grey = Image.convertToFormat(QImage::Format_Grayscale8);
    const double perMM = Dpi / MMPerInch;
    auto pixel = [&](double MM, double Start) { return static_cast<int>((MM - Start) * perMM); };
    auto dark = [&](int X, int Y) {
        return X >= 0 && Y >= 0 && X < grey.width() && Y < grey.height() &&
               grey.constScanLine(Y)[X] < 128;
    };
    BarEdges edges;
    const int row = pixel(Within.center().y(), Origin.y());
    for (int x = pixel(Within.left(), Origin.x()); x <= pixel(Within.right(), Origin.x()); ++x)
        if (dark(x, row)) {
            if (edges.Left < 0)
                edges.Left = Origin.x() + x / perMM;
            edges.Right = Origin.x() + (x + 1) / perMM;
        }
    const int column = pixel(edges.Left, Origin.x()) + 1;
    for (int y = pixel(Within.top(), Origin.y()); y <= row; ++y)
        if (dark(column, y)) {
            edges.Top = Origin.y() + y / perMM;
            break;
        }
    return edges;
}

// The bars' extent on paper, and the band across their middle to measure them in.
BarEdges Expected(const TOutputLayout& Layout, const Placed& P, QRectF& Band) {
    QRect bars;
    for (const TBarFill& fill : Layout.Bars)
        if (fill.Bar)
            bars |= fill.Rect;
    const double u = Layout.UnitsPerMM;
    Band = QRectF(P.Left + bars.left() / u - 2, P.Top + bars.top() / u, bars.width() / u + 4,
                  bars.height() / u);
    return {P.Left + bars.left() / u, P.Left + (bars.right() + 1) / u, P.Top + bars.top() / u};
}

// A line's area with room around it.
QRectF LineArea(const Line& L) {
    const double em = L.Points * MMPerPoint;
    return QRectF(L.Left - 1, L.Baseline - 1.2 * em, 2 + 5 * em, 1.6 * em);
}

// The box of the dark pixels.
QRect InkBox(const QImage& Image) {
    const QImage grey = Image.convertToFormat(QImage::Format_Grayscale8);
    QRect box;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            if (grey.constScanLine(y)[x] < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

class SheetDocument : public Files {
protected:
    // Area of page Page, from pdftoppm in grey.
    QImage PageArea(const QString& File, int Page, const QRectF& AreaMM) {
        const double perMM = Dpi / MMPerInch;
        const QString page = QString::number(Page + 1);
        RunTool(QStringLiteral(QUILLMARK_PDFTOPPM),
                {"-r", QString::number(Dpi), "-gray", "-singlefile", "-f", page, "-l", page, "-x",
                 QString::number(std::lround(AreaMM.left() * perMM)), "-y",
                 QString::number(std::lround(AreaMM.top() * perMM)), "-W",
                 QString::number(std::lround(AreaMM.width() * perMM)), "-H",
                 QString::number(std::lround(AreaMM.height() * perMM)), File, Path("area")});
        return QImage(Path("area.pgm"));
    }
};

TEST_F(SheetDocument, PlacesSymbolsAndTextWhereAskedAtTrueSize) {
    const QString file = Path("sheet.pdf");
    std::vector<std::pair<QImage, QRectF>> rasters; // Raster's picture of each symbol's area
    std::vector<QImage> lines;                      // and of each line's
    {
        TSheetDocument document(file.toStdString(), "Größe labels");
        for (int page = 0; page < 2; ++page) {
            document.BeginPage(PageSizes[page][0], PageSizes[page][1]);
            for (const Line& l : Lines)
                if (l.Page == page) {
                    document.Text(QString::fromUtf8(l.Text), FontOf(l.Points), l.Left, l.Baseline);
                    lines.push_back(document.Raster(LineArea(l), Dpi));
                }
            for (const Placed& p : Symbols)
                if (p.Page == page) {
                    const TOutputLayout layout = LayoutOf(p.Value);
                    document.Symbol(layout, p.Left, p.Top);
                    const QRectF area(QPointF(p.Left, p.Top),
                                      QSizeF(layout.Size) / layout.UnitsPerMM);
                    document.Outline([&] {
                        QPainterPath outline;
                        outline.addRoundedRect(area.adjusted(-2, -2, 2, 2), 1.5, 1.5);
                        return outline;
                    }());
                    rasters.emplace_back(document.Raster(area.adjusted(-3, -3, 3, 3), Dpi),
                                         area.adjusted(-3, -3, 3, 3));
                }
            document.EndPage();
        }
        EXPECT_EQ(document.Pages(), 2);
        document.Finish();
    }

    QByteArray info;
    RunTool(QStringLiteral(QUILLMARK_PDFINFO), {"-f", "1", "-l", "2", file}, &info);
    const QString told = QString::fromUtf8(info);
    EXPECT_TRUE(told.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\n")))) << info.data();
    EXPECT_TRUE(told.contains(QRegularExpression(QStringLiteral("Title:\\s+Größe labels\n"))));
    for (int page = 0; page < 2; ++page) {
        const QRegularExpression size(
            QStringLiteral("Page\\s+%1 size:\\s+([0-9.]+) x ([0-9.]+) pts").arg(page + 1));
        const QRegularExpressionMatch m = size.match(told);
        ASSERT_TRUE(m.hasMatch()) << info.data();
        EXPECT_NEAR(m.captured(1).toDouble() / PointsPerMM, PageSizes[page][0], 0.01);
        EXPECT_NEAR(m.captured(2).toDouble() / PointsPerMM, PageSizes[page][1], 0.01);
    }

    for (std::size_t i = 0; i < std::size(Symbols); ++i) {
        const Placed& p = Symbols[i];
        const TOutputLayout layout = LayoutOf(p.Value);
        QRectF band;
        const BarEdges expected = Expected(layout, p, band);
        const auto& [drawn, drawnArea] = rasters[i];
        const QImage page = PageArea(file, p.Page, drawnArea);
        for (const auto& [picture, origin, from] :
             {std::tuple(page, drawnArea.topLeft(), "pdftoppm"),
              std::tuple(drawn, drawnArea.topLeft(), "Raster")}) {
            const BarEdges edges = Measure(picture, origin, band);
            EXPECT_NEAR(edges.Left, expected.Left, Tolerance) << p.Value << ' ' << from;
            EXPECT_NEAR(edges.Right, expected.Right, Tolerance) << p.Value << ' ' << from;
            EXPECT_NEAR(edges.Top, expected.Top, Tolerance) << p.Value << ' ' << from;
            // The outline, 2 mm above the symbol: a thin grey line, not black.
            const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
            const int x = grey.width() / 2;
            int y = 0;
            while (y < grey.height() && grey.constScanLine(y)[x] > 200)
                ++y;
            ASSERT_LT(y, grey.height()) << p.Value << ' ' << from;
            EXPECT_NEAR(origin.y() + (y + 1) * MMPerInch / Dpi, p.Top - 2, Tolerance) << from;
            EXPECT_GT(grey.constScanLine(y + 1)[x], 64) << p.Value << ' ' << from;
            const auto scan = ScanImage(picture, false);
            ASSERT_TRUE(scan) << p.Value << ' ' << from;
            EXPECT_EQ(scan->Text, p.Value) << from;
        }
    }

    // Raster sets the text in the same font and size as the page has it.
    for (std::size_t i = 0; i < std::size(Lines); ++i) {
        const QRect expected = InkBox(PageArea(file, Lines[i].Page, LineArea(Lines[i])));
        const QRect box = InkBox(lines[i]);
        const int pixels = static_cast<int>(Tolerance * Dpi / MMPerInch);
        EXPECT_FALSE(box.isEmpty()) << Lines[i].Text;
        for (const auto& [side, want] :
             {std::pair(box.left(), expected.left()), std::pair(box.right(), expected.right()),
              std::pair(box.top(), expected.top()), std::pair(box.bottom(), expected.bottom())})
            EXPECT_NEAR(side, want, pixels) << Lines[i].Text;
    }

    // pdftotext -bbox: each word's box in points, its left edge where the line starts and
    // as wide as MeasureText says.
    QByteArray boxes;
    RunTool(QStringLiteral(QUILLMARK_PDFTOTEXT), {"-bbox", file, "-"}, &boxes);
    const QString html = QString::fromUtf8(boxes);
    for (const Line& l : Lines) {
        const QRegularExpression word(
            QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\" "
                           "yMax=\"[0-9.]+\">%1</word>")
                .arg(QString::fromUtf8(l.Text)));
        const QRegularExpressionMatch m = word.match(html);
        ASSERT_TRUE(m.hasMatch()) << l.Text << '\n' << boxes.data();
        const double left = m.captured(1).toDouble() / PointsPerMM;
        const double right = m.captured(2).toDouble() / PointsPerMM;
        EXPECT_NEAR(left, l.Left, Tolerance) << l.Text;
        EXPECT_NEAR(right - left, MeasureText(QString::fromUtf8(l.Text), FontOf(l.Points)).Width,
                    Tolerance)
            << l.Text;
    }
}

// The file appears at Finish or not at all; a file already there stays as it was.
TEST_F(SheetDocument, WithoutFinishLeavesNoFileAndKeepsAnExistingOne) {
    for (const bool existing : {false, true}) {
        const QString file = Path("unfinished.pdf");
        QFile::remove(file);
        if (existing)
            WriteFileAtomically(file, "old bytes", TDurability::None);
        {
            TSheetDocument document(file.toStdString(), "Unfinished");
            document.BeginPage(210, 297);
            document.Symbol(LayoutOf("QM-0001"), 10, 10);
            document.EndPage();
        }
        QFile kept(file);
        EXPECT_EQ(kept.exists(), existing);
        if (existing) {
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.readAll(), QByteArray("old bytes"));
        }
        // No temporary left beside it.
        EXPECT_EQ(QDir(Path("")).entryList(QDir::Files).size(), existing ? 1 : 0);
    }
}

// Each misuse is refused with a sentence naming what to do, and no file is made.
TEST_F(SheetDocument, RefusesMisuseSayingWhatToChange) {
    const struct {
        std::function<void(TSheetDocument&)> Do;
        const char* Says;
    } cases[] = {
        {[](TSheetDocument& D) { D.BeginPage(0, 297); }, "more than 0 and at most 5080 mm"},
        {[](TSheetDocument& D) { D.BeginPage(210, 5081); }, "more than 0 and at most 5080 mm"},
        {[](TSheetDocument& D) { D.BeginPage(std::nan(""), 297); }, "A page of no number x 297"},
        {[](TSheetDocument& D) { D.Symbol(LayoutOf("QM-0001"), 0, 0); }, "begin a page"},
        {[](TSheetDocument& D) { D.EndPage(); }, "begin a page"},
        {[](TSheetDocument& D) { D.Finish(); }, "at least one page"},
        {[](TSheetDocument& D) {
             D.BeginPage(210, 297);
             D.BeginPage(210, 297);
         },
         "end it (EndPage)"},
        {[](TSheetDocument& D) {
             D.BeginPage(210, 297);
             D.Raster(QRectF(0, 0, 210, 297), 2400);
         },
         "choose a smaller area or resolution"},
    };
    for (const auto& c : cases) {
        TSheetDocument document(Path("refused.pdf").toStdString(), "Refused");
        try {
            c.Do(document);
            ADD_FAILURE() << "accepted: " << c.Says;
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.what()).find(c.Says), std::string::npos) << e.what();
        }
    }
    EXPECT_FALSE(QFile::exists(Path("refused.pdf")));
}

} // namespace
} // namespace quillmark
