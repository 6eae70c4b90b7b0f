// A PNG decodes, through Qt's own PNG reader, to exactly the picture it was written from,
// at the bit depth its colours need.
#include "files_fixture.h"
#include <quillmark/files.h>

#include <QImage>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

struct PngCase {
    TBarType Type;
    const char* Value;
    TOrientation Orientation;
    TTextLayout Layout;
    TColor Space, Bar, Box, Ink;
    int Bits; // the bit depth the colours need: 1 for 2, 2 for 3 or 4
};

TEST_F(Files, PngHoldsExactlyThePicture) {
    const PngCase cases[] = {
        {bcCode128B, "QM-5586350-Wq", toLeftRight, tlStandard, clWhite, clBlack, clWhite, clBlack,
         1},
        {bcCode39, "ODD 7", toTopBottom, tlStandard, 0x00FFFF, 0x800000, 0x00FFFF, 0x800000, 1},
        {bcCodeEAN13, "4006381333931", toRightLeft, tlStandard, clWhite, clBlack, clWhite, 0x0000FF,
         2},
        {bcCode93, "PALETTE-93", toBottomTop, tlOverBars, clWhite, clBlack, 0xC0C0C0, 0x008000, 2},
        {bcCodeUPC_E0, "4252614", toLeftRight, tlOverBars, 0xEEEEEE, 0x202020, 0x0000FF, 0xFF0000,
         2},
        {bcCodeCodabar, "31117013206375", toTopBottom, tlOverBars, clWhite, 0x123456, clWhite,
         0x123456, 1},
    };
    for (const PngCase& c : cases) {
        TBarcodeDescription d;
        d.Barcode.BarType = c.Type;
        d.Barcode.BarCode = c.Value;
        d.Barcode.Orientation = c.Orientation;
        d.Barcode.TextLayout = c.Layout;
        d.Barcode.TextShow = tsBoth;
        d.Barcode.ColorSpc = c.Space;
        d.Barcode.ColorBar = c.Bar;
        d.Barcode.TextColor = c.Box;
        d.FontColor = c.Ink;
        d.Dpi = 203; // a 3-pixel module: rows whose width is no whole number of bytes
        const QByteArray png = RenderPng(d);
        ASSERT_GT(png.size(), 25) << c.Value;
        EXPECT_EQ(png[24], c.Bits) << c.Value; // IHDR's bit depth
        const QImage read = QImage::fromData(png, "png");
        const QImage drawn = RenderImage(d);
        ASSERT_EQ(read.size(), drawn.size()) << c.Value;
        EXPECT_EQ(read.dotsPerMeterX(), drawn.dotsPerMeterX()) << c.Value;
        EXPECT_TRUE(read.convertToFormat(QImage::Format_RGB32) == drawn) << c.Value;
    }
}

} // namespace
} // namespace quillmark
