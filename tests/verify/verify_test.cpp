// Symbols read back with zxing-cpp and held against what the engine says they carry.
#include "encode.h"
#include "scan.h"
#include <quillmark/verify.h>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

TEST(VerifySymbol, MatchesOrSaysWhatItReads) {
    const struct {
        TBarType Type;
        const char* Value;   // what the symbol is drawn from
        const char* Claimed; // what the caller says it was drawn from
        TCheckSum CheckSum;
        std::optional<TVerified> Result; // none: raises
        const char* Message;
    } cases[] = {
        {bcCode128B, "Quill-128", "Quill-128", csNone, TVerified::Matches, nullptr},
        {bcCode39, "QUILL", "QUILL", csModulo10, TVerified::Matches, nullptr},
        {bcCodeEAN13, "400638133393", "400638133393", csModulo10, TVerified::Matches, nullptr},
        // Set B's escape byte 200 draws CODE C, which a reader takes as a set change.
        {bcCode128B, "A\xC8", "A\xC8", csNone, TVerified::ScansUncompared, nullptr},
        {bcCode128B, "Quill", "Quilt", csNone, std::nullopt, "reads 'Quill', not 'Quilt'"},
        {bcCodeEAN13, "4006381333931", "4006381333931", csNone, TVerified::Matches, nullptr},
        // Read as the symbologies that draw them, with those identifiers (]I1, ]E0).
        {bcCodeITF14, "0950110153000", "(01)09501101530003", csNone, TVerified::Matches, nullptr},
        {bcCodeISBN, "978-0-306-40615-7", "0-306-40615-2", csNone, TVerified::Matches, nullptr},
        {bcCodeISMN, "979-0-2600-0043-8", "979-0-2600-0044-5", csNone, std::nullopt,
         "reads '9790260000438', not '9790260000445'"},
    };
    for (const auto& c : cases) {
        const std::string pattern = testing::Encode(c.Type, c.Value, c.CheckSum);
        // Encode leaves the element widths of Modul 1 set for the rasteriser.
        const testing::Raster raster = testing::RasterisePattern(pattern, 60, 30);
        const TGreyImage image{raster.Pixels.data(), raster.Width, raster.Height, raster.Width};
        try {
            const TVerified result = VerifySymbol(image, c.Type, c.Claimed, c.CheckSum, true);
            ASSERT_TRUE(c.Result) << c.Claimed;
            EXPECT_EQ(result, *c.Result) << c.Claimed;
        } catch (const Exception& e) {
            ASSERT_FALSE(c.Result) << c.Claimed << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(c.Message), std::string::npos) << e.what();
        }
    }
    // A symbology it doesn't look for is not found.
    const testing::Raster blank{100, 100, std::vector<std::uint8_t>(100 * 100, 255)};
    EXPECT_THROW(VerifySymbol({blank.Pixels.data(), 100, 100, 100}, bcCode93, "X", csNone, true),
                 Exception);
    EXPECT_FALSE(CanRead(bcCodeMSI));
    EXPECT_TRUE(CanRead(bcCodeUPC_E1));
    EXPECT_FALSE(CanRead(bcCodeDataBarLimited));
    EXPECT_TRUE(CanRead(bcCodeDataBarExpandedStacked));
}

} // namespace
} // namespace quillmark
