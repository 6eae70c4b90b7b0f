// A bar width reduction takes the same amount off every bar of the code and gives it to the
// spaces: in an SVG exactly, half off each edge, the symbol's size unchanged; in a PNG whole
// pixels; a reduction that would leave no bar is refused with the largest one that fits. The
// report's decodability after a spread equal to the reduction is the design's.
#include "files_fixture.h"

#include <quillmark/print_fit.h>

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>

namespace quillmark {
namespace {

TBarcodeDescription Described(TBarType Type, const char* Value) {
    TBarcodeDescription d;
    d.Barcode.BarType = Type;
    d.Barcode.BarCode = Value;
    return d;
}

// The SVG's bars in micrometres: each "M x y h w v h h -w z" of its path, through the
// group's scale; and its size as written.
struct SvgBars {
    std::vector<QRectF> Bars;
    QString Size;
};

SvgBars ReadBars(const QByteArray& Svg) {
    const QString text = QString::fromUtf8(Svg);
    SvgBars read;
    read.Size = QRegularExpression(QStringLiteral("width=\"[^\"]+\" height=\"[^\"]+\""))
                    .match(text)
                    .captured();
    const double scale =
        QRegularExpression(QStringLiteral("scale\\(([^)]+)\\)")).match(text).captured(1).toDouble();
    const QString d =
        QRegularExpression(QStringLiteral("<path[^>]* d=\"([^\"]+)\"")).match(text).captured(1);
    const QString number = QStringLiteral("(-?[0-9.e+-]+)");
    const QRegularExpression bar(QStringLiteral("M%1 %1h%1v%1h%1z").arg(number));
    for (auto at = bar.globalMatch(d); at.hasNext();) {
        const QRegularExpressionMatch m = at.next();
        read.Bars.emplace_back(m.captured(1).toDouble() * scale, m.captured(2).toDouble() * scale,
                               m.captured(3).toDouble() * scale, m.captured(4).toDouble() * scale);
    }
    return read;
}

struct VectorCase {
    TBarType Type;
    const char* Value;
    TOrientation Orientation;
    double ReductionMM;
    std::size_t Bearers; // the last fills, which stay as they were
};

TEST(BarWidthReduction, EveryBarOfAnSvgNarrowerByExactlyTheReduction) {
    const VectorCase cases[] = {
        {bcCode128B, "QM-5586350", toLeftRight, 0.05, 0},
        {bcCode39, "ODD 7", toTopBottom, 0.05, 0},
        {bcCodeEAN13, "4006381333931", toRightLeft, 0.03, 0},
        {bcCodeITF14, "1540014128876", toLeftRight, 0.1, 2},
        {bcCodeDataBar, "(01)09501101530003", toBottomTop, 0.05, 0},
    };
    for (const VectorCase& c : cases) {
        TBarcodeDescription d = Described(c.Type, c.Value);
        d.Barcode.Orientation = c.Orientation;
        if (c.Bearers > 0)
            d.Barcode.Bearers = TITF14Bearers::TopAndBottom;
        const SvgBars plain = ReadBars(RenderSvg(d));
        d.BarWidthReductionMM = c.ReductionMM;
        const SvgBars reduced = ReadBars(RenderSvg(d));
        EXPECT_EQ(reduced.Size, plain.Size) << c.Value;
        ASSERT_EQ(reduced.Bars.size(), plain.Bars.size()) << c.Value;
        ASSERT_GT(plain.Bars.size(), 10u) << c.Value;
        const bool horizontal = IsHorizontal(c.Orientation);
        const double r = c.ReductionMM * 1000;
        for (std::size_t i = 0; i < plain.Bars.size(); ++i) {
            const QRectF& was = plain.Bars[i];
            const QRectF& is = reduced.Bars[i];
            const double cut = i + c.Bearers >= plain.Bars.size() ? 0 : r;
            const double wasWidth = horizontal ? was.width() : was.height();
            const double isWidth = horizontal ? is.width() : is.height();
            EXPECT_NEAR(wasWidth - isWidth, cut, 1e-6) << c.Value << " bar " << i;
            EXPECT_NEAR((was.center() - is.center()).manhattanLength(), 0, 1e-6)
                << c.Value << " bar " << i;
            EXPECT_NEAR(horizontal ? was.height() - is.height() : was.width() - is.width(), 0, 1e-6)
                << c.Value << " bar " << i;
        }
    }
}

// The bars' and spaces' widths along a row through the bars of a picture, quiet zones left
// out: a bar first.
std::vector<int> Runs(const QImage& Image) {
    const int y = Image.height() / 3;
    std::vector<int> runs;
    bool dark = false;
    for (int x = 0; x < Image.width(); ++x) {
        const bool pixel = qGray(Image.pixel(x, y)) < 128;
        if (runs.empty() && !pixel)
            continue;
        if (runs.empty() || pixel != dark)
            runs.push_back(0);
        dark = pixel;
        ++runs.back();
    }
    if (!dark && !runs.empty())
        runs.pop_back(); // the trailing quiet zone
    return runs;
}

TEST_F(Files, PngBarsLoseWholeDots) {
    struct Case {
        double MM;
        int Dots;
        int Expected; // dots off each bar at 600 dpi
    };
    const Case cases[] = {{0.05, 0, 1}, {0, 1, 1}, {0.1, 0, 2}, {0, 3, 3}};
    for (const Case& c : cases) {
        TBarcodeDescription d = Described(bcCode128B, "QM-5586350");
        d.Dpi = 600;
        const QImage plain = RenderImage(d);
        d.BarWidthReductionMM = c.MM;
        d.BarWidthReductionDots = c.Dots;
        const QImage image = QImage::fromData(RenderPng(d), "png");
        ASSERT_EQ(image.size(), plain.size()) << c.MM << " mm, " << c.Dots << " dots";
        const std::vector<int> was = Runs(plain);
        const std::vector<int> is = Runs(image);
        ASSERT_EQ(is.size(), was.size());
        // The first bar loses its share before it, the last after it, into the quiet zones.
        for (std::size_t i = 0; i < was.size(); ++i)
            EXPECT_EQ(is[i] - was[i], i % 2 == 0 ? -c.Expected : c.Expected)
                << c.MM << " mm, " << c.Dots << " dots, element " << i;
        const std::optional<testing::ScanResult> scan = ScanImage(image, false);
        ASSERT_TRUE(scan);
        EXPECT_EQ(scan->Text, "QM-5586350");
    }
}

TEST(BarWidthReduction, RefusesWhatLeavesNoBarNamingTheLargest) {
    struct Case {
        TBarType Type;
        double MM;
        int Dots;
        bool Vector;
        const char* Says;
    };
    // Code 128 at 300 dpi: 0.33 mm is 4 dots.
    const Case cases[] = {
        {bcCode128B, 0, 4, false, "give at most 3 dots (0.254 mm)"},
        {bcCode128B, 0.4, 0, false, "give at most 3 dots"},
        {bcCode128B, 0.33, 0, true, "the narrowest is 0.330 mm wide; give less than that"},
        {bcCode128B, 0.01, 0, false, "rounds to no whole dot at 300 dpi; give at least 0.042 mm"},
        {bcCodeQR, 0.05, 0, true, "not to QR Code's modules"},
    };
    for (const Case& c : cases) {
        TBarcodeDescription d = Described(c.Type, "QM1");
        d.BarWidthReductionMM = c.MM;
        d.BarWidthReductionDots = c.Dots;
        try {
            c.Vector ? VectorLayout(d) : RasterLayout(d);
            ADD_FAILURE() << c.Says;
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.what()).find(c.Says), std::string::npos) << e.what();
        }
    }
}

