// Pixels of the widget as grab() shows them: the window's symbol, the four reading
// directions with the three alignments, and the human-readable text at the widget level.
#include "barcode_test_helpers.h"
#include <quillmark/barcode.h>
#include <quillmark/error_reporter.h>

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quillmark {
namespace {

using namespace widget_testing;

TEST(BarCodeRendering, WindowsFirstSymbol) {
    TBarCode control;
    SetUpWindowControl(control);
    const QImage image = Grab(control);
    ASSERT_EQ(image.size(), QSize(337, 89));
    const auto columns = ModuleColumns(bcCode_2_5_industrial, "123456789", 2, 3.0);
    ASSERT_EQ(columns.size(), 292u); // 20 + 9 x 28 + 20
    for (int x = 0; x < 337; ++x)
        for (int y = 0; y < 89; ++y) {
            const TColor expected = x < 292 ? BoxColor(columns[x], y, 88) : PanelColor;
            ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, Rgb(expected) & 0xFFFFFF)
                << "(" << x << ", " << y << ")";
        }
    // Industrial 2 of 5 starts with two wide bars: 6 pixels each at Modul 2, Ratio 3.
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(columns[x], lkBar);
    EXPECT_EQ(columns[6], lkSpace);
}

struct Layout {
    TOrientation Orientation;
    TAlignment Alignment;
};

class BarCodeDirections : public ::testing::TestWithParam<Layout> {};

// PostNet has short bars, so the picture shows which way up it is.
TEST_P(BarCodeDirections, EveryPixelOfTheClientArea) {
    const Layout layout = GetParam();
    const bool horizontal = Horizontal(layout.Orientation);
    const int width = horizontal ? 337 : 89, height = horizontal ? 89 : 337;
    TBarCode control;
    control.setGeometry(0, 0, width, height);
    control.SetBevelOuter(bvNone);
    control.SetColor(PanelColor);
    control.SetAlignment(layout.Alignment);
    control.SetBarType(bcCodePostNet);
    control.SetBarCode("12345");
    control.SetModul(2);
    control.SetOrientation(layout.Orientation);
    const auto columns = ModuleColumns(bcCodePostNet, "12345", 2, 2.0);
    const int pw = static_cast<int>(columns.size());
    const Placement where =
        ExpectedPlacement(layout.Orientation, layout.Alignment, width, height, 0, 0, pw);
    std::string first;
    EXPECT_EQ(SymbolMismatches(Grab(control), layout.Orientation, where, columns, 0, 0, first), 0)
        << first;
}

constexpr Layout Layouts[] = {
    {toLeftRight, taLeftJustify}, {toLeftRight, taRightJustify}, {toLeftRight, taCenter},
    {toRightLeft, taLeftJustify}, {toRightLeft, taRightJustify}, {toRightLeft, taCenter},
    {toTopBottom, taLeftJustify}, {toTopBottom, taRightJustify}, {toTopBottom, taCenter},
    {toBottomTop, taLeftJustify}, {toBottomTop, taRightJustify}, {toBottomTop, taCenter},
};

const char* const DirectionNames[] = {"LeftRight", "RightLeft", "TopBottom", "BottomTop"};

std::string LayoutName(const ::testing::TestParamInfo<Layout>& Info) {
    const char* const alignments[] = {"Left", "Right", "Center"};
    return std::string(DirectionNames[Info.param.Orientation]) + alignments[Info.param.Alignment];
}

INSTANTIATE_TEST_SUITE_P(FourDirectionsThreeAlignments, BarCodeDirections,
                         ::testing::ValuesIn(Layouts), LayoutName);

TEST(BarCodeRendering, FixedBarHeightIsCentredAcross) {
    TBarCode control;
    SetUpWindowControl(control);
    control.SetBarHeight(40);
    const auto columns = ModuleColumns(bcCode_2_5_industrial, "123456789", 2, 3.0);
    const Placement where = ExpectedPlacement(toLeftRight, taLeftJustify, 337, 89, 0, 0, 292, 40);
    EXPECT_EQ(where.Top, 24);
    std::string first;
    EXPECT_EQ(SymbolMismatches(Grab(control), toLeftRight, where, columns, 0, 0, first), 0)
        << first;
}

// The bounding box of the pixels that are neither bars, spaces nor panel: the text's cell.
QRect TextPixels(const QImage& Image) {
    QRect box;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x) {
            const QRgb c = Image.pixel(x, y) & 0xFFFFFF;
            if (c != (Rgb(BarColor) & 0xFFFFFF) && c != (Rgb(SpaceColor) & 0xFFFFFF) &&
                c != (Rgb(PanelColor) & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

bool IsTop(TTextPosition Position) {
    return Position == tpTopLeft || Position == tpTopRight || Position == tpTopCenter;
}

// The text cell typed in from the text placement rules: the unrotated corner, turned like a
// box point, the one-pixel corrections, and the tw x th cell turned about that corner.
QRect ExpectedTextCell(TOrientation Orientation, TTextPosition Position, Placement Where, int PW,
                       int tw, int th) {
    int ux = static_cast<int>(std::trunc((PW - tw) / 2.0));
    if (Position == tpTopLeft || Position == tpBottomLeft)
        ux = 0;
    else if (Position == tpTopRight || Position == tpBottomRight)
        ux = PW - tw - 1;
    const int uy = IsTop(Position) ? 0 : Where.h - th;
    const int L = Where.Left, T = Where.Top, h = Where.h;
    switch (Orientation) {
    case toLeftRight: {
        QPoint p(L + ux, T + uy);
        if (!IsTop(Position))
            p.ry() += 1;
        if (Position == tpTopRight || Position == tpBottomRight)
            p.rx() += 1;
        return {p.x(), p.y(), tw, th};
    }
    case toRightLeft: {
        QPoint p(L + PW - ux, T + h - uy);
        if (IsTop(Position))
            p.ry() += 1;
        return {p.x() - tw, p.y() - th, tw, th};
    }
    case toTopBottom: {
        const QPoint p(L + h - uy + 1, T + ux);
        return {p.x() - th, p.y(), th, tw};
    }
    case toBottomTop: {
        const QPoint p(L + uy, T + PW - ux);
        return {p.x(), p.y() - tw, th, tw};
    }
    }
    return {};
}

struct TextCase {
    TOrientation Orientation;
    TTextPosition Position;
};

class BarCodeTextPlacement : public ::testing::TestWithParam<TextCase> {};

TEST_P(BarCodeTextPlacement, CellWhereThePositionPutsIt) {
    const TextCase c = GetParam();
    const bool horizontal = Horizontal(c.Orientation);
    const int width = horizontal ? 337 : 89, height = horizontal ? 89 : 337;
    TBarCode control;
    SetUpWindowControl(control);
    control.setGeometry(0, 0, width, height);
    control.SetOrientation(c.Orientation);
    control.SetTextShow(tsBarCode);
    control.SetTextPosition(c.Position);
    const QFontMetrics metrics(PixelFont());
    const int tw = metrics.horizontalAdvance(QStringLiteral("123456789"));
    const int th = metrics.height();
    const Placement where =
        ExpectedPlacement(c.Orientation, taLeftJustify, width, height, 0, 0, 292);
    EXPECT_EQ(TextPixels(Grab(control)),
              ExpectedTextCell(c.Orientation, c.Position, where, 292, tw, th));
}

std::vector<TextCase> AllTextCases() {
    std::vector<TextCase> cases;
    for (const TOrientation o : {toLeftRight, toRightLeft, toTopBottom, toBottomTop})
        for (const TTextPosition p :
             {tpTopLeft, tpTopRight, tpTopCenter, tpBottomLeft, tpBottomRight, tpBottomCenter})
            cases.push_back({o, p});
    return cases;
}

std::string TextCaseName(const ::testing::TestParamInfo<TextCase>& Info) {
    const char* const positions[] = {"TopLeft",    "TopRight",    "TopCenter",
                                     "BottomLeft", "BottomRight", "BottomCenter"};
    return std::string(DirectionNames[Info.param.Orientation]) + positions[Info.param.Position];
}

INSTANTIATE_TEST_SUITE_P(SixPositionsFourDirections, BarCodeTextPlacement,
                         ::testing::ValuesIn(AllTextCases()), TextCaseName);

TEST(BarCodeRendering, WindowsTextSitsOnTheBottomOfTheBars) {
    TBarCode control;
    SetUpWindowControl(control);
    control.SetTextShow(tsBarCode);
    const QFontMetrics metrics(PixelFont());
    const int tw = metrics.horizontalAdvance(QStringLiteral("123456789"));
    const int th = metrics.height();
    // (Left + Trunc((PW - tw) / 2), Top + h - th + 1), flush with row 88.
    EXPECT_EQ(TextPixels(Grab(control)), QRect((292 - tw) / 2, 88 - th + 1, tw, th));
}

TEST(BarCodeRendering, FourTextModes) {
    struct Mode {
        TTextShow Show;
        const char* Text;
    };
    const Mode modes[] = {
        {tsNone, ""},
        {tsBarCode, "123456789"},
        {tsBarType, "Code25 industrial"},
        {tsBoth, "Code25 industrial 123456789"},
    };
    const QFontMetrics metrics(PixelFont());
    for (const Mode& mode : modes) {
        TBarCode control;
        SetUpWindowControl(control);
        control.SetTextShow(mode.Show);
        const QRect text = TextPixels(Grab(control));
        if (mode.Show == tsNone) {
            EXPECT_TRUE(text.isNull()) << "something written over the bars";
            continue;
        }
        const int tw = metrics.horizontalAdvance(QString::fromLatin1(mode.Text));
        EXPECT_EQ(text, QRect((292 - tw) / 2, 89 - metrics.height(), tw, metrics.height()))
            << mode.Text;
    }
}

TEST(BarCodeRendering, FontColourPaintsTheLetters) {
    TBarCode control;
    SetUpWindowControl(control);
    control.SetTextShow(tsBarCode);
    const QImage image = Grab(control);
    int letters = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            letters += (image.pixel(x, y) & 0xFFFFFF) == (Rgb(LetterColor) & 0xFFFFFF);
    EXPECT_GT(letters, 20);
}

TEST(BarCodeRendering, FailedWindowPaintIsReportedAndLeavesThePanelDrawn) {
    TBarCode control;
    SetUpWindowControl(control);
    control.SetBarType(bcCodeCodabar);
    EXPECT_THROW(control.SetBarCode("abc"), Exception);
    std::string reported;
    SetErrorReporter([&](const std::exception& error) { reported = error.what(); });
    control.SetColor(0x3366CC); // a panel property: the next paint comes from the window system
    const QImage image = Grab(control);
    SetErrorReporter({});
    EXPECT_EQ(reported, "abc : Codabar bad data.");
    for (const QPoint point : {QPoint(0, 0), QPoint(100, 40), QPoint(336, 88)})
        EXPECT_EQ(image.pixel(point) & 0xFFFFFF, Rgb(0x3366CC) & 0xFFFFFF);
}

TEST(BarCodeRendering, RepaintRaisesTheEnginesError) {
    TBarCode control;
    control.SetBarType(bcCodeCodabar);
    EXPECT_THROW(control.SetBarCode("abc"), Exception);
    try {
        control.Repaint();
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "abc : Codabar bad data.");
    }
}

} // namespace
} // namespace quillmark
