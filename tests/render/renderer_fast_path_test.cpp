// The renderer's fast paths (merged runs, integer quarter turns, writing straight into an
// image's pixels) against the straightforward drawing: every module, in pattern order, the
// closed rectangle of its four turned corners. Random patterns, sizes, places and angles.
#include "renderer.h"
#include "renderer_test_helpers.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numbers>
#include <random>
#include <string>

namespace quillmark {
namespace {

using namespace testing;

struct Case {
    std::string Pattern;
    ElementWidths Widths;
    int Left = 0, Top = 0, Height = 0;
    double Angle = 0;
    QPoint Shift; // the painter's own translation
    QImage::Format Format = QImage::Format_RGB32;
};

// mt19937's output is fixed by the standard; its raw values are mapped here by hand.
Case RandomCase(std::mt19937& Random) {
    const auto below = [&Random](std::size_t Bound) { return Random() % Bound; };
    constexpr std::string_view alphabet = "01235678ABCD"; // short bars last
    constexpr std::array<double, 14> angles = {0,   90, 180, 270,  -90, 450, -180,
                                               720, 30, 45,  -120, 200, 315, 89.5};
    constexpr std::array<QImage::Format, 3> formats = {
        QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888};
    Case c;
    const std::size_t kinds = below(3) == 0 ? alphabet.size() : 8;
    for (std::size_t n = below(40); n > 0; --n)
        c.Pattern += alphabet[below(kinds)];
    c.Widths = MakeElementWidths(1 + static_cast<int>(below(3)), 1.0 + 0.25 * below(9));
    c.Left = static_cast<int>(below(160)) - 40;
    c.Top = static_cast<int>(below(160)) - 40;
    c.Height = static_cast<int>(below(90)) - (below(6) == 0 ? 100 : 0);
    c.Angle = angles[below(below(3) == 0 ? angles.size() : 8)];
    if (below(3) == 0)
        c.Shift = QPoint(static_cast<int>(below(21)) - 10, static_cast<int>(below(21)) - 10);
    c.Format = formats[below(formats.size())];
    return c;
}

int PatternPixels(const Case& C) {
    int total = 0;
    for (const char ch : C.Pattern) {
        int w = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, C.Widths, w, kind);
        total += w;
    }
    return total;
}

QImage Straightforward(const Case& C, QImage Image) {
    const double t = C.Angle / 180 * std::numbers::pi;
    QPoint origin;
    RotatedOrigin(QPoint(C.Left, C.Top), PatternPixels(C), C.Height, t, origin);
    int x = 0;
    for (const char ch : C.Pattern) {
        int w = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, C.Widths, w, kind);
        const int top = kind == lkShortBar ? (C.Height * 3) / 5 : 0;
        QRect box;
        for (const QPoint corner : {QPoint(x, top), QPoint(x, C.Height),
                                    QPoint(x + w - 1, C.Height), QPoint(x + w - 1, top)}) {
            QPoint turned;
            RotatePoint(corner, t, turned);
            AddPoints(turned, origin + C.Shift, turned);
            box = box.isNull() ? QRect(turned, turned) : box.united(QRect(turned, turned));
        }
        const QRgb colour = Rgb(kind == lkSpace ? Space : Bar);
        for (int py = std::max(box.top(), 0); py <= std::min(box.bottom(), Image.height() - 1);
             ++py)
            for (int px = std::max(box.left(), 0); px <= std::min(box.right(), Image.width() - 1);
                 ++px)
                Image.setPixel(px, py, colour);
        x += w;
    }
    return Image;
}

TEST(RendererFastPath, MatchesModuleByModuleDrawing) {
    std::mt19937 random(20261209u);
    for (int i = 0; i < 400; ++i) {
        const Case c = RandomCase(random);
        QImage blank(120, 110, c.Format);
        blank.fill(QColor::fromRgb(Rgb(Background)));
        QImage drawn = blank;
        {
            QPainter painter(&drawn);
            painter.translate(c.Shift);
            TBarcodeSettings settings;
            settings.ColorBar = Bar;
            settings.ColorSpc = Space;
            const TSymbol symbol{c.Pattern, "", c.Widths, 2.0, PatternPixels(c)};
            DrawSymbol(painter, symbol, settings, TestFont(), Letters,
                       {c.Left, c.Top, c.Height, c.Angle});
        }
        ASSERT_EQ(drawn, Straightforward(c, blank))
            << "case " << i << ": " << c.Pattern << " at (" << c.Left << ", " << c.Top << ") h "
            << c.Height << ", " << c.Angle << " degrees, shift (" << c.Shift.x() << ", "
            << c.Shift.y() << "), format " << c.Format;
    }
}

struct PainterSetUp {
    const char* Name;
    void (*Apply)(QPainter& Painter);
};

TEST(RendererFastPath, PainterStatesItCannotHonourGoThroughThePainter) {
    // A multiple of 90 degrees this large takes the painter's path with the same pixels as a
    // plain quarter turn, so each painter state must draw both alike.
    constexpr double viaPainter = 90 + 360.0 * 10000;
    const PainterSetUp setUps[] = {
        {"plain", [](QPainter&) {}},
        {"clip", [](QPainter& p) { p.setClipRect(10, 10, 30, 40); }},
        {"opacity", [](QPainter& p) { p.setOpacity(0.5); }},
        {"multiply", [](QPainter& p) { p.setCompositionMode(QPainter::CompositionMode_Multiply); }},
        {"half pixel", [](QPainter& p) { p.translate(0.5, 0); }},
        {"scale", [](QPainter& p) { p.scale(2, 1); }},
        {"window", [](QPainter& p) { p.setWindow(0, 0, 60, 55); }},
    };
    TBarcodeSettings settings;
    settings.ColorBar = 0x2040C0;
    settings.ColorSpc = Space;
    const TSymbol symbol = MakeSymbol(bcCodePostNet, "90210", 2, 2.0, csNone);
    for (const PainterSetUp& setUp : setUps) {
        for (const int ratio : {1, 2}) {
            std::array<QImage, 2> images;
            for (std::size_t i = 0; i < images.size(); ++i) {
                images[i] = MakeImage(120, 200);
                images[i].setDevicePixelRatio(ratio);
                QPainter painter(&images[i]);
                setUp.Apply(painter);
                DrawSymbol(painter, symbol, settings, TestFont(), Letters,
                           {5, 7, 40, i == 0 ? 90.0 : viaPainter});
            }
            EXPECT_EQ(images[0], images[1]) << setUp.Name << ", device pixel ratio " << ratio;
        }
    }
}

} // namespace
} // namespace quillmark
