// The human-readable text: which text, where its cell box lands in each reading direction,
// and the painter left as it was found.
#include "renderer_test_helpers.h"
#include <quillmark/renderer.h>

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace quillmark {
namespace {

using namespace testing;

constexpr int Left = 60;
constexpr int Top = 70;
constexpr int H = 88;
const std::string Value = "123456789"; // Code 2 of 5 industrial, Modul 2, Ratio 3: PW 292

struct TextExtent {
    int Width;
    int Height;
};

TextExtent Measure(const QImage& Image, const std::string& Text) {
    const QFontMetrics metrics(TestFont(), &Image);
    return {metrics.horizontalAdvance(QString::fromLatin1(Text)), metrics.height()};
}

QImage Render(TTextShow Show, TTextPosition Position, double Angle, TColor FontColor,
              TBarType Type = bcCode_2_5_industrial, const std::string& Text = Value) {
    QImage image = MakeImage(460, 460);
    QPainter painter(&image);
    DrawBarcode(painter, Type, Text, 2, 3.0, csNone, Left, Top, H, TestFont(), FontColor, Show,
                Position, Bar, Space, TextBox, Angle);
    return image;
}

struct PositionCase {
    TTextPosition Position;
    const char* Name;
};

constexpr PositionCase Positions[] = {
    {tpTopLeft, "TopLeft"},       {tpTopRight, "TopRight"},       {tpTopCenter, "TopCenter"},
    {tpBottomLeft, "BottomLeft"}, {tpBottomRight, "BottomRight"}, {tpBottomCenter, "BottomCenter"},
};

bool IsTop(TTextPosition Position) {
    return Position == tpTopLeft || Position == tpTopRight || Position == tpTopCenter;
}

// The text's corner: placed in the unrotated box, carried to the canvas by the orientation
// table, then moved by the one-pixel correction of its direction.
QPoint ExpectedCorner(TOrientation Orientation, TTextPosition Position, int PW, TextExtent Text) {
    int px = 0;
    if (Position == tpTopRight || Position == tpBottomRight)
        px = PW - Text.Width - 1;
    else if (Position == tpTopCenter || Position == tpBottomCenter)
        px = static_cast<int>(std::trunc((PW - Text.Width) / 2.0));
    const int py = IsTop(Position) ? 0 : H - Text.Height;
    QPoint p = CanvasPoint(Orientation, Left, Top, PW, H, px, py);
    switch (Orientation) {
    case toLeftRight:
        p += QPoint(Position == tpTopRight || Position == tpBottomRight ? 1 : 0,
                    IsTop(Position) ? 0 : 1);
        break;
    case toRightLeft:
        p += QPoint(0, IsTop(Position) ? 1 : 0);
        break;
    case toTopBottom:
        p += QPoint(1, 0);
        break;
    case toBottomTop:
        break;
    }
    return p;
}

// The pixels of a tw x th cell whose top-left corner is at Corner, the cell turned about
// that corner with the text.
QRect CellPixels(TOrientation Orientation, QPoint Corner, TextExtent Text) {
    const int tw = Text.Width, th = Text.Height;
    switch (Orientation) {
    case toLeftRight:
        return {Corner.x(), Corner.y(), tw, th};
    case toRightLeft:
        return {Corner.x() - tw, Corner.y() - th, tw, th};
    case toTopBottom: // reads downwards: the letters' tops face right
        return {Corner.x() - th, Corner.y(), th, tw};
    case toBottomTop: // reads upwards: the letters' tops face left
        return {Corner.x(), Corner.y() - tw, th, tw};
    }
    return {};
}

TEST(RendererText, CellBoxInEveryDirectionAndPosition) {
    const int pw = PatternWidth(bcCode_2_5_industrial, Value, 2, 3.0, csNone);
    for (const Direction& d : Directions) {
        for (const PositionCase& pos : Positions) {
            // Letters in the box's own colour, so the whole cell is one solid rectangle.
            const QImage image = Render(tsBarCode, pos.Position, d.Angle, TextBox);
            const TextExtent text = Measure(image, Value);
            const QRect want = CellPixels(
                d.Orientation, ExpectedCorner(d.Orientation, pos.Position, pw, text), text);
            EXPECT_EQ(ColourBounds(image, TextBox), want) << d.Name << " " << pos.Name;
            EXPECT_EQ(CountColour(image, TextBox), want.width() * want.height())
                << d.Name << " " << pos.Name;
        }
    }
}

TEST(RendererText, WorkedCornersLeftToRight) {
    const int pw = 292;
    QImage image = Render(tsBarCode, tpBottomCenter, 0, TextBox);
    const TextExtent text = Measure(image, Value);
    EXPECT_EQ(ColourBounds(image, TextBox).topLeft(),
              QPoint(Left + static_cast<int>(std::trunc((pw - text.Width) / 2.0)),
                     Top + H - text.Height + 1));
    // The bottom of the cell sits on the last bar row.
    EXPECT_EQ(ColourBounds(image, TextBox).bottom(), Top + H);

    image = Render(tsBarCode, tpTopRight, 0, TextBox);
    EXPECT_EQ(ColourBounds(image, TextBox).topLeft(), QPoint(Left + pw - text.Width, Top));
    EXPECT_EQ(ColourBounds(image, TextBox).right(), Left + pw - 1);
}

TEST(RendererText, WorkedCornerRightToLeftTopLeft) {
    const int pw = 292;
    const QImage image = Render(tsBarCode, tpTopLeft, 180, TextBox);
    const TextExtent text = Measure(image, Value);
    // Reference point (Left + PW, Top + h + 1); the upside-down cell lies above-left of it.
    const QRect box = ColourBounds(image, TextBox);
    EXPECT_EQ(box.bottomRight() + QPoint(1, 1), QPoint(Left + pw, Top + H + 1));
    EXPECT_EQ(box.size(), QSize(text.Width, text.Height));
}

TEST(RendererText, LettersInTheFontColourInsideTheCell) {
    for (const Direction& d : Directions) {
        const QImage image = Render(tsBarCode, tpTopCenter, d.Angle, Letters);
        const QRect box = ColourBounds(image, TextBox);
        ASSERT_FALSE(box.isEmpty()) << d.Name;
        // Every pixel that is neither the cell's nor a bar's nor a space's nor the
        // background's is a letter pixel, and letters stay inside the cell.
        int letterPixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (pixel == Rgb(TextBox) || pixel == Rgb(Bar) || pixel == Rgb(Space) ||
                    pixel == Rgb(Background))
                    continue;
                EXPECT_TRUE(box.contains(x, y)) << d.Name << " " << x << ", " << y;
                ++letterPixels;
            }
        EXPECT_GT(letterPixels, 50) << d.Name;
        EXPECT_GT(CountColour(image, Letters), 10) << d.Name;
    }
}

TEST(RendererText, NoneDrawsNothingOverTheBars) {
    for (const Direction& d : Directions) {
        const QImage with = Render(tsNone, tpBottomCenter, d.Angle, Letters);
        EXPECT_EQ(CountColour(with, TextBox), 0) << d.Name;
        EXPECT_EQ(CountColour(with, Letters), 0) << d.Name;
        // The same as the bars drawn alone.
        QImage bars = MakeImage(460, 460);
        {
            QPainter painter(&bars);
            double ratio = 3.0;
            std::string text, pattern;
            MakeModules(bcCode_2_5_industrial, Value, 2, ratio, csNone, text, pattern);
            DrawBars(pattern, painter, Bar, Space, Left, Top, 292, H, d.Angle);
        }
        EXPECT_EQ(with, bars) << d.Name;
    }
}

TEST(RendererText, CallersOpaqueBackgroundDoesNotPaintOverTheCell) {
    for (const Direction& d : Directions) {
        const QImage plain = Render(tsBoth, tpBottomLeft, d.Angle, Letters);
        QImage image = MakeImage(460, 460);
        {
            QPainter painter(&image);
            painter.setBackground(QColor(200, 10, 10));
            painter.setBackgroundMode(Qt::OpaqueMode);
            DrawBarcode(painter, bcCode_2_5_industrial, Value, 2, 3.0, csNone, Left, Top, H,
                        TestFont(), Letters, tsBoth, tpBottomLeft, Bar, Space, TextBox, d.Angle);
        }
        EXPECT_EQ(image, plain) << d.Name;
    }
}

struct ShowCase {
    TTextShow Show;
    TBarType Type;
    const char* Value;
    const char* Shown;
};

TEST(RendererText, WhichTextEachModeShows) {
    const ShowCase cases[] = {
        {tsBarCode, bcCode_2_5_industrial, "123456789", "123456789"},
        {tsBarType, bcCode_2_5_industrial, "123456789", "Code25 industrial"},
        {tsBoth, bcCode_2_5_industrial, "123456789", "Code25 industrial 123456789"},
        {tsBarType, bcCodeCodabar, "40156", "Codebar"},
        {tsBoth, bcCodeCodabar, "40156", "Codebar 40156"},
    };
    for (const ShowCase& c : cases) {
        const QImage image = Render(c.Show, tpBottomLeft, 0, TextBox, c.Type, c.Value);
        const TextExtent text = Measure(image, c.Shown);
        EXPECT_EQ(ColourBounds(image, TextBox).size(), QSize(text.Width, text.Height)) << c.Shown;
    }
    // The widths really tell the texts apart.
    const QImage image = MakeImage(1, 1);
    EXPECT_NE(Measure(image, "Codebar").Width, Measure(image, "40156").Width);
    EXPECT_NE(Measure(image, "Code25 industrial").Width, Measure(image, "123456789").Width);
}

TEST(RendererText, DisplayTextFromTheEncoder) {
    // UPC-A shows the digits it drew, which may differ from the value given.
    std::string text = "12345678901";
    std::string pattern;
    double ratio = 2.0;
    try {
        MakeModules(bcCodeUPC_A, "12345678901", 1, ratio, csNone, text, pattern);
    } catch (const Exception& e) {
        GTEST_SKIP() << e.what();
    }
    const QImage image = Render(tsBarCode, tpBottomLeft, 0, TextBox, bcCodeUPC_A, "12345678901");
    const TextExtent extent = Measure(image, text);
    EXPECT_EQ(ColourBounds(image, TextBox).size(), QSize(extent.Width, extent.Height)) << text;
}

TEST(RendererText, WideTextOverhangsBothSidesWhenCentred) {
    // "Code25 interleaved 12" is far wider than the symbol of "12".
    const int pw = PatternWidth(bcCode_2_5_interleaved, "12", 2, 3.0, csNone);
    const QImage image =
        Render(tsBoth, tpTopCenter, 0, TextBox, bcCode_2_5_interleaved, std::string("12"));
    const TextExtent text = Measure(image, "Code25 interleaved 12");
    ASSERT_GT(text.Width, pw);
    const QRect box = ColourBounds(image, TextBox);
    EXPECT_EQ(box.left(), Left + static_cast<int>(std::trunc((pw - text.Width) / 2.0)));
    EXPECT_LT(box.left(), Left);
    EXPECT_GT(box.right(), Left + pw - 1);
    EXPECT_EQ(box.width(), text.Width);
}

TEST(RendererText, FractionalAngleStillDrawsAFilledCell) {
    // Not one of the four orientations, but nothing stops a caller from asking.
    const QImage image = Render(tsBarCode, tpTopLeft, 30, TextBox);
    const TextExtent text = Measure(image, Value);
    const int count = CountColour(image, TextBox);
    EXPECT_NEAR(count, text.Width * text.Height, text.Width + text.Height);
}

TEST(RendererState, PainterLeftAsFound) {
    QImage image = MakeImage(460, 460);
    QPainter painter(&image);
    QFont font("DejaVu Serif");
    font.setPixelSize(9);
    painter.setFont(font);
    painter.setPen(QPen(QColor(1, 2, 3), 4));
    painter.setBrush(QColor(4, 5, 6));
    painter.setBackground(QColor(7, 8, 9));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(3, 2);
    const QTransform transform = painter.worldTransform();
    for (const Direction& d : Directions) {
        DrawBarcode(painter, bcCode_2_5_industrial, Value, 2, 3.0, csNone, 10, 10, H, TestFont(),
                    Letters, tsBoth, tpBottomRight, Bar, Space, TextBox, d.Angle);
        EXPECT_EQ(painter.font(), font) << d.Name;
        EXPECT_EQ(painter.pen(), QPen(QColor(1, 2, 3), 4)) << d.Name;
        EXPECT_EQ(painter.brush(), QBrush(QColor(4, 5, 6))) << d.Name;
        EXPECT_EQ(painter.background(), QBrush(QColor(7, 8, 9))) << d.Name;
        EXPECT_EQ(painter.backgroundMode(), Qt::OpaqueMode) << d.Name;
        EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing)) << d.Name;
        EXPECT_EQ(painter.worldTransform(), transform) << d.Name;
    }
}

