// The panel: frame inset and border allowance, the bevels and border band it paints, the
// frame of bsSingle, and the barcode placed inside them.
#include "barcode_test_helpers.h"
#include <quillmark/barcode.h>
#include <quillmark/panel.h>

#include <gtest/gtest.h>

#include <limits>

#include <string>

namespace quillmark {
namespace {

using namespace widget_testing;

struct Frame {
    const char* Name;
    TBevelCut Outer;
    TBevelCut Inner;
    int BevelWidth;
    int BorderWidth;
    TBorderStyle Style;
    bool Ctl3D;
    int Inset;     // b
    int Allowance; // a
};

constexpr Frame Frames[] = {
    {"Bare", bvNone, bvNone, 1, 0, bsNone, true, 0, 0},
    {"RaisedOuter", bvRaised, bvNone, 1, 0, bsNone, true, 1, 0},
    {"LoweredInner", bvNone, bvLowered, 2, 0, bsNone, true, 2, 0},
    {"BothBevels", bvRaised, bvLowered, 2, 0, bsNone, true, 4, 0},
    {"BorderBand", bvNone, bvNone, 1, 3, bsNone, true, 3, 0},
    {"BevelsAndBand", bvLowered, bvSpace, 2, 3, bsNone, true, 7, 0},
    {"Single3D", bvNone, bvNone, 1, 0, bsSingle, true, 0, 4},
    {"SingleFlat", bvNone, bvNone, 1, 0, bsSingle, false, 0, 2},
    {"Everything", bvRaised, bvRaised, 1, 2, bsSingle, true, 4, 4},
};

void Apply(TCustomPanel& Panel, const Frame& F) {
    Panel.SetBevelOuter(F.Outer);
    Panel.SetBevelInner(F.Inner);
    Panel.SetBevelWidth(F.BevelWidth);
    Panel.SetBorderWidth(F.BorderWidth);
    Panel.SetBorderStyle(F.Style);
    Panel.SetCtl3D(F.Ctl3D);
}

class PanelFrames : public ::testing::TestWithParam<Frame> {};

TEST_P(PanelFrames, InsetAndAllowance) {
    TCustomPanel panel;
    Apply(panel, GetParam());
    EXPECT_EQ(panel.FrameInset(), GetParam().Inset);
    EXPECT_EQ(panel.BorderAllowance(), GetParam().Allowance);
    EXPECT_EQ(panel.ClientSize(), QSize(185 - GetParam().Allowance, 41 - GetParam().Allowance));
}

// The symbol stands inside the inset, in client coordinates, in every reading direction.
TEST_P(PanelFrames, SymbolInsideTheFrame) {
    const Frame& f = GetParam();
    for (const TOrientation orientation : {toLeftRight, toRightLeft, toTopBottom, toBottomTop}) {
        for (const TAlignment alignment : {taLeftJustify, taRightJustify, taCenter}) {
            const bool horizontal = Horizontal(orientation);
            const int width = horizontal ? 337 : 89, height = horizontal ? 89 : 337;
            TBarCode control;
            control.setGeometry(0, 0, width, height);
            Apply(control, f);
            control.SetColor(PanelColor);
            control.SetAlignment(alignment);
            control.SetBarType(bcCodePostNet);
            control.SetBarCode("1234");
            control.SetOrientation(orientation);
            const auto columns = ModuleColumns(bcCodePostNet, "1234", 1, 2.0);
            const Placement where =
                ExpectedPlacement(orientation, alignment, width, height, f.Inset, f.Allowance,
                                  static_cast<int>(columns.size()));
            std::string first;
            EXPECT_EQ(SymbolMismatches(Grab(control), orientation, where, columns, f.Inset,
                                       f.Allowance, first),
                      0)
                << "orientation " << int(orientation) << " alignment " << int(alignment) << ": "
                << first;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Frames, PanelFrames, ::testing::ValuesIn(Frames),
                         [](const ::testing::TestParamInfo<Frame>& info) {
                             return std::string(info.param.Name);
                         });

QRgb At(const QImage& Image, int X, int Y) {
    return Image.pixel(X, Y) & 0xFFFFFF;
}

QRgb Palette(const QWidget& Widget, QPalette::ColorRole Role) {
    return Widget.palette().color(Role).rgb() & 0xFFFFFF;
}

TEST(PanelPaint, RaisedOuterBevelBandAndLoweredInnerBevel) {
    TCustomPanel panel;
    panel.setGeometry(0, 0, 60, 40);
    panel.SetColor(PanelColor);
    panel.SetBevelOuter(bvRaised);
    panel.SetBorderWidth(2);
    panel.SetBevelInner(bvLowered);
    const QImage image = panel.grab().toImage();
    const QRgb light = Palette(panel, QPalette::Light), dark = Palette(panel, QPalette::Dark);
    const QRgb fill = Rgb(PanelColor) & 0xFFFFFF;
    // Outer ring (pixel 0): lit top and left, shaded bottom and right.
    EXPECT_EQ(At(image, 0, 20), light);
    EXPECT_EQ(At(image, 30, 0), light);
    EXPECT_EQ(At(image, 59, 20), dark);
    EXPECT_EQ(At(image, 30, 39), dark);
    // Border band (pixels 1 and 2) in Color.
    EXPECT_EQ(At(image, 1, 20), fill);
    EXPECT_EQ(At(image, 2, 20), fill);
    EXPECT_EQ(At(image, 57, 20), fill);
    // Inner ring (pixel 3), lowered: shaded top and left, lit bottom and right.
    EXPECT_EQ(At(image, 3, 20), dark);
    EXPECT_EQ(At(image, 30, 3), dark);
    EXPECT_EQ(At(image, 56, 20), light);
    EXPECT_EQ(At(image, 30, 36), light);
    // Client area.
    EXPECT_EQ(At(image, 4, 20), fill);
    EXPECT_EQ(At(image, 30, 20), fill);
}

TEST(PanelPaint, BevelWidthWidensTheRing) {
    TCustomPanel panel;
    panel.setGeometry(0, 0, 60, 40);
    panel.SetColor(PanelColor);
    panel.SetBevelWidth(3);
    const QImage image = panel.grab().toImage();
    const QRgb light = Palette(panel, QPalette::Light);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(At(image, x, 20), light) << x;
    EXPECT_EQ(At(image, 3, 20), Rgb(PanelColor) & 0xFFFFFF);
}

TEST(PanelPaint, SingleBorderFrameWithAndWithoutCtl3D) {
    TCustomPanel panel;
    panel.setGeometry(0, 0, 60, 40);
    panel.SetColor(PanelColor);
    panel.SetBevelOuter(bvNone);
    panel.SetBorderStyle(bsSingle);
    const QRgb fill = Rgb(PanelColor) & 0xFFFFFF;
    {
        const QImage image = panel.grab().toImage();
        // Two pixels each side: a sunken edge.
        EXPECT_EQ(At(image, 0, 20), Palette(panel, QPalette::Dark));
        EXPECT_EQ(At(image, 1, 20), Palette(panel, QPalette::Shadow));
        EXPECT_EQ(At(image, 59, 20), Palette(panel, QPalette::Light));
        EXPECT_EQ(At(image, 58, 20), Palette(panel, QPalette::Button));
        EXPECT_EQ(At(image, 2, 20), fill);
        EXPECT_EQ(At(image, 57, 20), fill);
        EXPECT_EQ(At(image, 30, 2), fill);
        EXPECT_EQ(At(image, 30, 37), fill);
    }
    panel.SetCtl3D(false);
    {
        const QImage image = panel.grab().toImage();
        const QRgb line = Palette(panel, QPalette::WindowText);
        EXPECT_EQ(At(image, 0, 20), line);
        EXPECT_EQ(At(image, 59, 20), line);
        EXPECT_EQ(At(image, 30, 0), line);
        EXPECT_EQ(At(image, 30, 39), line);
        EXPECT_EQ(At(image, 1, 20), fill);
        EXPECT_EQ(At(image, 58, 20), fill);
    }
}

TEST(PanelPaint, PanelPropertiesRepaintLaterWithoutErrors) {
    TCustomPanel panel;
    panel.setGeometry(0, 0, 30, 20);
    panel.SetBevelOuter(bvNone);
    panel.SetColor(0x0000FF);
    EXPECT_EQ(At(panel.grab().toImage(), 10, 10), qRgb(255, 0, 0) & 0xFFFFFF);
    panel.SetColor(0xFF0000);
    EXPECT_EQ(At(panel.grab().toImage(), 10, 10), qRgb(0, 0, 255) & 0xFFFFFF);
}

TEST(PanelPaint, OutOfRangeWidthsIgnored) {
    TCustomPanel panel;
    panel.SetBevelWidth(0);
    panel.SetBorderWidth(-2);
    EXPECT_EQ(panel.BevelWidth(), 1);
    EXPECT_EQ(panel.BorderWidth(), 0);
    // Wider than any widget: ignored, so the frame inset's sums cannot overflow.
    panel.SetBevelWidth(std::numeric_limits<int>::max());
    panel.SetBorderWidth(std::numeric_limits<int>::max());
    EXPECT_EQ(panel.BevelWidth(), 1);
    EXPECT_EQ(panel.BorderWidth(), 0);
}

} // namespace
} // namespace quillmark
