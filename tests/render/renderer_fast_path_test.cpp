// The renderer's fast paths (merged runs, integer quarter turns, writing straight into an
// image's pixels) against the straightforward drawing: every module, in pattern order, the
// closed rectangle of its four turned corners. Random patterns, sizes, places and angles.
#include "renderer_test_helpers.h"
#include <quillmark/renderer.h>

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
            const TSymbol symbol{c.Pattern, "", c.Widths, 2.0, PatternPixels(c), nullptr, {}};
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

namespace quillmark {
namespace {

using namespace testing;

// DrawBarcode with and without the direct writes: a clip over the whole image leaves every
// pixel where it was but sends every fill through the painter. Random values, colours,
// formats, places and directions, text on and off.
TEST(RendererFastPath, DirectWritesMatchThePainterInEveryFormat) {
    std::mt19937 random(2026120923u);
    const auto below = [&random](std::size_t Bound) { return random() % Bound; };
    constexpr std::array<QImage::Format, 5> formats = {
        QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_Grayscale8,
        QImage::Format_Mono, QImage::Format_MonoLSB};
    // Greys either side of the middle, colours a 1-bit table holds about equally far, and
    // one exactly as far from both colours of the custom table below.
    constexpr std::array<TColor, 9> colours = {clBlack,  clWhite,  0x7F7F7F, 0x808080, 0x0000FF,
                                               0x00FF00, 0xFF00FF, 0x2040C0, 0x647D7D};
    const auto colour = [&] { return colours[below(colours.size())]; };
    for (int i = 0; i < 300; ++i) {
        const QImage::Format format = formats[below(formats.size())];
        std::string value;
        for (std::size_t n = 1 + below(12); n > 0; --n)
            value += static_cast<char>(' ' + below(95));
        const int modul = 1 + static_cast<int>(below(3));
        const double angle = 90.0 * static_cast<double>(below(4));
        const QPoint at(static_cast<int>(below(40)) - 10, static_cast<int>(below(30)) - 10);
        const TColor bar = colour(), space = colour(), box = colour(), ink = colour();
        const TTextShow show = below(2) == 0 ? tsNone : tsBarCode;
        const int height = static_cast<int>(below(60));
        QImage blank(200, 160, format);
        if (below(4) == 0 && blank.colorCount() == 2)
            blank.setColorTable({qRgb(0, 0, 200), qRgb(250, 250, 0)});
        blank.fill(0);
        std::array<QImage, 2> images = {blank, blank};
        for (std::size_t clip = 0; clip < images.size(); ++clip) {
            QPainter painter(&images[clip]);
            if (clip == 1)
                painter.setClipRect(images[clip].rect());
            DrawBarcode(painter, bcCode128B, value, modul, 2.0, csNone, at.x(), at.y(), height,
                        TestFont(), ink, show, tpBottomCenter, bar, space, box, angle);
        }
        ASSERT_EQ(images[0], images[1])
            << "case " << i << ": format " << format << ", '" << value << "', modul " << modul
            << ", " << angle << " degrees at (" << at.x() << ", " << at.y() << ")";
    }
}

} // namespace
} // namespace quillmark
