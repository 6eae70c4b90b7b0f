// The symbol value of each two-dimensional type reads back, with zxing-cpp, as its standard
// says a reader gives it: GS1 DataMatrix as "]d2" with a GS after a variable-length field
// that isn't last (GS1 DataMatrix Guideline, section 2), GS1 Digital Link QR as its URI.
#include "read_grid.h"

#include <quillmark/matrix.h>

#include <gtest/gtest.h>

#include <string>

namespace quillmark {
namespace {

TEST(MatrixSymbolValue, ReadsBackAsEachStandardSays) {
    const struct {
        TBarType Type;
        std::string Value;
        std::string SymbologyId;
        std::string Read;
    } cases[] = {
        {bcCodeQR, "https://example.com/QM-0001", "]Q1", "https://example.com/QM-0001"},
        {bcCodeDataMatrix, "QM-0001 caf\xe9", "]d1", "QM-0001 caf\xe9"},
        {bcCodeGS1DataMatrix, "(01)09501101530003(17)260101(10)AB-123", "]d2",
         "01095011015300031726010110AB-123"},
        {bcCodeGS1DataMatrix, "(10)AB-123(21)X1", "]d2",
         "10AB-123\x1d"
         "21X1"},
        {bcCodeGS1DigitalLinkQR, "(01)09501101530003(17)260101(10)AB-123", "]Q1",
         "https://id.gs1.org/01/09501101530003/10/AB-123?17=260101"},
    };
    for (const auto& c : cases) {
        const auto value = MakeSymbolValue(c.Type, c.Value, csNone);
        ASSERT_FALSE(value->Refused()) << c.Value;
        const auto read = testing::ReadGrid(*value->Grid());
        ASSERT_TRUE(read) << c.Value;
        EXPECT_EQ(read->SymbologyId, c.SymbologyId) << c.Value;
        EXPECT_EQ(read->Bytes, c.Read) << c.Value;
        EXPECT_EQ(value->Carried().Data, c.Read) << c.Value;
    }
}

TEST(MatrixSymbolValue, OptionsChooseTheSymbol) {
    TMatrixOptions options;
    options.QrVersion = 5;
    options.QrLevel = TQrLevel::H;
    EXPECT_EQ(MakeSymbolValue(bcCodeQR, "QM", csNone, options)->Grid()->Columns, 37);
    options.DataMatrixShape = TDataMatrixShape::Rectangle;
    const auto rectangle = MakeSymbolValue(bcCodeDataMatrix, "QM", csNone, options);
    EXPECT_LT(rectangle->Grid()->Rows, rectangle->Grid()->Columns);
    EXPECT_EQ(MakeSymbolValue(bcCodeMicroQR, "12345", csNone)->Grid()->QuietZone, 2);
    EXPECT_TRUE(MakeSymbolValue(bcCodeGS1DigitalLinkQR, "(21)X1", csNone)->Refused());
}

} // namespace
} // namespace quillmark
