// The bounds of what a file draws: every font size taken is drawn at its size in the vector
// formats, and a refusal names what is too large, how large, and what draws it smaller.
#include "files_fixture.h"
#include <quillmark/files.h>
#include <quillmark/layout.h>

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

// The text's size as the SVG gives it (its units scaled by the outer group), in millimetres.
double SvgFontMM(const QByteArray& Svg) {
    const QString text = QString::fromUtf8(Svg);
    const QRegularExpressionMatch scale =
        QRegularExpression(QStringLiteral("transform=\"scale\\(([0-9.e+-]+)\\)\"")).match(text);
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("font-size=\"([0-9]+)\"")).match(text);
    if (!scale.hasMatch() || !size.hasMatch())
        return -1;
    return size.captured(1).toDouble() * scale.captured(1).toDouble() / 1000;
}

TEST(LayoutLimits, EveryFontSizeTakenIsDrawnAtItsSize) {
    const struct {
        double FontSizePt;
        double XDimensionMM;
        TTextLayout Layout;
    } cases[] = {
        {MinFontSizePt, 10, tlStandard},   {8, 0.33, tlStandard},
        {115, 0.33, tlStandard},           {300, 0.33, tlOverBars},
        {613, 0.33, tlStandard},           {614, 0.33, tlOverBars},
        {MaxFontSizePt, 0.33, tlStandard}, {MaxFontSizePt, 0.03, tlOverBars},
        {250, 0.05, tlStandard},
    };
    for (const auto& c : cases) {
        TBarcodeDescription d;
        d.Barcode.BarCode = "Qm";
        d.Barcode.TextLayout = c.Layout;
        d.FontSizePt = c.FontSizePt;
        d.XDimensionMM = c.XDimensionMM;
        const QByteArray svg = RenderSvg(d);
        // To the unit the layout rounds the size to.
        const double unitMM = c.XDimensionMM / VectorLayout(d).Modul;
        EXPECT_NEAR(SvgFontMM(svg), c.FontSizePt * 25.4 / 72, unitMM) << c.FontSizePt;
        // The baseline below the cell's top: Qt measured the font.
        EXPECT_FALSE(svg.contains(" y=\"-")) << c.FontSizePt;
        EXPECT_FALSE(RenderPdf(d).isEmpty()) << c.FontSizePt;
    }
}

// Each refusal says what is at fault and how to mend it.
TEST(LayoutLimits, RefusalsNameTheSizeAndTheRemedy) {
    const struct {
        const char* Value;
        std::size_t Repeat; // the value this many times
        int Dpi;
        double XDimensionMM;
        double FontSizePt;
        TFileFormat Format;
        const char* Said;
    } cases[] = {
        {"Quill-128", 1, 10000, 0.33, 8, TFileFormat::Png,
         "Quill-128 : Barcode too long to draw. It is 17420 pixels long and a picture at most "
         "16384 pixels; a smaller X-dimension or resolution, or a shorter value, draws it."},
        {"x", 2000, 300, 1, 8, TFileFormat::Svg,
         "Barcode too long to draw. It is 22035 mm long and a page at most 5080 mm; a smaller "
         "X-dimension, or a shorter value, draws it."},
        {"x", 5000, 300, 1, 8, TFileFormat::Pdf, "Barcode too long to draw. Over 45091 mm long."},
        {"Quill", 1, 300, 0.33, 1000, TFileFormat::Png,
         "1000 pt : Text too large to draw; choose a smaller font size. With its text the picture "
         "would be"},
        {"Quill", 1, 300, 0.01, 1000, TFileFormat::Svg,
         "1000 pt : Text too large to draw; choose a smaller font size."},
        {"Quill-128 with a much longer line of text", 1, 300, 0.33, 1000, TFileFormat::Svg,
         "1000 pt : Text too large to draw; choose a smaller font size. With its text the page "
         "would be"},
        {"Quill", 1, 300, 0.33, 1001, TFileFormat::Svg, "Font size out of range (0.1 to 1000 pt)."},
    };
    for (const auto& c : cases) {
        TBarcodeDescription d;
        d.Barcode.BarCode.clear();
        for (std::size_t i = 0; i < c.Repeat; ++i)
            d.Barcode.BarCode += c.Value;
        d.Dpi = c.Dpi;
        d.XDimensionMM = c.XDimensionMM;
        d.FontSizePt = c.FontSizePt;
        try {
            RenderFile(d, c.Format);
            ADD_FAILURE() << "drawn: " << c.Said;
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.what()).find(c.Said), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace quillmark
