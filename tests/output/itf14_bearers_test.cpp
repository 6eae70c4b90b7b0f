// ITF-14's bearer bars, quiet zones and ratio measured from the pixels of a PNG, and the
// bearer thicknesses refused.
#include <quillmark/files.h>
#include <quillmark/itf14.h>
#include <quillmark/layout.h>
#include <quillmark/print_fit.h>

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quillmark {
namespace {

bool Dark(const QImage& Image, int X, int Y) {
    return qGray(Image.pixel(X, Y)) < 128;
}

// The dark and light runs along row Y, from the left edge: their widths, the first run's
// colour in First.
std::vector<int> Runs(const QImage& Image, int Y, bool& First) {
    std::vector<int> runs;
    First = Dark(Image, 0, Y);
    bool colour = First;
    int width = 0;
    for (int x = 0; x < Image.width(); ++x) {
        if (Dark(Image, x, Y) != colour) {
            runs.push_back(width);
            colour = !colour;
            width = 0;
        }
        ++width;
    }
    runs.push_back(width);
    return runs;
}

// The dark rows at the top of column X.
int DarkRowsFromTop(const QImage& Image, int X) {
    int y = 0;
    while (y < Image.height() && Dark(Image, X, y))
        ++y;
    return y;
}

TBarcodeDescription ITF14(TITF14Bearers Bearers, int Modules) {
    TBarcodeDescription d;
    d.Barcode.BarType = bcCodeITF14;
    d.Barcode.BarCode = "0950110153000";
    d.Barcode.TextShow = tsNone;
    d.Barcode.Bearers = Bearers;
    d.Barcode.BearerModules = Modules;
    return d;
}

TEST(ITF14Bearers, MeasuredFromThePixelsOfAPng) {
    const struct {
        TITF14Bearers Bearers;
        int Modules;
        bool Top;   // a bearer above and below
        bool Sides; // and at each end
    } cases[] = {
        {TITF14Bearers::Frame, ITF14BearerDefaultModules, true, true},
        {TITF14Bearers::Frame, ITF14Facts.BearerMinModules, true, true},
        {TITF14Bearers::TopAndBottom, 3, true, false},
        {TITF14Bearers::None, 5, false, false},
    };
    for (const auto& c : cases) {
        const TBarcodeDescription d = ITF14(c.Bearers, c.Modules);
        // The standard's target X at 300 dpi: 12 pixels a module.
        const int x = RasterModul(d);
        ASSERT_EQ(x, 12);
        const QImage image = QImage::fromData(RenderPng(RasterLayout(d)), "PNG");
        const int thickness = c.Top ? c.Modules * x : 0;
        const int side = c.Sides ? thickness : 0;
        const std::string what = std::to_string(static_cast<int>(c.Bearers)) + ", " +
                                 std::to_string(c.Modules) + " modules";
        // The bearers across the whole width, the bars 31.75 mm between them.
        EXPECT_EQ(DarkRowsFromTop(image, 1), c.Sides ? image.height() : thickness) << what;
        EXPECT_EQ(image.height(), 375 + 2 * thickness) << what;
        bool first = false;
        const std::vector<int> top = Runs(image, 0, first);
        if (c.Top) {
            EXPECT_EQ(top, std::vector<int>{image.width()}) << what;
            EXPECT_TRUE(first) << what;
            // The bottom bearer, as thick as the top one.
            int bottom = 0;
            while (bottom < image.height() && Dark(image, 1, image.height() - 1 - bottom))
                ++bottom;
            EXPECT_EQ(bottom, c.Sides ? image.height() : thickness) << what;
        }
        // Along the middle of the bars: a side bearer, the 10X quiet zone, the bars with
        // their ratio, the quiet zone and the other side.
        const std::vector<int> row = Runs(image, image.height() / 2, first);
        EXPECT_EQ(first, c.Sides) << what;
        const std::size_t zone = c.Sides ? 1 : 0;
        EXPECT_EQ(row[zone], ITF14Facts.QuietZoneModules * x) << what;
        EXPECT_EQ(row[row.size() - 1 - zone], ITF14Facts.QuietZoneModules * x) << what;
        if (c.Sides) {
            EXPECT_EQ(row.front(), side) << what;
            EXPECT_EQ(row.back(), side) << what;
        }
        const std::vector<int> bars(row.begin() + static_cast<long>(zone) + 1,
                                    row.end() - static_cast<long>(zone) - 1);
        const auto [narrow, wide] = std::minmax_element(bars.begin(), bars.end());
        EXPECT_EQ(*narrow, x) << what;
        EXPECT_DOUBLE_EQ(static_cast<double>(*wide) / *narrow, ITF14Facts.RatioDefault) << what;
    }
}

TEST(ITF14Bearers, TextStandsBelowTheBottomBearer) {
    TBarcodeDescription d = ITF14(TITF14Bearers::Frame, 5);
    d.Barcode.TextShow = tsBarCode;
    const QImage image = QImage::fromData(RenderPng(RasterLayout(d)), "PNG");
    // The frame's left side runs from the top to the bottom bearer; below it, only text.
    const int frame = DarkRowsFromTop(image, 1);
    EXPECT_EQ(frame, 375 + 2 * 5 * 12);
    bool textBelow = false;
    for (int y = frame; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            textBelow = textBelow || Dark(image, x, y);
    EXPECT_TRUE(textBelow);
}

TEST(ITF14Bearers, ThicknessOutsideTheRangeIsRefusedWithWhatToGive) {
    for (const int modules : {-1, 0, ITF14Facts.BearerMinModules - 1, ITF14BearerMostModules + 1})
        for (const TTextLayout text : {tlStandard, tlOverBars}) {
            TBarcodeDescription d = ITF14(TITF14Bearers::TopAndBottom, modules);
            d.Barcode.TextLayout = text;
            try {
                RasterLayout(d);
                ADD_FAILURE() << modules << " modules drawn";
            } catch (const Exception& e) {
                EXPECT_EQ(std::string(e.what()), std::to_string(modules) +
                                                     " : ITF-14's bearer bars are 2 to 100 "
                                                     "modules thick; give a bearer width in that "
                                                     "range.");
            }
        }
    // Other symbologies have none, whatever the setting.
    TBarcodeDescription code128;
    code128.Barcode.BarCode = "ABC";
    code128.Barcode.BearerModules = 0;
    EXPECT_FALSE(RasterLayout(code128).Bearers);
}

} // namespace
} // namespace quillmark
