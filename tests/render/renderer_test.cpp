// The renderer's geometry helpers and the pixels its bars cover.
#include "renderer_test_helpers.h"
#include <quillmark/renderer.h>

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace quillmark {
namespace {

using namespace testing;

constexpr double Pi = std::numbers::pi;

TEST(RendererColour, RedIsTheLowByte) {
    EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(ToQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(ToQColor(clWhite), QColor(255, 255, 255));
    EXPECT_EQ(ToQColor(clBlack), QColor(0, 0, 0));
}

struct RotateCase {
    double Degrees;
    QPoint Expected; // of the point (3, 5)
};

TEST(RendererGeometry, RotatePointQuarterTurns) {
    // Counter-clockwise on a screen whose y axis points down.
    const RotateCase cases[] = {{0, {3, 5}}, {90, {5, -3}}, {180, {-3, -5}}, {270, {-5, 3}}};
    for (const RotateCase& c : cases) {
        QPoint result;
        RotatePoint(QPoint(3, 5), c.Degrees / 180 * Pi, result);
        EXPECT_EQ(result, c.Expected) << c.Degrees;
    }
}

TEST(RendererGeometry, RotatePointRoundsEachCoordinate) {
    QPoint result;
    RotatePoint(QPoint(10, 0), Pi / 4, result); // 7.07, -7.07
    EXPECT_EQ(result, QPoint(7, -7));
    RotatePoint(QPoint(100, 0), Pi / 6, result); // 86.6, -50
    EXPECT_EQ(result, QPoint(87, -50));
}

TEST(RendererGeometry, AddPoints) {
    QPoint result;
    AddPoints(QPoint(3, -4), QPoint(-10, 20), result);
    EXPECT_EQ(result, QPoint(-7, 16));
}

struct OriginCase {
    double Degrees;
    QPoint Expected; // for P (10, 20) and a 30 x 7 box
};

TEST(RendererGeometry, RotatedOriginQuarterTurns) {
    const OriginCase cases[] = {{0, {10, 20}}, {90, {10, 50}}, {180, {40, 27}}, {270, {17, 20}}};
    for (const OriginCase& c : cases) {
        QPoint result;
        RotatedOrigin(QPoint(10, 20), 30, 7, c.Degrees / 180 * Pi, result);
        EXPECT_EQ(result, c.Expected) << c.Degrees;
    }
}

TEST(RendererGeometry, RotatedOriginPutsTheBoundingBoxAtP) {
    // The turned corners of the box, moved by the origin, have their smallest x and y at
    // P: exactly for quarter turns, and within the one pixel that rounding each product
    // on its own may cost at other angles.
    const QPoint p(-4, 9);
    const int w = 41, h = 17;
    for (const double degrees : {0.0, 30.0, 90.0, 120.0, 180.0, 210.0, 270.0, 300.0, 345.0}) {
        const double t = degrees / 180 * Pi;
        QPoint origin;
        RotatedOrigin(p, w, h, t, origin);
        int minX = INT_MAX, minY = INT_MAX;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
            QPoint turned;
            RotatePoint(corner, t, turned);
            minX = std::min(minX, turned.x() + origin.x());
            minY = std::min(minY, turned.y() + origin.y());
        }
        const int slack = std::fmod(degrees, 90.0) == 0 ? 0 : 1;
        EXPECT_LE(std::abs(minX - p.x()), slack) << degrees;
        EXPECT_LE(std::abs(minY - p.y()), slack) << degrees;
    }
}

std::string Pattern(TBarType Type, const std::string& Value, int Modul, double Ratio) {
    std::string text = Value;
    std::string pattern;
    MakeModules(Type, Value, Modul, Ratio, csNone, text, pattern);
    return pattern;
}

void Draw(QImage& Image, TBarType Type, const std::string& Value, int Modul, double Ratio, int Left,
          int Top, int Height, double Angle, TTextShow Show = tsNone,
          TTextPosition Position = tpBottomCenter) {
    QPainter painter(&Image);
    DrawBarcode(painter, Type, Value, Modul, Ratio, csNone, Left, Top, Height, TestFont(), Letters,
                Show, Position, Bar, Space, TextBox, Angle);
}

// The image expected from the pattern alone: every module the closed rectangle from
// (x, top) to (x + w - 1, h), turned by the orientation table.
QImage Expected(const QImage& Blank, TBarType Type, const std::string& Value, int Modul,
                double Ratio, int Left, int Top, int h, TOrientation Orientation) {
    const std::string pattern = Pattern(Type, Value, Modul, Ratio);
    std::vector<int> widths;
    std::vector<TLineKind> kinds;
    int pw = 0;
    for (const char ch : pattern) {
        int w = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, w, kind);
        widths.push_back(w);
        kinds.push_back(kind);
        pw += w;
    }
    QImage image = Blank;
    int x = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const int top = kinds[i] == lkShortBar ? (h * 3) / 5 : 0;
        const QRgb colour = Rgb(kinds[i] == lkSpace ? Space : Bar);
        for (int px = x; px < x + widths[i]; ++px)
            for (int py = top; py <= h; ++py)
                image.setPixel(CanvasPoint(Orientation, Left, Top, pw, h, px, py), colour);
        x += widths[i];
    }
    return image;
}

// First pixel where two images differ, for a readable failure.
std::string FirstDifference(const QImage& Got, const QImage& Want) {
    for (int y = 0; y < Got.height(); ++y)
        for (int x = 0; x < Got.width(); ++x)
            if (Got.pixel(x, y) != Want.pixel(x, y))
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "none";
}

