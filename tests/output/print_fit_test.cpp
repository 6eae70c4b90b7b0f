// The print-fit report against hand-worked figures: whole pixels at a device's resolution,
// GS1's retail range for EAN/UPC, and the ratio rounding leaves.
#include <quillmark/print_fit.h>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

TBarcodeDescription Described(TBarType Type, const char* Value, double XMM, int Dpi,
                              double Ratio = 2.5) {
    TBarcodeDescription d;
    d.Barcode.BarType = Type;
    d.Barcode.BarCode = Value;
    d.Barcode.Ratio = Ratio;
    d.XDimensionMM = XMM;
    d.Dpi = Dpi;
    return d;
}

TEST(PrintFit, ReportsWhatWholePixelsDraw) {
    // 0.33 mm at 203 dpi is 2.64 pixels, drawn as 3: 3 x 25.4 / 203 = 0.375 mm, 114%.
    const TBarcodeDescription ean = Described(bcCodeEAN13, "4006381333931", 0.33, 203);
    const std::vector<std::string> lines = ReportLines(PrintFit(ean, RasterLayout(ean)));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "X-dimension: 0.375 mm (114% of 0.330 mm nominal; permitted "
                        "0.264-0.660 mm; 3 pixels at 203 dpi)");
    // Whole pixels draw every element on its design.
    EXPECT_EQ(lines[1], "decodability: 1.00 (A), of the widths as drawn, not a print grade");
    EXPECT_EQ(lines[2], "quiet zones: 11X / 7X (standard 11X / 7X)");
    // 22.85 mm is 182.6 pixels at 203 dpi, drawn as 183: 22.90 mm.
    EXPECT_EQ(lines[3], "bar height: 22.90 mm (standard at least 18.28 mm)");

    // Code 39 at 0.38 mm, 203 dpi: a 3-pixel module, and 2.5 x 3 = 7.5 rounded to 8.
    const TBarcodeDescription c39 = Described(bcCode39, "ABC", 0.38, 203);
    const TPrintFit fit = PrintFit(c39, RasterLayout(c39));
    ASSERT_TRUE(fit.Ratio);
    EXPECT_NEAR(*fit.Ratio, 8.0 / 3.0, 1e-9);
    EXPECT_EQ(ReportLines(fit)[1], "ratio: 2.67 (standard 2.0-3.0)");

    // A vector file is drawn at the X asked, outside the range as asked.
    const TBarcodeDescription small = Described(bcCodeEAN13, "4006381333931", 0.2, 300);
    const TPrintFit vector = PrintFit(small, VectorLayout(small));
    EXPECT_NEAR(vector.XMM, 0.2, 1e-9);
    EXPECT_FALSE(vector.InRange);
    EXPECT_EQ(ReportLines(vector)[0], "X-dimension: 0.200 mm (61% of 0.330 mm nominal; "
                                      "permitted 0.264-0.660 mm, outside it)");
}

// The types drawn from another or from rows: each report's lines after the X-dimension's, at
// the standard X (0 asks for it) and 300 dpi.
TEST(PrintFit, ReportsITF14DataBarAndBookNumbers) {
    const auto ITF14Lines = [](const char* Bearers) {
        return std::vector<std::string>{
            "X-dimension: 1.016 mm (100% of 1.016 mm nominal; permitted 0.495-1.016 mm; 12 "
            "pixels at 300 dpi)",
            "ratio: 2.50 (standard 2.25-3.0)",
            "decodability: 1.00 (A), of the widths as drawn, not a print grade",
            "quiet zones: 10X / 10X (standard 10X / 10X)",
            "bar height: 31.75 mm (standard at least 31.75 mm)",
            Bearers};
    };
    const struct {
        TBarType Type;
        const char* Value;
        TITF14Bearers Bearers;
        std::vector<std::string> Lines;
    } cases[] = {
        // 1.016 mm at 300 dpi is 12 pixels; 2.5 x 12 = 30; the bearers 5 modules.
        {bcCodeITF14, "0950110153000", TITF14Bearers::Frame,
         ITF14Lines("bearer bars: frame, 5X (5.08 mm; standard at least 2X)")},
        {bcCodeITF14, "0950110153000", TITF14Bearers::TopAndBottom,
         ITF14Lines("bearer bars: top and bottom, 5X (5.08 mm; standard at least 2X)")},
        // 0.330 mm is 3.9 pixels, drawn as 4: 0.339 mm; Omnidirectional's 33 rows.
        {bcCodeDataBar,
         "0950110153000",
         TITF14Bearers::Frame,
         {"X-dimension: 0.339 mm (103% of 0.330 mm nominal; permitted 0.264-0.660 mm; 4 pixels "
          "at 300 dpi)",
          "quiet zones: 0X / 0X / 0X / 0X before, after, above and below (standard 0X on every "
          "side)",
          "height: 33X (11.18 mm), fixed by the symbol's rows, as its standard sets them"}},
        {bcCodeISBN,
         "978-0-306-40615-7",
         TITF14Bearers::Frame,
         {"X-dimension: 0.339 mm (103% of 0.330 mm nominal; permitted 0.264-0.660 mm; 4 pixels "
          "at 300 dpi)",
          "decodability: 1.00 (A), of the widths as drawn, not a print grade",
          "quiet zones: 11X / 7X (standard 11X / 7X)",
          "bar height: 22.86 mm (standard at least 18.28 mm)"}},
    };
    for (const auto& c : cases) {
        TBarcodeDescription d = Described(c.Type, c.Value, 0, 300);
        d.Barcode.TextShow = tsNone;
        d.Barcode.Bearers = c.Bearers;
        EXPECT_EQ(ReportLines(PrintFit(d, RasterLayout(d))), c.Lines) << c.Value;
    }
}

TEST(PrintFit, FitToDeviceStaysInThePermittedRange) {
    const struct {
        TBarType Type;
        double XMM;
        int Dpi;
        std::optional<int> Pixels;
    } cases[] = {
        {bcCodeEAN13, 0.33, 203, 3},   // 0.375 mm; 2 pixels would be 0.250, below 0.264
        {bcCodeEAN13, 0.25, 203, 3},   // the range's floor moves it up
        {bcCodeEAN13, 0.33, 300, 4},   // 0.339 mm
        {bcCodeEAN13, 0.33, 600, 8},   // 0.339 mm
        {bcCodeEAN13, 1.00, 300, 7},   // 0.593 mm, the largest below 0.660
        {bcCodeEAN13, 0.33, 30, {}},   // 1 pixel is 0.847 mm
        {bcCodeGS1_128, 0.33, 203, 4}, // 0.500 mm, GS1-128's 0.495 floor
        {bcCode128, 0.10, 300, 3},     // 0.254 mm; 2 pixels are 0.169, under 0.191
        {bcCodeMSI, 0.33, 300, 4},     // no published range: the nearest
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitToDevice(c.Type, c.XMM, c.Dpi), c.Pixels)
            << BarTypeName(c.Type) << " " << c.XMM << " mm at " << c.Dpi;
    EXPECT_EQ(NoFitMessage(bcCodeEAN13, 30),
              "no whole number of pixels at 30 dpi gives EAN13 an X-dimension in its permitted "
              "0.264-0.660 mm");
}

} // namespace
} // namespace quillmark
