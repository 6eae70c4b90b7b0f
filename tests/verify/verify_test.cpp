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

// GS1 DataBar's rows at their heights, with a quiet zone for the reader.
testing::Raster RasteriseRows(const TModuleGrid& Grid) {
    std::vector<std::string> rows;
    std::vector<int> heights;
    for (int r = 0; r < Grid.Rows; ++r) {
        std::string row;
        for (int c = 0; c < Grid.Columns; ++c)
            row += Grid.IsDark(c, r) ? '1' : '0';
        rows.push_back(row);
        heights.push_back(Grid.RowHeight(r));
    }
    return testing::RasteriseGrid(testing::GridOfRows(rows, heights), 3);
}

// What zxing-cpp gives for GS1 DataBar (the GTIN alone, Expanded's AIs in parentheses) is
// compared as the symbol carries it: "01" and the GTIN, element strings with GS separators.
TEST(VerifySymbol, DataBarAsItCarries) {
    const std::string elements = "(01)09501101530003(10)AB-123(21)QM7";
    const struct {
        TBarType Type;
        const char* Value;
        const char* Claimed;
        const char* Message; // none: matches
    } cases[] = {
        {bcCodeDataBar, "0950110153000", "(01)09501101530003", nullptr},
        {bcCodeDataBarExpandedStacked, elements.c_str(), elements.c_str(), nullptr},
        {bcCodeDataBarExpanded, "(01)09501101530003(10)AB-123", "(01)09501101530003(10)AB-124",
         "reads '010950110153000310AB-123', not '010950110153000310AB-124'"},
    };
    TMatrixOptions twoSegments;
    twoSegments.DataBarSegments = 2;
    for (const auto& c : cases) {
        const TSymbolValue drawn(c.Type, c.Value, csNone, twoSegments, nullptr);
        const testing::Raster raster = RasteriseRows(*drawn.Grid());
        try {
            EXPECT_EQ(
                VerifySymbol({raster.Pixels.data(), raster.Width, raster.Height, raster.Width},
                             TSymbolValue(c.Type, c.Claimed, csNone, twoSegments, nullptr), true),
                TVerified::Matches);
            EXPECT_FALSE(c.Message) << c.Message;
        } catch (const Exception& e) {
            ASSERT_TRUE(c.Message) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.Message), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace quillmark
