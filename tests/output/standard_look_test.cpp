// Files look as the standards print symbols: measured in the pixels of the PNG and of the
// rasterised SVG and PDF.
#include "files_fixture.h"
#include <quillmark/files.h>
#include <quillmark/layout.h>

#include <algorithm>
#include <climits>

namespace quillmark {
namespace {

// A picture read as bars from its top row and the dark pixels below them.
struct TPictureLook {
    int FirstBar = INT_MAX;
    int LastBar = -1;
    int ShortRows = INT_MAX; // the shortest bar's dark rows from the top
    int LongRows = 0;
    std::vector<int> Run; // each column's dark rows from the top
    struct TBox {
        int Left = INT_MAX, Right = -1, Top = INT_MAX, Bottom = -1;
        void Add(int X, int Y) {
            Left = std::min(Left, X), Right = std::max(Right, X);
            Top = std::min(Top, Y), Bottom = std::max(Bottom, Y);
        }
        bool Empty() const { return Right < 0; }
        int Height() const { return Bottom - Top + 1; }
    };
    TBox Before, Between, After; // text left of, within and right of the bars
    bool TextInLongColumns = false;
};

TPictureLook Measure(const QImage& Image) {
    const QImage grey = Image.convertToFormat(QImage::Format_Grayscale8);
    const auto dark = [&](int X, int Y) { return grey.constScanLine(Y)[X] < 128; };
    TPictureLook look;
    look.Run.resize(static_cast<std::size_t>(grey.width()));
    for (int x = 0; x < grey.width(); ++x) {
        int& run = look.Run[static_cast<std::size_t>(x)];
        while (run < grey.height() && dark(x, run))
            ++run;
        if (run == 0)
            continue;
        look.FirstBar = std::min(look.FirstBar, x);
        look.LastBar = std::max(look.LastBar, x);
        look.ShortRows = std::min(look.ShortRows, run);
        look.LongRows = std::max(look.LongRows, run);
    }
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            const int run = look.Run[static_cast<std::size_t>(x)];
            if (y < run || !dark(x, y))
                continue;
            look.TextInLongColumns = look.TextInLongColumns || run > look.ShortRows;
            (x < look.FirstBar  ? look.Before
             : x > look.LastBar ? look.After
                                : look.Between)
                .Add(x, y);
        }
    return look;
}

struct TCase {
    TBarType Type;
    const char* Value;
    bool Retail; // guards descend, digits in the quiet zones
    bool OuterDigits;
    bool SmallOuterDigits;
};

// EAN/UPC: ISO/IEC 15420's layout; the others: a line below uniform bars.
const TCase LookCases[] = {
    {bcCodeEAN13, "4006381333931", true, true, false},
    {bcCodeUPC_A, "036000291452", true, true, true},
    {bcCodeEAN8, "55123457", true, false, false},
    {bcCode128B, "Quill-128", false, false, false},
    {bcCode39, "QUILLMARK-39", false, false, false},
    {bcCode93, "QUILL-93", false, false, false},
    {bcCodeCodabar, "31117013206375", false, false, false},
    {bcCode_2_5_interleaved, "1234567890", false, false, false},
};

// Tolerance is in pixels: 0 for the PNG, more for the rasterisers' antialiased edges.
void ExpectStandardLook(const TCase& C, const QImage& Image, double ModulePixels, int Tolerance,
                        const std::string& Where) {
    const TPictureLook look = Measure(Image);
    ASSERT_LE(look.FirstBar, look.LastBar) << Where;
    EXPECT_FALSE(look.Between.Empty()) << Where << ": no text below the bars";
    // Text one module clear of the short bars, never in a long bar's columns.
    EXPECT_GE(look.Between.Top, look.ShortRows + ModulePixels - Tolerance) << Where;
    EXPECT_FALSE(look.TextInLongColumns) << Where;
    if (C.Retail)
        EXPECT_NEAR(look.LongRows - look.ShortRows, 5 * ModulePixels, 1 + Tolerance) << Where;
    else
        EXPECT_LE(look.LongRows - look.ShortRows, Tolerance) << Where << ": bars not uniform";
    EXPECT_EQ(!look.Before.Empty(), C.OuterDigits) << Where;
    if (C.SmallOuterDigits) {
        ASSERT_FALSE(look.After.Empty()) << Where;
        EXPECT_LT(look.Before.Height(), look.Between.Height()) << Where;
        EXPECT_LT(look.After.Height(), look.Between.Height()) << Where;
    }
}

TEST_F(Files, FilesLookAsTheStandardsPrintSymbols) {
    for (const TCase& c : LookCases) {
        TBarcodeDescription d;
        d.Barcode.BarType = c.Type;
        d.Barcode.BarCode = c.Value;
        const std::string name = BarTypeName(c.Type);
        ExpectStandardLook(c, RenderImage(d), RasterModul(d), 0, name + " PNG");
        const auto scan = ScanImage(RenderImage(d), false);
        EXPECT_TRUE(scan) << name;
        // The vector files at 300 dpi: X is 3.9 pixels there.
        for (const char* file : {"look.svg", "look.pdf"}) {
            SaveBarcode(Path(file), d);
            ExpectStandardLook(c, Rasterise(Path(file)), 0.33 * 300 / 25.4, 2, name + " " + file);
        }
    }
}

// A value with an add-on: one PNG that reads with its add-on; the add-on's digits stand
// within the main bars' height, its bars start below them and end with the guards.
TEST_F(Files, AddOnsFollowTheirMainSymbolInOnePicture) {
    const struct {
        TBarType Type;
        const char* Value;
        const char* Read;
    } cases[] = {{bcCodeEAN13, "9780306406157+51299", "9780306406157 51299"},
                 {bcCodeUPC_A, "036000291452 12", "036000291452 12"}};
    for (const auto& c : cases) {
        TBarcodeDescription d;
        d.Barcode.BarType = c.Type;
        d.Barcode.BarCode = c.Value;
        SaveBarcode(Path("addon.png"), d);
        const QImage image = QImage(Path("addon.png")).convertToFormat(QImage::Format_Grayscale8);
        const auto scan = testing::ScanWithEanAddOn(GreyRaster(image));
        ASSERT_TRUE(scan) << c.Value;
        EXPECT_EQ(scan->Text, c.Read);
        // The main bars from the top row (no rows above for the add-on's digits); the add-on's
        // last bar from below its digits down to the guards' bottom.
        const auto rows = [&image](int X) {
            std::pair<int, int> dark{INT_MAX, -1};
            for (int y = 0; y < image.height(); ++y)
                if (image.constScanLine(y)[X] < 128)
                    dark = {std::min(dark.first, y), y};
            return dark;
        };
        int last = image.width() - 1;
        while (rows(last).second < 0)
            --last;
        const TPictureLook look = Measure(image);
        ASSERT_LT(look.FirstBar, last) << c.Value;
        EXPECT_EQ(rows(look.FirstBar), std::pair(0, look.LongRows - 1)) << c.Value;
        EXPECT_GE(rows(last).first, 8 * RasterModul(d)) << c.Value;
        EXPECT_EQ(rows(last).second, look.LongRows - 1) << c.Value;
        // The add-on's own 5X quiet zone after it.
        EXPECT_EQ(image.width() - 1 - last, 5 * RasterModul(d)) << c.Value;
    }
}

// The optional marks: '>' after EAN-13, EAN-8 and an add-on, '<' before EAN-8.
TEST_F(Files, QuietZoneMarksStandInTheQuietZones) {
    const struct {
        const char* Value;
        TBarType Type;
    } cases[] = {{"4006381333931", bcCodeEAN13},
                 {"55123457", bcCodeEAN8},
                 {"9780306406157+51299", bcCodeEAN13}};
    for (const auto& c : cases) {
        TBarcodeDescription d;
        d.Barcode.BarType = c.Type;
        d.Barcode.BarCode = c.Value;
        const TPictureLook without = Measure(RenderImage(d));
        d.Barcode.QuietZoneMarks = true;
        const QImage image = RenderImage(d);
        const TPictureLook with = Measure(image);
        // Dark pixels further right than the bars (an add-on's, read from the top, count as
        // lying after the main bars).
        EXPECT_GT(with.After.Right, without.After.Right) << c.Value;
        EXPECT_EQ(with.Before.Empty(), without.Before.Empty() && c.Type != bcCodeEAN8) << c.Value;
        EXPECT_TRUE(ScanImage(image, false)) << c.Value;
    }
}

TEST_F(Files, PdfEmbedsOcrBForRetailDigits) {
    TBarcodeDescription d;
    d.Barcode.BarType = bcCodeEAN13;
    d.Barcode.BarCode = "4006381333931";
    SaveBarcode(Path("fonts.pdf"), d);
    QByteArray fonts;
    RunTool(QStringLiteral(QUILLMARK_PDFFONTS), {Path("fonts.pdf")}, &fonts);
    EXPECT_TRUE(fonts.contains("OCRB")) << fonts.data();
    EXPECT_TRUE(RenderSvg(d).contains("font-family=\"&apos;OCR B&apos;, &apos;OCR-B&apos;, "
                                      "monospace\""));
}

} // namespace
} // namespace quillmark
