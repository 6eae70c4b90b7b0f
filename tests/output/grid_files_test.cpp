// A two-dimensional symbol's files are exact: every pixel of a PNG, and of an SVG or PDF
// rasterised where a module is whole pixels, is the grid's module in its reading direction,
// the quiet zone on all four sides; the pages measure the grid and its zones in X.
#include "files_fixture.h"
#include "matrix_reading.h"
#include <quillmark/files.h>
#include <quillmark/layout.h>
#include <quillmark/prepared_symbol.h>
#include <quillmark/print_fit.h>
#include <quillmark/standards_check.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTransform>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillmark {
namespace {

using testing::SharpXMM;
constexpr int GridDpi = 300;
constexpr int GridPixels = 6;

struct GridCase {
    TBarType Type;
    const char* Value;
    std::optional<int> QuietZone; // asked for; none: the standard's
    int Zone;                     // in modules, as drawn
};

const GridCase GridCases[] = {
    {bcCodeQR, "https://example.com/QM-0001", std::nullopt, 4},
    {bcCodeMicroQR, "QM-1", std::nullopt, 2},
    {bcCodeDataMatrix, "QM-0001", std::nullopt, 1},
    {bcCodeGS1DataMatrix, "(01)09501101530003(10)AB-123", std::nullopt, 1},
    {bcCodeGS1DigitalLinkQR, "(01)09501101530003(10)AB-123", std::nullopt, 4},
    {bcCodeQR, "QM", 0, 0},
    {bcCodeDataMatrix, "QM", 7, 7},
};

TBarcodeDescription DescribeGrid(const GridCase& C, TOrientation Orientation) {
    TBarcodeDescription d;
    d.Barcode.BarType = C.Type;
    d.Barcode.BarCode = C.Value;
    d.Barcode.TextShow = DefaultTextShow(C.Type);
    d.Barcode.Orientation = Orientation;
    d.XDimensionMM = SharpXMM;
    d.Dpi = GridDpi;
    d.QuietZone = C.QuietZone;
    return d;
}

// Every pixel against the grid read in Orientation, the zone light all round: pixel (x, y)
// lies in module (Across, Along) of the turned picture, which is a module of the grid the
// orientation names.
void ExpectGrid(const QImage& Image, const TModuleGrid& Grid, int Zone, TOrientation Orientation,
                const std::string& What, int Slack = 0) {
    const bool upright = Orientation == toLeftRight || Orientation == toRightLeft;
    const int wide = (upright ? Grid.Columns : Grid.Rows) + 2 * Zone;
    const int high = (upright ? Grid.Rows : Grid.Columns) + 2 * Zone;
    // A rasteriser rounds a page's side up: one pixel more at most, past the picture.
    ASSERT_GE(Image.width(), wide * GridPixels) << What;
    ASSERT_LE(Image.width(), wide * GridPixels + Slack) << What;
    ASSERT_GE(Image.height(), high * GridPixels) << What;
    ASSERT_LE(Image.height(), high * GridPixels + Slack) << What;
    int wrong = 0;
    for (int y = 0; y < high * GridPixels; ++y)
        for (int x = 0; x < wide * GridPixels; ++x) {
            const int mx = x / GridPixels - Zone;
            const int my = y / GridPixels - Zone;
            const int last = upright ? Grid.Columns - 1 : Grid.Rows - 1;
            const int lastY = upright ? Grid.Rows - 1 : Grid.Columns - 1;
            bool dark = false;
            if (mx >= 0 && my >= 0 && mx <= last && my <= lastY) {
                switch (Orientation) {
                case toRightLeft:
                    dark = Grid.IsDark(last - mx, lastY - my);
                    break;
                case toBottomTop: // the top edge to the left
                    dark = Grid.IsDark(lastY - my, mx);
                    break;
                case toTopBottom: // the top edge to the right
                    dark = Grid.IsDark(my, last - mx);
                    break;
                default:
                    dark = Grid.IsDark(mx, my);
                    break;
                }
            }
            if (qGray(Image.pixel(x, y)) != (dark ? 0 : 255) && ++wrong <= 3)
                ADD_FAILURE() << What << ": pixel " << x << "," << y;
        }
    EXPECT_EQ(wrong, 0) << What;
}

// The width an SVG's root or a PDF's page box gives, in millimetres.
double DeclaredWidthMM(const QString& File) {
    QFile file(File);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    const QRegularExpression svg(QStringLiteral("<svg [^>]*width=\"([0-9.]+)mm\""));
    const QRegularExpression pdf(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) "));
    const bool isSvg = File.endsWith(QLatin1String(".svg"));
    const QRegularExpressionMatch match = (isSvg ? svg : pdf).match(text);
    EXPECT_TRUE(match.hasMatch()) << File.toStdString();
    const double width = match.captured(1).toDouble();
    return isSvg ? width : width * 25.4 / 72;
}

constexpr TOrientation GridOrientations[] = {toLeftRight, toRightLeft, toTopBottom, toBottomTop};

TEST_F(Files, GridPngIsExactInEveryDirection) {
    for (const GridCase& c : GridCases)
        for (const TOrientation o : GridOrientations) {
            const TOutputLayout layout = RasterLayout(DescribeGrid(c, o));
            ASSERT_EQ(layout.Modul, GridPixels);
            const QByteArray bytes = RenderPng(layout);
            // Written from the grid, the same bytes as from the picture drawn.
            EXPECT_EQ(bytes, EncodePng(RenderImage(layout), layout)) << BarTypeName(c.Type) << o;
            const QImage png = QImage::fromData(bytes, "PNG");
            ExpectGrid(png, *layout.Value->Grid(), c.Zone, o,
                       BarTypeName(c.Type) + " PNG, orientation " + std::to_string(o));
        }
}

TEST_F(Files, GridSvgAndPdfAreExactOnceRasterised) {
    for (const GridCase& c : GridCases)
        for (const TOrientation o : GridOrientations)
            for (const char* name : {"grid.svg", "grid.pdf"}) {
                const TBarcodeDescription d = DescribeGrid(c, o);
                SaveBarcode(Path(name), d);
                const TOutputLayout layout = VectorLayout(d);
                const TModuleGrid& grid = *layout.Value->Grid();
                const std::string what =
                    BarTypeName(c.Type) + " " + name + ", orientation " + std::to_string(o);
                // The page's side as the file states it: the grid and two zones, in X.
                const int modules =
                    (o == toLeftRight || o == toRightLeft ? grid.Columns : grid.Rows) + 2 * c.Zone;
                EXPECT_NEAR(DeclaredWidthMM(Path(name)), modules * SharpXMM, 0.0005) << what;
                ExpectGrid(Rasterise(Path(name)), grid, c.Zone, o, what, 1);
            }
}

TEST(GridText, StandsBelowTheQuietZoneWhichStaysLight) {
    for (const TOrientation o : {toLeftRight, toTopBottom})
        for (const GridCase& c : {GridCases[0], GridCases[2]}) {
            TBarcodeDescription d = DescribeGrid(c, o);
            d.Barcode.TextShow = tsBarCode;
            const TOutputLayout layout = RasterLayout(d);
            // Turned upright, so that rows run across the grid's columns.
            QTransform upright;
            upright.rotate(o == toTopBottom ? -90 : 0);
            const QImage image = RenderImage(layout).transformed(upright);
            const int zone = c.Zone * GridPixels;
            const int gridEnd = zone + layout.Value->Grid()->Rows * GridPixels;
            const auto darkIn = [&](int First, int End) {
                int dark = 0;
                for (int y = First; y < End; ++y)
                    for (int x = 0; x < image.width(); ++x)
                        dark += qGray(image.pixel(x, y)) < 128;
                return dark;
            };
            const std::string what = BarTypeName(c.Type) + " " + std::to_string(o);
            EXPECT_EQ(darkIn(0, zone), 0) << what;
            EXPECT_EQ(darkIn(gridEnd, gridEnd + zone), 0) << what;
            EXPECT_GT(darkIn(gridEnd + zone, image.height() - zone), 0) << what;
            EXPECT_EQ(darkIn(image.height() - zone, image.height()), 0) << what;
        }
}

TEST(GridFit, TheReportAndTheCheckKnowGrids) {
    const struct {
        TBarType Type;
        double XMM;
        std::optional<int> QuietZone;
        const char* Line; // the report's line that starts alike
        const char* Finding;
    } cases[] = {
        {bcCodeGS1DataMatrix, 0.3, std::nullopt,
         "X-dimension: 0.339 mm (68% of 0.495 mm nominal; permitted 0.396-0.990 mm, outside it; 4 "
         "pixels",
         "The X-dimension 0.339 mm is outside the 0.396-0.990 mm that GS1 symbol table for "
         "retail point of sale permits for GS1 DataMatrix."},
        {bcCodeGS1DigitalLinkQR, 0, 2,
         "quiet zones: 2X / 2X / 2X / 2X before, after, above and below (standard 4X on every "
         "side)",
         "The quiet zones are 2X, 2X, 2X and 2X; GS1 Digital Link QR Code needs at least 4X on "
         "every side."},
        {bcCodeMicroQR, 0, std::nullopt,
         "quiet zones: 2X / 2X / 2X / 2X before, after, above and below (standard 2X", ""},
    };
    for (const auto& c : cases) {
        TBarcodeDescription d;
        d.Barcode.BarType = c.Type;
        d.Barcode.BarCode = "(01)09501101530003";
        d.Barcode.TextShow = DefaultTextShow(c.Type);
        d.XDimensionMM = c.XMM;
        d.QuietZone = c.QuietZone;
        const TOutputLayout layout = RasterLayout(d);
        const std::vector<std::string> lines = ReportLines(PrintFit(d, layout));
        bool found = false;
        for (const std::string& line : lines) {
            found = found || line.starts_with(c.Line);
            EXPECT_EQ(line.find("bar height"), std::string::npos) << line;
        }
        EXPECT_TRUE(found) << c.Line;
        const std::vector<std::string> findings = CheckStandard(d, layout);
        EXPECT_EQ(findings.size(), *c.Finding ? 1U : 0U) << BarTypeName(c.Type);
        for (const std::string& finding : findings)
            EXPECT_TRUE(finding.starts_with(c.Finding)) << finding;
    }
}

TEST(GridPairings, GS1DataMatrixRefusesABrokenPairingAsGS1128Does) {
    const struct {
        TBarType Type;
        const char* Value;
        bool Refused;
    } cases[] = {
        {bcCodeGS1DataMatrix, "(10)AB-123", true},
        {bcCodeGS1_128, "(10)AB-123", true},
        {bcCodeGS1DataMatrix, "(01)09501101530003(10)AB-123", false},
        {bcCodeDataMatrix, "(10)AB-123", false},
    };
    for (const auto& c : cases) {
        TBarcodeDescription d;
        d.Barcode.BarType = c.Type;
        d.Barcode.BarCode = c.Value;
        if (c.Refused)
            EXPECT_THROW(RefuseBrokenPairings(d), Exception) << BarTypeName(c.Type);
        else
            EXPECT_NO_THROW(RefuseBrokenPairings(d)) << BarTypeName(c.Type);
    }
}

} // namespace
} // namespace quillmark
