// Colours as people write them: #RRGGBB and cmyk(C,M,Y,K) in percent, the RGB a CMYK
// colour stands for on screen (R = 255 (1 - C)(1 - K)), and the refusals of anything else.
#include <quillmark/engine.h>
#include <quillmark/ink_text.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillmark {
namespace {

TEST(InkText, ReadsEachForm) {
    struct TCase {
        const char* Text;
        TColor Rgb; // red in the lowest byte
        std::optional<TCmyk> Cmyk;
    };
    const TCase cases[] = {
        {"#FF8000", 0x0080FF, std::nullopt},
        {"ff8000", 0x0080FF, std::nullopt},
        {" #102030 ", 0x302010, std::nullopt},
        {"cmyk(0,0,0,100)", clBlack, TCmyk{0, 0, 0, 100}},
        {"cmyk(0,0,0,0)", clWhite, TCmyk{0, 0, 0, 0}},
        {"CMYK(0, 100, 100, 0)", 0x0000FF, TCmyk{0, 100, 100, 0}},
        {"cmyk(100,0,100,0)", 0x00FF00, TCmyk{100, 0, 100, 0}},
        // 255 x 0.5 = 127.5 rounds up; 255 x 0.5 x 0.8 = 102.
        {"cmyk(50%,0%,0%,0%)", 0xFFFF80, TCmyk{50, 0, 0, 0}},
        {"cmyk(50,0,0,20)", 0xCCCC66, TCmyk{50, 0, 0, 20}},
        {"cmyk(12.5,0,0,0)", 0xFFFFDF, TCmyk{12.5, 0, 0, 0}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const TInk ink = ReadInk(c.Text);
        EXPECT_EQ(ink.Rgb, c.Rgb);
        EXPECT_EQ(ink.Cmyk, c.Cmyk);
        // What it writes reads back as the same ink.
        EXPECT_EQ(ReadInk(InkText(ink)), ink) << InkText(ink);
    }
}

TEST(InkText, RefusesWhatIsNoColourSayingWhy) {
    struct TCase {
        const char* Text;
        const char* Why; // in the refusal
    };
    const TCase cases[] = {
        {"", "write #RRGGBB or cmyk(C,M,Y,K)"},
        {"red", "write #RRGGBB or cmyk(C,M,Y,K)"},
        {"#12345", "write #RRGGBB"},
        {"#1234567", "write #RRGGBB"},
        {"#GG0000", "write #RRGGBB"},
        {"rgb(1,2,3)", "write #RRGGBB"},
        {"cmyk(0,0,0,100", "closing parenthesis"},
        {"cmyk(0,0,100)", "four percentages"},
        {"cmyk(0,0,0,0,0)", "four percentages"},
        {"cmyk()", "four percentages"},
        {"cmyk(0,0,0,101)", "K is 101; each of C, M, Y and K is a percentage from 0 to 100"},
        {"cmyk(-1,0,0,0)", "C is -1"},
        {"cmyk(0,x,0,0)", "M is 'x', not a number"},
        {"cmyk(0,0,,0)", "Y is '', not a number"},
        {"cmyk(0,0,0,nan)", "K is 'nan', not a number"},
        {"cmyk(0,0,0,1e3)", "K is 1000"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        try {
            ReadInk(c.Text);
            ADD_FAILURE() << "accepted";
        } catch (const Exception& e) {
            EXPECT_NE(e.Message().find(c.Why), std::string::npos) << e.Message();
        }
    }
}

TEST(InkText, PlainCmykGivesTheColourBack) {
    struct TCase {
        TColor Rgb;
        TCmyk Cmyk;
    };
    const TCase cases[] = {
        {clBlack, {0, 0, 0, 100}},
        {clWhite, {0, 0, 0, 0}},
        {0x0000FF, {0, 100, 100, 0}},
        {0xFFFF00, {100, 0, 0, 0}},
        {0x808080, {0, 0, 0, 100 - 100 * 128 / 255.0}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(RgbText(c.Rgb));
        const TCmyk cmyk = CmykOf(c.Rgb);
        EXPECT_NEAR(cmyk.C, c.Cmyk.C, 1e-9);
        EXPECT_NEAR(cmyk.M, c.Cmyk.M, 1e-9);
        EXPECT_NEAR(cmyk.Y, c.Cmyk.Y, 1e-9);
        EXPECT_NEAR(cmyk.K, c.Cmyk.K, 1e-9);
    }
    // A spread of colours over the whole cube comes back exactly.
    for (int rgb = 0; rgb <= 0xFFFFFF; rgb += 0x010307)
        ASSERT_EQ(RgbOf(CmykOf(rgb)), rgb) << RgbText(rgb);
}

} // namespace
} // namespace quillmark
