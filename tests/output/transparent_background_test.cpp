// Without a background a file paints its bars and letters only: a PNG's spaces, quiet zones
// and text box at alpha 0 (the bars showing behind letters over them), SVG and PDF with no shape
// behind the bars, as their own rasterisers (rsvg-convert, pdftocairo -transp) show them; laid on
// white, each scans.
#include "files_fixture.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

struct ClearCase {
    TBarType Type;
    const char* Value;
    TTextLayout Layout;
    TOrientation Orientation;
};

// Over-bars text has a box of its own; the standard look draws none. Yellow for that box and
// the spaces, so that any of it left shows.
const ClearCase Cases[] = {
    {bcCode128B, "QM-5586350", tlOverBars, toLeftRight},
    {bcCodeEAN13, "4006381333931", tlStandard, toLeftRight},
    {bcCode39, "ODD 7", tlOverBars, toTopBottom},
};
constexpr TColor Yellow = 0x00FFFF;

TBarcodeDescription Clear(const ClearCase& C) {
    TBarcodeDescription d;
    d.Barcode.BarType = C.Type;
    d.Barcode.BarCode = C.Value;
    d.Barcode.TextLayout = C.Layout;
    d.Barcode.Orientation = C.Orientation;
    d.Barcode.ColorSpc = d.Barcode.TextColor = Yellow;
    d.Transparent = true;
    return d;
}

QImage OnWhite(const QImage& Image) {
    QImage white(Image.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    QPainter(&white).drawImage(0, 0, Image);
    return white;
}

bool HasChunk(const QByteArray& Png, const char* Type) {
    return Png.contains(Type);
}

TEST_F(Files, TransparentPngIsTheOpaquePictureWithoutItsBackground) {
    for (const ClearCase& c : Cases) {
        const TBarcodeDescription clear = Clear(c);
        TBarcodeDescription painted = clear;
        painted.Transparent = false;
        const QByteArray png = RenderPng(clear);
        EXPECT_TRUE(HasChunk(png, "tRNS")) << c.Value;
        EXPECT_FALSE(HasChunk(RenderPng(painted), "tRNS")) << c.Value;
        const QImage read = QImage::fromData(png, "png").convertToFormat(QImage::Format_ARGB32);
        const QImage opaque = RenderImage(painted);
        ASSERT_EQ(read.size(), opaque.size()) << c.Value;
        long long clearPixels = 0;
        for (int y = 0; y < read.height(); ++y)
            for (int x = 0; x < read.width(); ++x) {
                const QRgb pixel = read.pixel(x, y);
                const QRgb behind = opaque.pixel(x, y) & RGB_MASK;
                // The bars and letters as the opaque picture has them; nothing else
                // painted. The text's box is gone, so that the bars show behind the letters.
                if (behind != (0xFFFF00u & RGB_MASK)) {
                    ASSERT_EQ(pixel, behind | 0xFF000000u) << c.Value << " at " << x << ", " << y;
                }
                if (qAlpha(pixel) == 0)
                    ++clearPixels;
                else
                    ASSERT_EQ(pixel, 0xFF000000u) << c.Value << " at " << x << ", " << y;
            }
        EXPECT_GT(clearPixels, read.width() * read.height() / 3) << c.Value;
        const std::optional<testing::ScanResult> scan = ScanImage(OnWhite(read), false);
        ASSERT_TRUE(scan) << c.Value;
        EXPECT_NE(scan->Text.find(std::string(c.Value).substr(0, 5)), std::string::npos)
            << scan->Text;
    }
}

TEST_F(Files, TransparentVectorsHaveNoBackgroundShape) {
    for (const ClearCase& c : Cases) {
        const TBarcodeDescription d = Clear(c);
        const QByteArray svg = RenderSvg(d);
        EXPECT_FALSE(svg.contains("<rect")) << c.Value;
        EXPECT_FALSE(svg.contains("#ffff00")) << c.Value;
        QFile svgFile(Path("clear.svg"));
        ASSERT_TRUE(svgFile.open(QIODevice::WriteOnly));
        svgFile.write(svg);
        svgFile.close();
        QFile pdfFile(Path("clear.pdf"));
        ASSERT_TRUE(pdfFile.open(QIODevice::WriteOnly));
        pdfFile.write(RenderPdf(d));
        pdfFile.close();
        RunTool(QStringLiteral(QUILLMARK_RSVG_CONVERT),
                {"-d", "300", "-p", "300", "-o", Path("svg.png"), Path("clear.svg")});
        RunTool(QStringLiteral(QUILLMARK_PDFTOCAIRO),
                {"-r", "300", "-png", "-transp", "-singlefile", Path("clear.pdf"), Path("pdf")});
        for (const QString& raster : {Path("svg.png"), Path("pdf.png")}) {
            const QImage image = QImage(raster).convertToFormat(QImage::Format_ARGB32);
            ASSERT_FALSE(image.isNull()) << raster.toStdString();
            // The corner lies in a quiet zone; no yellow anywhere.
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << raster.toStdString() << c.Value;
            bool yellow = false;
            for (int y = 0; y < image.height() && !yellow; ++y)
                for (int x = 0; x < image.width() && !yellow; ++x) {
                    const QRgb p = image.pixel(x, y);
                    yellow = qAlpha(p) > 128 && qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 64;
                }
            EXPECT_FALSE(yellow) << raster.toStdString() << " " << c.Value;
            EXPECT_TRUE(ScanImage(OnWhite(image), false)) << raster.toStdString() << c.Value;
        }
    }
}

} // namespace
} // namespace quillmark