TEST(BarWidthReduction, DecodabilityAfterAnEqualSpreadIsTheDesigns) {
    struct Case {
        TBarType Type;
        const char* Value;
        bool Vector;
    };
    // Two-width symbologies, whose decodability the widths alone set.
    const Case cases[] = {
        {bcCode39, "ODD-7", true},
        {bcCode_2_5_interleaved, "12345678", true},
        {bcCodeCodabar, "A31117013206375B", false},
    };
    for (const Case& c : cases) {
        TBarcodeDescription d = Described(c.Type, c.Value);
        d.Dpi = 600;
        const auto layout = [&] { return c.Vector ? VectorLayout(d) : RasterLayout(d); };
        const std::optional<double> design = PrintFit(d, layout()).Decodability;
        d.BarWidthReductionMM = 0.05;
        const TOutputLayout reduced = layout();
        const double drawnMM = reduced.BarReduction / reduced.UnitsPerMM;
        const TPrintFit unspread = PrintFit(d, reduced);
        const TPrintFit spread = PrintFit(d, reduced, drawnMM);
        ASSERT_TRUE(design && unspread.Decodability && spread.Decodability) << c.Value;
        EXPECT_NEAR(*spread.Decodability, *design, 1e-9) << c.Value;
        EXPECT_LT(*unspread.Decodability, *design - 0.05) << c.Value;
        if (c.Vector) {
            EXPECT_NEAR(drawnMM, 0.05, 1e-12) << c.Value;
        }
        // The widths drawn: the narrow bar X less the reduction, the narrow space X more.
        ASSERT_FALSE(spread.BarWidthsMM.empty());
        EXPECT_NEAR(spread.BarWidthsMM.front(), spread.XMM - drawnMM, 1e-9) << c.Value;
        EXPECT_NEAR(spread.SpaceWidthsMM.front(), spread.XMM + drawnMM, 1e-9) << c.Value;
    }
}

} // namespace
} // namespace quillmark
