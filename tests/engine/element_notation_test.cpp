// The notations the encoder tables are written in: what they turn into decodes back to what
// was written, and the checks the tables are held to catch the slips they are there for.
#include "element_notation.h"
#include <quillmark/engine.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace quillmark {
namespace {

// Pattern characters through the run-time decoder at Modul 1: each width as a digit, and
// 'b' or 's' for each line kind.
template <std::size_t N>
std::pair<std::string, std::string> Decoded(const std::array<char, N>& Pattern, double Ratio) {
    const ElementWidths widths = MakeElementWidths(1, Ratio);
    std::pair<std::string, std::string> out;
    for (const char ch : Pattern) {
        int width = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, widths, width, kind);
        out.first += static_cast<char>('0' + width);
        out.second += kind == lkBar ? 'b' : 's';
    }
    return out;
}

TEST(ElementNotation, WidthsDecodeToTheirModulesAndKinds) {
    struct Case {
        std::array<char, 4> Modules;
        std::string Widths;
        std::string Kinds;
    };
    const Case cases[] = {
        {ModulesOf<4>("3211", false), "3211", "sbsb"}, // EAN set A '0'
        {ModulesOf<4>("3211"), "3211", "bsbs"},        // EAN set C '0'
        {ModulesOf<4>("1144"), "1144", "bsbs"},
        {ModulesOf<4>("4413", false), "4413", "sbsb"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Decoded(c.Modules, 2.0), std::make_pair(c.Widths, c.Kinds)) << c.Widths;
}

TEST(ElementNotation, NarrowWideDecodesToTheRatio) {
    struct Case {
        std::array<char, 5> Modules;
        std::string Widths; // at ratio 3
    };
    const Case cases[] = {
        {NarrowWideModules<5>("01101", '1'), "13313"},
        {NarrowWideModules<5>("NWNNW", 'W'), "13113"},
        {NarrowWideModules<5>("WWWWW", 'W'), "33333"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Decoded(c.Modules, 3.0), std::make_pair(c.Widths, std::string("bsbsb")));
}

TEST(ElementNotation, ChecksCatchMistypedRows) {
    struct Case {
        std::string_view Widths;
        bool Written; // six widths of 1..4
        int Modules;
        int Bars;
    };
    const Case cases[] = {
        {"212222", true, 11, 6},   {"212223", true, 12, 6}, {"21222", false, 9, 6},
        {"2122222", false, 13, 8}, {"212202", false, 9, 4}, {"212252", false, 14, 9},
        {"2331112", false, 13, 8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsWritten(c.Widths, 6, "1234"), c.Written) << c.Widths;
        EXPECT_EQ(ModuleCount(c.Widths), c.Modules) << c.Widths;
        EXPECT_EQ(ModulesFrom(c.Widths, 0), c.Bars) << c.Widths;
    }
    // Wide elements, in the bars and in the spaces, of rows written bar first.
    struct Wide {
        std::string_view Elements;
        int All, Bars, Spaces;
    };
    for (const Wide& w : {Wide{"010010100", 3, 2, 1}, Wide{"010101000", 3, 0, 3},
                          Wide{"0011010", 3, 1, 2}, Wide{"1000101", 3, 3, 0}}) {
        EXPECT_EQ(CountOf(w.Elements, '1'), w.All) << w.Elements;
        EXPECT_EQ(CountFrom(w.Elements, '1', 0), w.Bars) << w.Elements;
        EXPECT_EQ(CountFrom(w.Elements, '1', 1), w.Spaces) << w.Elements;
    }
    constexpr std::array<std::string_view, 3> twice{"131112", "111213", "131112"};
    EXPECT_FALSE(AllDistinct(twice, [](std::string_view Row) { return Row; }));
    EXPECT_TRUE(AllDistinct(std::array<std::string_view, 2>{"131112", "111213"},
                            [](std::string_view Row) { return Row; }));
}

TEST(ElementNotation, GuardsAgainstTheirModules) {
    struct Case {
        std::string_view Pattern;
        std::string_view Bits;
        bool Draws;
    };
    const Case cases[] = {
        {"505", "101", true},   {"05050", "01010", true}, {"506", "1011", true},
        {"505", "1010", false}, {"505", "10", false},     {"605", "101", false},
        {"5A5", "111", false}, // a short bar is no whole-module element
    };
    for (const Case& c : cases)
        EXPECT_EQ(DrawsModules(c.Pattern, c.Bits), c.Draws) << c.Pattern << " " << c.Bits;
}

} // namespace
} // namespace quillmark
