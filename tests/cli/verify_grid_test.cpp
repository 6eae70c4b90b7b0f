// --verify's reading of grids: the bytes a symbol value carries and the symbology identifier
// of its kind. Here rather than in the verify suite, which engine-only builds make without
// the matrix library.
#include "scan.h"
#include <quillmark/matrix.h>
#include <quillmark/verify.h>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

// Verifies the picture of Drawn's grid against Claimed.
TVerified Verify(const TSymbolValue& Drawn, const TSymbolValue& Claimed) {
    const testing::Raster raster = testing::RasteriseGrid(*Drawn.Grid());
    // Grids read in any turn.
    return VerifySymbol({raster.Pixels.data(), raster.Width, raster.Height, raster.Width}, Claimed,
                        false);
}

TEST(VerifyGrid, MatchesOrSaysWhatItReads) {
    const std::string elements = "(01)09501101530003(17)260101(10)AB-123";
    TMatrixOptions otherDomain;
    otherDomain.DigitalLinkDomain = "https://example.com";
    const auto gs1 = MakeSymbolValue(bcCodeGS1DataMatrix, elements, csNone);
    const auto link = MakeSymbolValue(bcCodeGS1DigitalLinkQR, elements, csNone);
    const auto micro = MakeSymbolValue(bcCodeMicroQR, "12345", csNone);
    const struct {
        std::shared_ptr<const TSymbolValue> Drawn;
        std::shared_ptr<const TSymbolValue> Claimed;
        const char* Message; // none: matches
    } cases[] = {
        {gs1, gs1, nullptr},
        {link, link, nullptr},
        {micro, micro, nullptr},
        // The same bytes without FNC1 first are not GS1 data.
        {MakeSymbolValue(bcCodeDataMatrix, *gs1->Carried().Data, csNone), gs1,
         "reads as ]d1, not as GS1 DataMatrix (]d2)"},
        {MakeSymbolValue(bcCodeGS1DigitalLinkQR, elements, csNone, otherDomain), link,
         "reads 'https://example.com/01/"},
        // A Data Matrix is not a QR Code, whatever it holds.
        {MakeSymbolValue(bcCodeDataMatrix, "QM", csNone), MakeSymbolValue(bcCodeQR, "QM", csNone),
         "finds no QRCode symbol"},
        // A value without a grid is refused, never passed.
        {link, MakeSymbolValue(bcCodeGS1DigitalLinkQR, "(21)X1", csNone), "(21)"},
    };
    for (const auto& c : cases) {
        try {
            EXPECT_EQ(Verify(*c.Drawn, *c.Claimed), TVerified::Matches);
            EXPECT_FALSE(c.Message) << c.Message;
        } catch (const Exception& e) {
            ASSERT_TRUE(c.Message) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.Message), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace quillmark