TEST(RendererBars, WindowFirstSymbolCoversColumnsZeroTo291) {
    QImage image = MakeImage(337, 89);
    Draw(image, bcCode_2_5_industrial, "123456789", 2, 3.0, 0, 0, 88, 0);
    ASSERT_EQ(PatternWidth(bcCode_2_5_industrial, "123456789", 2, 3.0, csNone), 292);
    for (int y = 0; y <= 88; ++y) {
        for (int x = 0; x <= 291; ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(pixel == Rgb(Bar) || pixel == Rgb(Space)) << x << ", " << y;
        }
        for (int x = 292; x < 337; ++x)
            ASSERT_EQ(image.pixel(x, y), Rgb(Background)) << x << ", " << y;
    }
    // Narrow 2 and wide 6 pixels: the first bar is a wide one (start of Code 2 of 5).
    const QImage want = Expected(MakeImage(337, 89), bcCode_2_5_industrial, "123456789", 2, 3.0, 0,
                                 0, 88, toLeftRight);
    EXPECT_EQ(image, want) << FirstDifference(image, want);
}

struct SymbolCase {
    TBarType Type;
    const char* Value;
    int Modul;
    double Ratio;
    int Height;
};

TEST(RendererBars, EveryModuleInEveryOrientation) {
    const SymbolCase cases[] = {
        {bcCode_2_5_interleaved, "123456", 2, 3.0, 30},
        {bcCodeCodabar, "40156", 1, 2.5, 21},
        {bcCodeMSI, "907", 3, 2.0, 17},
        {bcCodePostNet, "12345", 2, 2.0, 88},
        {bcCodePostNet, "0", 1, 2.0, 13},
    };
    const int left = 7, top = 5;
    for (const SymbolCase& c : cases) {
        for (const Direction& d : Directions) {
            const int pw = PatternWidth(c.Type, c.Value, c.Modul, c.Ratio, csNone);
            const int size = std::max(pw, c.Height) + 20;
            QImage image = MakeImage(size, size);
            Draw(image, c.Type, c.Value, c.Modul, c.Ratio, left, top, c.Height, d.Angle);
            const QImage want = Expected(MakeImage(size, size), c.Type, c.Value, c.Modul, c.Ratio,
                                         left, top, c.Height, d.Orientation);
            EXPECT_EQ(image, want) << BarTypeName(c.Type) << " " << c.Value << " " << d.Name
                                   << " first difference at " << FirstDifference(image, want);
        }
    }
}

TEST(RendererBars, ShortBarsStartAtThreeFifthsAndSpacesFillTheHeight) {
    const int left = 3, top = 4, h = 88;
    QImage image = MakeImage(200, 100);
    Draw(image, bcCodePostNet, "1", 1, 2.0, left, top, h, 0);
    const std::string pattern = Pattern(bcCodePostNet, "1", 1, 2.0);
    int x = 0;
    int shortBars = 0, spaces = 0;
    for (const char ch : pattern) {
        int w = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, w, kind);
        for (int column = left + x; column < left + x + w; ++column) {
            if (kind == lkShortBar) {
                EXPECT_EQ(image.pixel(column, top + 51), Rgb(Background)) << column;
                EXPECT_EQ(image.pixel(column, top), Rgb(Background)) << column;
                EXPECT_EQ(image.pixel(column, top + 52), Rgb(Bar)) << column;
                EXPECT_EQ(image.pixel(column, top + 88), Rgb(Bar)) << column;
                EXPECT_EQ(image.pixel(column, top + 89), Rgb(Background)) << column;
                ++shortBars;
            } else if (kind == lkSpace) {
                EXPECT_EQ(image.pixel(column, top), Rgb(Space)) << column;
                EXPECT_EQ(image.pixel(column, top + 51), Rgb(Space)) << column;
                EXPECT_EQ(image.pixel(column, top + 88), Rgb(Space)) << column;
                ++spaces;
            } else {
                EXPECT_EQ(image.pixel(column, top), Rgb(Bar)) << column;
                EXPECT_EQ(image.pixel(column, top + 88), Rgb(Bar)) << column;
            }
        }
        x += w;
    }
    // Digit 1 is three short bars and two full ones; the spaces are wide.
    EXPECT_EQ(shortBars, 3);
    EXPECT_EQ(spaces, 2 * 6);
}

TEST(RendererBars, HonoursThePaintersOwnTranslation) {
    QImage moved = MakeImage(150, 80);
    {
        QPainter painter(&moved);
        painter.translate(10, 6);
        DrawBarcode(painter, bcCode_2_5_interleaved, "1234", 1, 3.0, csNone, 2, 3, 40, TestFont(),
                    Letters, tsNone, tpBottomCenter, Bar, Space, TextBox, 90);
    }
    QImage direct = MakeImage(150, 80);
    Draw(direct, bcCode_2_5_interleaved, "1234", 1, 3.0, 12, 9, 40, 90);
    EXPECT_EQ(moved, direct);
}

TEST(RendererBars, DrawBarsAloneUsesTheCurrentWidths) {
    const std::string pattern = Pattern(bcCodeMSI, "12", 2, 2.0);
    const int pw = PatternWidth(bcCodeMSI, "12", 2, 2.0, csNone);
    QImage image = MakeImage(pw + 10, 40);
    {
        QPainter painter(&image);
        DrawBars(pattern, painter, Bar, Space, 5, 2, pw, 30, 180);
    }
    EXPECT_EQ(image,
              Expected(MakeImage(pw + 10, 40), bcCodeMSI, "12", 2, 2.0, 5, 2, 30, toRightLeft));
}

} // namespace
} // namespace quillmark
