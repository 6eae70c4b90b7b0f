// Text copied from a kept cell against text drawn afresh. Random texts, fonts (some drawn
// again without kerning), colours, directions, places and image formats; each drawn three times at
// three places, so that the third draw may copy what the second kept. A striped ground shows any
// glyph pixel a copy would leave out.
#include "renderer.h"
#include "renderer_test_helpers.h"
#include "text_cells.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace quillmark {
namespace {

using namespace testing;

struct TextCase {
    std::string Text;
    QFont Font;
    TColor Box = 0;
    TColor Ink = 0;
    double Angle = 0;
    TTextPosition Position = tpBottomCenter;
    QImage::Format Format = QImage::Format_RGB32;
};

TextCase RandomTextCase(std::mt19937& Random) {
    const auto below = [&Random](std::size_t Bound) { return Random() % Bound; };
    constexpr std::string_view letters = "AjfgQW/_|0123 .,\xC5\xC9\xE7\xF1\xDF";
    constexpr std::array<const char*, 3> families = {"DejaVu Sans", "DejaVu Serif",
                                                     "DejaVu Sans Mono"};
    constexpr std::array<double, 6> angles = {0, 90, 180, 270, -90, 450};
    constexpr std::array<QImage::Format, 4> formats = {QImage::Format_RGB32, QImage::Format_ARGB32,
                                                       QImage::Format_ARGB32_Premultiplied,
                                                       QImage::Format_RGB888};
    TextCase c;
    for (std::size_t n = 1 + below(16); n > 0; --n)
        c.Text += letters[below(letters.size())];
    c.Font = QFont(families[below(families.size())]);
    c.Font.setPixelSize(8 + static_cast<int>(below(30)));
    c.Font.setItalic(below(3) == 0);
    c.Font.setBold(below(3) == 0);
    c.Box = static_cast<TColor>(Random() & 0xFFFFFF);
    c.Ink = static_cast<TColor>(Random() & 0xFFFFFF);
    c.Angle = angles[below(angles.size())];
    c.Position = static_cast<TTextPosition>(below(6));
    c.Format = formats[below(formats.size())];
    return c;
}

// Draws C with its box's corner at At; a clip covering the whole image keeps the painter
// from copying or keeping any cell.
QImage Draw(const TextCase& C, QPoint At, bool Afresh) {
    QImage image(240, 240, C.Format);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x / 3 + y) % 2 == 0 ? qRgb(20, 200, 90) : qRgb(230, 40, 150));
    QPainter painter(&image);
    if (Afresh)
        painter.setClipRect(image.rect());
    DrawBarText(C.Text, painter, C.Box, C.Font, C.Ink, At.x(), At.y(), 120, 100, C.Angle,
                C.Position);
    return image;
}

TEST(TextCells, CopiesGiveThePixelsOfAFreshDrawing) {
    std::mt19937 random(20261209u);
    std::vector<TextCase> cases;
    // A large 'j' reaches left of its cell, so its cell must never be copied.
    TextCase overhang;
    overhang.Text = "j";
    overhang.Font = QFont("DejaVu Sans");
    overhang.Font.setPixelSize(60);
    cases.push_back(overhang);
    for (int i = 0; i < 60; ++i) {
        cases.push_back(RandomTextCase(random));
        // The same again without kerning: a font that differs only there must not share cells.
        if (random() % 3 == 0) {
            cases.push_back(cases.back());
            cases.back().Font.setKerning(false);
        }
    }
    int copied = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const TextCase& c = cases[i];
        const long long before = TextCellCopies();
        for (const QPoint at : {QPoint(40, 50), QPoint(41, 57), QPoint(63, 45)})
            ASSERT_EQ(Draw(c, at, false), Draw(c, at, true))
                << "case " << i << ": \"" << c.Text << "\" in " << c.Font.toString().toStdString()
                << ", " << c.Angle << " degrees, position " << static_cast<int>(c.Position)
                << ", format " << c.Format << ", at (" << at.x() << ", " << at.y() << ")";
        const bool copy = TextCellCopies() > before;
        EXPECT_TRUE(!copy || (i > 0 && c.Format != QImage::Format_RGB888)) << "case " << i;
        copied += copy ? 1 : 0;
    }
    // Most cells are kept: the copies are not a path that never runs.
    EXPECT_GE(copied, 20);
}

} // namespace
} // namespace quillmark
