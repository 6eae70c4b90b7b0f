// Sizing: the bar-height limit, the automatic width in both axes, and HMargin.
#include "barcode_test_helpers.h"
#include <quillmark/barcode.h>

#include <gtest/gtest.h>

#include <string>

namespace quillmark {
namespace {

using namespace widget_testing;

// A control without bevels or frame, of the given size, drawing industrial 2 of 5.
void Plain(TBarCode& Control, int Width, int Height) {
    Control.setGeometry(0, 0, Width, Height);
    Control.SetBevelOuter(bvNone);
    Control.SetBarType(bcCode_2_5_industrial);
}

TEST(BarCodeSizing, BarHeightLimitOfTheWindowsControl) {
    TBarCode control;
    Plain(control, 337, 89);
    EXPECT_EQ(control.BarHeightLimit(), 88);
    int changes = 0;
    control.SetOnChange([&](TBarCode&) { ++changes; });
    control.SetBarHeight(88);
    EXPECT_EQ(control.BarHeight(), 88);
    control.SetBarHeight(89);
    EXPECT_EQ(control.BarHeight(), 0);
    control.SetBarHeight(-1); // differs from the stored 0, turns into 0 and still repaints
    EXPECT_EQ(control.BarHeight(), 0);
    EXPECT_EQ(changes, 3);
}

TEST(BarCodeSizing, BarHeightLimitCountsFrameAndReadsTheAcrossAxis) {
    struct Case {
        TOrientation Orientation;
        TBevelCut Outer, Inner;
        int BorderWidth;
        TBorderStyle Style;
        bool Ctl3D;
        int Limit;
    };
    // Control 120 wide, 89 high; BevelWidth 2.
    const Case cases[] = {
        {toLeftRight, bvNone, bvNone, 0, bsNone, true, 88},
        {toRightLeft, bvRaised, bvNone, 0, bsNone, true, 84},
        {toLeftRight, bvRaised, bvLowered, 3, bsNone, true, 89 - 2 * 7 - 1},
        {toLeftRight, bvNone, bvNone, 0, bsSingle, true, 84},
        {toLeftRight, bvNone, bvNone, 0, bsSingle, false, 86},
        {toTopBottom, bvNone, bvNone, 0, bsNone, true, 119},
        {toBottomTop, bvRaised, bvNone, 1, bsSingle, true, 120 - 6 - 4 - 1},
    };
    for (const Case& c : cases) {
        TBarCode control;
        Plain(control, 120, 89);
        control.SetBevelWidth(2);
        control.SetBevelOuter(c.Outer);
        control.SetBevelInner(c.Inner);
        control.SetBorderWidth(c.BorderWidth);
        control.SetBorderStyle(c.Style);
        control.SetCtl3D(c.Ctl3D);
        control.SetOrientation(c.Orientation);
        EXPECT_EQ(control.BarHeightLimit(), c.Limit);
        control.SetBarHeight(c.Limit + 1);
        EXPECT_EQ(control.BarHeight(), 0);
        control.SetBarHeight(c.Limit);
        EXPECT_EQ(control.BarHeight(), c.Limit);
    }
}

TEST(BarCodeSizing, AdjustWidth222ForA200PixelPattern) {
    // Search a Modul and value whose pattern is 200 pixels long; with HMargin 10 and the
    // default raised outer bevel of width 1 the length becomes 200 + 2 x (10 + 1) = 222.
    for (const TOrientation orientation : {toLeftRight, toRightLeft, toTopBottom, toBottomTop}) {
        TBarCode control;
        control.setGeometry(0, 0, 50, 60);
        control.SetBarType(bcCode_2_5_industrial);
        control.SetOrientation(orientation);
        std::string value;
        int modul = 0;
        for (int m = 1; m <= 4 && modul == 0; ++m)
            for (std::string v; v.size() < 40; v += "7")
                if (control.PatternWidth(bcCode_2_5_industrial, v, m, 2.0, csNone) == 200) {
                    value = v, modul = m;
                    break;
                }
        ASSERT_NE(modul, 0) << "no 200-pixel industrial pattern";
        control.SetModul(modul);
        control.SetBarCode(value);
        control.SetHMargin(10);
        EXPECT_EQ(control.AdjustWidth(10), 222);
        EXPECT_EQ(Horizontal(orientation) ? control.Width() : control.Height(), 222);
        EXPECT_EQ(Horizontal(orientation) ? control.Height() : control.Width(),
                  Horizontal(orientation) ? 60 : 50);
    }
}

TEST(BarCodeSizing, AutoWidthResizesOnEveryChangeAndPaint) {
    TBarCode control;
    Plain(control, 337, 89);
    control.SetBarCode("123456789");
    control.SetModul(2);
    control.SetRatio(3.0);
    control.SetAutoWidth(true);
    EXPECT_EQ(control.Width(), 292); // the window's symbol, no margin, no frame
    control.SetModul(1);
    const int narrow = control.PatternWidth(bcCode_2_5_industrial, "123456789", 1, 3.0, csNone);
    EXPECT_EQ(control.Width(), narrow);
    // A paint that the windowing system asks for resizes too.
    control.resize(500, 89);
    control.grab();
    EXPECT_EQ(control.Width(), narrow);
    control.SetOrientation(toBottomTop);
    EXPECT_EQ(control.Height(), narrow);
    EXPECT_EQ(control.Width(), narrow); // untouched
}

TEST(BarCodeSizing, AutoWidthOnAShownWindow) {
    QWidget window;
    window.resize(600, 200);
    auto* control = new TBarCode(&window);
    control->setGeometry(16, 16, 337, 89);
    control->SetBevelOuter(bvNone);
    control->SetBarType(bcCode_2_5_industrial);
    window.show();
    control->SetBarCode("123456789");
    control->SetModul(2);
    control->SetRatio(3.0);
    control->SetAutoWidth(true);
    EXPECT_EQ(control->Width(), 292);
    EXPECT_EQ(control->grab().size(), QSize(292, 89));
}

TEST(BarCodeSizing, HMarginRepaintsOnlyUnderAutoWidth) {
    TBarCode control;
    Plain(control, 337, 89);
    control.SetBarCode("123");
    int changes = 0;
    control.SetOnChange([&](TBarCode&) { ++changes; });
    control.SetHMargin(15);
    EXPECT_EQ(control.HMargin(), 15);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(control.Width(), 337);
    const int pw = control.PatternWidth(bcCode_2_5_industrial, "123", 1, 2.0, csNone);
    control.SetAutoWidth(true);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(control.Width(), pw + 30);
    control.SetHMargin(5);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(control.Width(), pw + 10);
}

TEST(BarCodeSizing, AutoWidthCountsBorderAllowance) {
    TBarCode control;
    Plain(control, 100, 60);
    control.SetBarCode("123");
    control.SetBorderStyle(bsSingle);
    control.SetBorderWidth(2);
    const int pw = control.PatternWidth(bcCode_2_5_industrial, "123", 1, 2.0, csNone);
    control.SetAutoWidth(true);
    EXPECT_EQ(control.Width(), pw + 2 * (0 + 2 + 4));
    control.SetCtl3D(false);
    EXPECT_EQ(control.AdjustWidth(0), pw + 2 * (0 + 2 + 2));
}

} // namespace
} // namespace quillmark
