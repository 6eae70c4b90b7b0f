// The engine's shortcuts against the plain computations they stand for: the word-at-a-time
// digit test, the integer rounding of whole-quarter ratios and the width count by class.
#include "encoders.h"
#include "engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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

} // namespace
} // namespace quillmark
