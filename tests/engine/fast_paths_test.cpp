// The engine's shortcuts against the plain computations they stand for: the word-at-a-time
// digit test, the integer rounding of whole-quarter ratios and the width count by class.
#include "encoders.h"
#include <quillmark/engine.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace quillmark {
namespace {

TEST(FastPaths, AllDigitsAgreesWithACharacterTestForEveryByteAndPlace) {
    // Every byte in every place of texts that take the eight-at-a-time path, its tail, or
    // only the plain loop.
    for (const std::size_t length : {1u, 7u, 8u, 9u, 16u, 19u}) {
        for (std::size_t place = 0; place < length; ++place) {
            for (int byte = 0; byte < 256; ++byte) {
                std::string text(length, '7');
                text[place] = static_cast<char>(byte);
                EXPECT_EQ(AllDigits(text), byte >= '0' && byte <= '9')
                    << "byte " << byte << " at " << place << " of " << length;
            }
        }
    }
    EXPECT_TRUE(AllDigits(""));
}

TEST(FastPaths, WholeQuarterRatiosRoundLikeTheExtendedProduct) {
    for (int modul = 1; modul <= 2048; ++modul) {
        for (int quarters = 4; quarters <= 64; ++quarters) {
            const double ratio = quarters / 4.0;
            const long double wide = std::nearbyint(static_cast<long double>(modul) * ratio);
            const ElementWidths widths = MakeElementWidths(modul, ratio);
            ASSERT_EQ(widths.Wide, static_cast<int>(wide)) << modul << " x " << ratio;
            ASSERT_EQ(widths.Wide15, (3 * widths.Wide) / 2);
            ASSERT_EQ(widths.Wide2, 2 * widths.Wide);
        }
    }
}

TEST(FastPaths, PatternWidthCountsEveryClassAtItsWidth) {
    // Modul 3 and ratio 2.5 give 3, 8, 12 and 16 pixels; a value long enough for more than
    // one 4095-character block of the count.
    const std::string value(900, 'Z');
    std::string text = value;
    std::string pattern;
    double ratio = 2.5;
    MakeModules(bcCode128B, value, 3, ratio, csNone, text, pattern);
    ASSERT_GT(pattern.size(), 4095u);
    long long walked = 0;
    for (const char ch : pattern) {
        int width = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, width, kind);
        walked += width;
    }
    EXPECT_EQ(PatternWidth(bcCode128B, value, 3, 2.5, csNone), walked);
    EXPECT_EQ(MakeSymbol(bcCode128B, value, 3, 2.5, csNone).Width, walked);
}

struct Arguments {
    TBarType Type;
    std::string Value;
    int Modul;
    double Ratio;
    TCheckSum CheckSum;
};

int Made(const Arguments& A) {
    return MakeSymbol(A.Type, A.Value, A.Modul, A.Ratio, A.CheckSum).Width;
}

TEST(FastPaths, PatternWidthAfterMakeModulesMeasuresOnlyThatSameEncoding) {
    // PatternWidth follows MakeModules with arguments that differ in one place each, or not
    // at all; its answer must be its own arguments' width every time.
    const Arguments made{bcCodeEAN128B, "0123456", 2, 2.5, csModulo10};
    std::vector<Arguments> asked(6, made);
    asked[1].Type = bcCodeEAN128C;
    asked[2].Value = "0123457";
    asked[3].Modul = 3;
    asked[4].Ratio = 3.0;
    asked[5].CheckSum = csNone;
    for (const Arguments& a : asked) {
        double ratio = made.Ratio;
        std::string text = made.Value;
        std::string pattern;
        MakeModules(made.Type, made.Value, made.Modul, ratio, made.CheckSum, text, pattern);
        EXPECT_EQ(PatternWidth(a.Type, a.Value, a.Modul, a.Ratio, a.CheckSum), Made(a))
            << BarTypeName(a.Type) << " " << a.Value << " " << a.Modul << " " << a.Ratio;
    }
}

TEST(FastPaths, PatternWidthAfterAFailedOrOverwrittenMakeModulesEncodesAgain) {
    const Arguments code39{bcCode39, "AB12", 1, 2.0, csNone};
    double ratio = 2.0;
    std::string text = code39.Value;
    std::string pattern;
    MakeModules(code39.Type, code39.Value, 1, ratio, csNone, text, pattern);
    // A refused value leaves nothing to measure, so the earlier pattern must not be used.
    EXPECT_THROW(MakeModules(bcCodeEAN13, "AB12", 1, ratio, csNone, text, pattern), Exception);
    EXPECT_THROW(PatternWidth(bcCodeEAN13, "AB12", 1, 2.0, csNone), Exception);
    // One string for the text and the pattern ends up holding the text.
    std::string both;
    MakeModules(bcCode128B, "Q", 1, ratio, csNone, both, both);
    EXPECT_EQ(PatternWidth(bcCode128B, "Q", 1, 2.0, csNone),
              Made({bcCode128B, "Q", 1, 2.0, csNone}));
}

} // namespace
} // namespace quillmark
