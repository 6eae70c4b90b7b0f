// A row of bars' PNG is written from its fills, with only the rows its text crosses drawn as
// a picture: byte for byte the PNG of the whole picture drawn, whatever the symbol, its text,
// size, turn, colours and reduction.
#include "files_fixture.h"
#include <quillmark/files.h>
#include <quillmark/layout.h>
#include <quillmark/raster_image.h>

#include <gtest/gtest.h>

#include <string>

namespace quillmark {
namespace {

struct BarsCase {
    TBarType Type;
    const char* Value;
    TTextPosition Position = tpBottomCenter;
    TOrientation Orientation = toLeftRight;
    int Dpi = 300;
    double FontSizePt = 8;
    TColor Ink = clBlack; // the text's; another than the bars' takes the picture's path
    int ReductionDots = 0;
    TTextShow Show = tsBarCode;
};

const BarsCase BarsCases[] = {
    {bcCode128B, "QM-5586350-Wq"},
    {bcCode128B, "QM-5586350-Wq", tpTopCenter},
    {bcCode128B, "QM-5586350-Wq", tpBottomLeft, toLeftRight, 203},
    {bcCode128B, "QM-5586350-Wq", tpTopRight, toLeftRight, 600, 14},
    {bcCode128B, "gjpqy_{}|", tpBottomCenter, toLeftRight, 300, 30}, // descenders, brackets
    {bcCode128B, "QM-5586350-Wq", tpBottomCenter, toRightLeft},
    {bcCode128B, "QM-5586350-Wq", tpBottomCenter, toTopBottom},
    {bcCode128B, "QM-5586350-Wq", tpBottomCenter, toLeftRight, 300, 8, 0x0000FF},
    {bcCode128B, "QM-5586350-Wq", tpBottomCenter, toLeftRight, 300, 8, clBlack, 1},
    {bcCode128B, "QM-5586350-Wq", tpBottomCenter, toLeftRight, 300, 8, clBlack, 0, tsNone},
    {bcCode128B, "QM-5586350-Wq", tpBottomCenter, toLeftRight, 300, 8, clBlack, 0, tsBoth},
    {bcCode39, "ODD 7", tpBottomCenter, toLeftRight, 203},
    {bcCodeEAN13, "4006381333931"},                 // digits under and beside the guards
    {bcCodeEAN13, "4006381333931+12", tpTopCenter}, // the add-on's digits above it
    {bcCodeUPC_A, "036000291452", tpBottomCenter, toLeftRight, 203},
    {bcCodeUPC_E0, "4252614"},
    {bcCodeITF14, "15400141288763"}, // bearer bars
    {bcCodeISBN, "9780306406157"},   // the line above
    {bcCodePostNet, "12345"},        // bars of two heights
    {bcCodeCodabar, "A31117013206375B", tpBottomCenter, toLeftRight, 300, 8, clBlack, 2},
};

TEST(BarsPng, IsThePngOfTheWholePictureByteForByte) {
    for (const BarsCase& c : BarsCases) {
        TBarcodeDescription d;
        d.Barcode.BarType = c.Type;
        d.Barcode.BarCode = c.Value;
        d.Barcode.TextPosition = c.Position;
        d.Barcode.Orientation = c.Orientation;
        d.Barcode.TextShow = c.Show;
        d.Dpi = c.Dpi;
        d.FontSizePt = c.FontSizePt;
        d.FontColor = c.Ink;
        d.BarWidthReductionDots = c.ReductionDots;
        const TOutputLayout layout = RasterLayout(d);
        const QByteArray png = RenderPng(layout);
        EXPECT_EQ(png, EncodePng(RenderImage(layout), layout))
            << BarTypeName(c.Type) << " " << c.Value << " position " << int(c.Position)
            << " orientation " << int(c.Orientation) << " at " << c.Dpi << " dpi";
        // And the picture it holds reads back as the value where a scanner knows the symbology.
        if (c.Type == bcCode128B && c.Orientation == toLeftRight) {
            const std::optional<testing::ScanResult> read =
                ScanImage(QImage::fromData(png, "PNG"), false);
            ASSERT_TRUE(read.has_value()) << c.Value;
            EXPECT_EQ(read->Text, c.Value);
        }
    }
}

} // namespace
} // namespace quillmark