struct ErrorCase {
    TBarType Type;
    const char* Value;
    const char* Message;
};

TEST(RendererState, EngineErrorLeavesImageAndPainterUntouched) {
    const ErrorCase cases[] = {
        {bcCode_2_5_industrial, "12 3", "12 3 : Barcode must be numeric."},
        {bcCodeCodabar, "abc", "abc : Codabar bad data."},
        {static_cast<TBarType>(BarTypeCount), "1", "Wrong barcode type."},
    };
    for (const ErrorCase& c : cases) {
        QImage image = MakeImage(200, 120);
        const QImage before = image;
        {
            QPainter painter(&image);
            painter.setPen(QColor(1, 2, 3));
            try {
                DrawBarcode(painter, c.Type, c.Value, 2, 3.0, csNone, 0, 0, 88, TestFont(), Letters,
                            tsBoth, tpBottomCenter, Bar, Space, TextBox, 0);
                ADD_FAILURE() << c.Value << " drew";
            } catch (const Exception& e) {
                EXPECT_EQ(std::string(e.what()), c.Message);
            }
            EXPECT_EQ(painter.pen().color(), QColor(1, 2, 3));
            EXPECT_EQ(painter.worldTransform(), QTransform());
        }
        EXPECT_EQ(image, before) << c.Value;
    }
}

} // namespace
} // namespace quillmark

