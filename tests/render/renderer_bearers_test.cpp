// ITF-14's bearer bars as the renderer (and so the widget) draws them: inside the box's
// height, the frame's sides and quiet zones beyond its ends, in every reading direction and
// both text layouts.
#include "renderer_test_helpers.h"
#include <quillmark/itf14.h>
#include <quillmark/renderer.h>

#include <QPainter>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using namespace quillmark::testing;

class BearerDirections : public ::testing::TestWithParam<Direction> {};

TEST_P(BearerDirections, FrameAndBarsWhereTheTableSays) {
    constexpr int Modul = 2;
    constexpr int Left = 80;
    constexpr int Top = 80;
    constexpr int Height = 99; // box rows 0 to 99
    constexpr int T = 5 * Modul;
    constexpr int Zone = ITF14Facts.QuietZoneModules * Modul;
    const TSymbol symbol = MakeSymbol(bcCodeITF14, "0950110153000", Modul, 2.5, csNone);
    const int w = symbol.Width;
    const struct {
        TTextLayout Layout;
        TITF14Bearers Bearers;
    } cases[] = {
        {tlOverBars, TITF14Bearers::Frame},
        {tlStandard, TITF14Bearers::Frame},
        {tlOverBars, TITF14Bearers::TopAndBottom},
        {tlStandard, TITF14Bearers::None},
    };
    for (const auto& c : cases) {
        TSymbolLook look;
        look.BarType = bcCodeITF14;
        look.BarCode = "0950110153000";
        look.ColorBar = Bar;
        look.ColorSpc = Space;
        look.TextLayout = c.Layout;
        look.Bearers = c.Bearers;
        look.BearerModules = 5;
        QImage image = MakeImage(w + 200, w + 200);
        {
            QPainter painter(&image);
            DrawSymbol(painter, symbol, look, TestFont(), Letters,
                       {Left, Top, Height, GetParam().Angle});
        }
        const auto at = [&](int X, int Y) {
            return image.pixel(CanvasPoint(GetParam().Orientation, Left, Top, w, Height, X, Y));
        };
        const bool bearers = c.Bearers != TITF14Bearers::None;
        const bool sides = c.Bearers == TITF14Bearers::Frame;
        const int reach = Zone + (sides ? T : 0);
        const int what = static_cast<int>(c.Layout) * 10 + static_cast<int>(c.Bearers);
        // The start pattern's first space, under a bearer at the top and bottom rows.
        EXPECT_EQ(at(Modul, 0), Rgb(bearers ? Bar : Space)) << what;
        EXPECT_EQ(at(Modul, Height), Rgb(bearers ? Bar : Space)) << what;
        EXPECT_EQ(at(Modul, T), Rgb(Space)) << what;
        EXPECT_EQ(at(0, Height / 2), Rgb(Bar)) << what;
        EXPECT_EQ(at(-1, Height / 2), Rgb(bearers ? Space : Background)) << what;
        EXPECT_EQ(at(w - 1, Height / 2), Rgb(Bar)) << what;
        EXPECT_EQ(at(w, Height / 2), Rgb(bearers ? Space : Background)) << what;
        if (!bearers)
            continue;
        // The bearers reach over the quiet zones and, in a frame, down its sides.
        EXPECT_EQ(at(-reach, 0), Rgb(Bar)) << what;
        EXPECT_EQ(at(w - 1 + reach, Height), Rgb(Bar)) << what;
        EXPECT_EQ(at(-reach - 1, 0), Rgb(Background)) << what;
        EXPECT_EQ(at(-Zone, Height / 2), Rgb(Space)) << what;
        EXPECT_EQ(at(w - 1 + Zone, Height / 2), Rgb(Space)) << what;
        EXPECT_EQ(at(-reach, Height / 2), Rgb(sides ? Bar : Space)) << what;
        EXPECT_EQ(at(w - 1 + reach, Height / 2), Rgb(sides ? Bar : Space)) << what;
        EXPECT_EQ(at(-reach - 1, Height / 2), Rgb(Background)) << what;
        EXPECT_EQ(at(w + reach, Height / 2), Rgb(Background)) << what;
    }
}

INSTANTIATE_TEST_SUITE_P(Bearers, BearerDirections, ::testing::ValuesIn(Directions),
                         [](const auto& Info) { return std::string(Info.param.Name); });

} // namespace
} // namespace quillmark
