// The colour options as the command line reads them: each option's inks in RGB and CMYK,
// --colour-model cmyk making the rest CMYK whatever the options' order, and the refusals.
#include "parse_options.h"

#include <quillmark/inks.h>

#include <gtest/gtest.h>

namespace quillmark::cli {
namespace {

constexpr TCmyk Black{0, 0, 0, 100};
constexpr TCmyk NoInk{0, 0, 0, 0};

TEST(ColourOptions, SetEachInk) {
    struct TCase {
        std::vector<std::string> Options;
        TInk Bar, Space, Text, TextBox;
    };
    const TInk black{clBlack, std::nullopt};
    const TInk white{clWhite, std::nullopt};
    const TInk cyan{0xFFFF00, TCmyk{100, 0, 0, 0}};
    const TCase cases[] = {
        {{}, black, white, black, white},
        {{"--fg", "cmyk(100,0,0,0)"}, cyan, white, cyan, white},
        {{"--bg", "cmyk(100,0,0,0)", "--fg", "#FFFFFF"}, white, cyan, white, cyan},
        {{"--text-bg", "cmyk(100,0,0,0)", "--bg", "#000000"}, black, black, black, cyan},
        {{"--colour-model", "cmyk"},
         {clBlack, Black},
         {clWhite, NoInk},
         {clBlack, Black},
         {clWhite, NoInk}},
        // Given before or after the model, a CMYK colour stays as given; RGB ones become
        // their plain CMYK.
        {{"--fg", "cmyk(60,40,40,100)", "--colour-model", "cmyk", "--bg", "#FF0000"},
         {clBlack, TCmyk{60, 40, 40, 100}},
         {0x0000FF, TCmyk{0, 100, 100, 0}},
         {clBlack, TCmyk{60, 40, 40, 100}},
         {0x0000FF, TCmyk{0, 100, 100, 0}}},
        {{"--colour-model", "rgb", "--fg", "#102030"},
         {0x302010, std::nullopt},
         white,
         {0x302010, std::nullopt},
         white},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.Options));
        const TBarcodeDescription d = Parse(c.Options).Description;
        EXPECT_EQ(BarInk(d), c.Bar);
        EXPECT_EQ(SpaceInk(d), c.Space);
        EXPECT_EQ(TextInk(d), c.Text);
        EXPECT_EQ(TextBoxInk(d), c.TextBox);
    }
}

TEST(ColourOptions, RefuseNamingTheOption) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--fg", "cmyk(0,0,0,120)"}, "--fg 'cmyk(0,0,0,120)': K is 120; each of C, M, Y and K"},
        {{"--text-bg", "cmyk(0,0,0)"}, "--text-bg 'cmyk(0,0,0)': a CMYK colour has four"},
        {{"--bg", "white"}, "--bg 'white': not a colour; write #RRGGBB or cmyk(C,M,Y,K)"},
        {{"--colour-model", "cmy"}, "--colour-model 'cmy': choose one of rgb, cmyk"},
    };
    for (const auto& [options, message] : cases)
        ExpectRefused(options, message);
}

} // namespace
} // namespace quillmark::cli