namespace quillmark {
namespace {

// Under tlStandard the box holds bars and text: EAN-13's guards descend 5 modules below the
// other bars and its digits stand under the shorter bars, clear of them; turned a quarter,
// the same picture turns with it.
TEST(StandardLook, TheWidgetDrawsTheFilesLayoutInItsBox) {
    constexpr int Modul = 2;
    const TSymbol symbol = MakeSymbol(bcCodeEAN13, "4006381333931", Modul, 3, csNone);
    TBarcodeSettings settings;
    settings.BarType = bcCodeEAN13;
    settings.TextShow = tsBarCode;
    settings.TextLayout = tlStandard;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    const auto draw = [&](const TSymbol& Symbol, const TBarcodeSettings& Settings) {
        QImage image(260, 140, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawSymbol(painter, Symbol, Settings, font, clBlack, {30, 10, 119, 0});
        return image;
    };
    settings.BarCode = "4006381333931";
    const QImage image = draw(symbol, settings);
    // The check digit the engine adds is printed too.
    TBarcodeSettings added = settings;
    added.BarCode = "400638133393";
    added.CheckSum = csModulo10;
    EXPECT_EQ(draw(MakeSymbol(bcCodeEAN13, added.BarCode, Modul, 3, csModulo10), added), image);
    const auto dark = [&](int X, int Y) {
        return image.valid(X, Y) && qGray(image.pixel(X, Y)) < 128;
    };
    std::vector<int> runs;
    for (int x = 30; x < 30 + symbol.Width; ++x) {
        int run = 0;
        while (dark(x, 10 + run))
            ++run;
        if (run > 0)
            runs.push_back(run);
    }
    ASSERT_FALSE(runs.empty());
    const auto [shortest, longest] = std::minmax_element(runs.begin(), runs.end());
    EXPECT_EQ(*longest - *shortest, 5 * Modul);
    // Everything within the box's 120 rows.
    for (int y = 130; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_FALSE(dark(x, y)) << x << ", " << y;
    // The leading digit stands before the first bar; digits lie below the short bars.
    bool leading = false;
    for (int y = 10 + *shortest + Modul; y < 130; ++y)
        for (int x = 0; x < 30; ++x)
            leading = leading || dark(x, y);
    EXPECT_TRUE(leading);
    for (int x = 30; x < 30 + symbol.Width; ++x)
        for (int y = 10 + *shortest; y < 10 + *shortest + Modul; ++y)
            EXPECT_FALSE(dark(x, y) && !dark(x, 10)) << x << ", " << y;
}

} // namespace
} // namespace quillmark
