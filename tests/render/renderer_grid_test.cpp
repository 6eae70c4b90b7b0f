// A two-dimensional symbol's modules land where the orientation table puts each box pixel,
// every module Modul pixels square, in all four reading directions; its text stands clear of
// them under the standard layout.
#include "renderer_test_helpers.h"
#include <quillmark/module_grid.h>
#include <quillmark/renderer.h>

#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

namespace quillmark {
namespace {

using namespace quillmark::testing;

// Five columns by three rows, no two rows or columns alike, so a mirror or a swap shows.
TSymbol GridSymbol(int Modul) {
    auto grid = std::make_shared<TModuleGrid>();
    grid->Columns = 5;
    grid->Rows = 3;
    grid->Dark = {1, 1, 0, 1, 0, //
                  0, 1, 0, 0, 1, //
                  1, 0, 0, 1, 1};
    TSymbol symbol;
    symbol.Widths = MakeElementWidths(Modul, 2.0);
    symbol.Width = grid->Columns * Modul;
    symbol.Grid = std::move(grid);
    return symbol;
}

class GridDirections : public ::testing::TestWithParam<Direction> {};

TEST_P(GridDirections, EveryModulePixelWhereTheTableSays) {
    const int modul = 3;
    const TSymbol symbol = GridSymbol(modul);
    const int height = GridHeight(symbol);
    ASSERT_EQ(height, 9);
    QImage image = MakeImage(40, 40);
    {
        QPainter painter(&image);
        TSymbolLook look;
        look.ColorBar = Bar;
        look.ColorSpc = Space;
        DrawSymbol(painter, symbol, look, TestFont(), Letters, {4, 6, 999, GetParam().Angle});
    }
    int checked = 0;
    for (int py = 0; py < height; ++py)
        for (int px = 0; px < symbol.Width; ++px) {
            const QPoint at =
                CanvasPoint(GetParam().Orientation, 4, 6, symbol.Width, height - 1, px, py);
            const bool dark = symbol.Grid->IsDark(px / modul, py / modul);
            EXPECT_EQ(image.pixel(at), Rgb(dark ? Bar : Space)) << px << "," << py;
            ++checked;
        }
    EXPECT_EQ(checked, 135);
    // Nothing outside the box: its pixels are all there are.
    EXPECT_EQ(CountColour(image, Bar) + CountColour(image, Space), 135);
}

INSTANTIATE_TEST_SUITE_P(Grid, GridDirections, ::testing::ValuesIn(Directions),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(GridText, StandsBelowTheModulesUnderTheStandardLayout) {
    TSymbol symbol = GridSymbol(4);
    symbol.Text = "QM-1";
    QImage image = MakeImage(120, 120);
    {
        QPainter painter(&image);
        TSymbolLook look;
        look.ColorBar = Bar;
        look.ColorSpc = Space;
        look.TextShow = tsBarCode;
        look.TextLayout = tlStandard;
        DrawSymbol(painter, symbol, look, TestFont(), Letters, {10, 10, 80, 0});
    }
    const QRect letters = ColourBounds(image, Letters);
    const QRect bars = ColourBounds(image, Bar);
    ASSERT_FALSE(letters.isEmpty());
    EXPECT_GT(letters.top(), bars.bottom());
    EXPECT_EQ(bars.height(), 12); // the grid's rows, not the 80 rows asked
}

} // namespace
} // namespace quillmark
