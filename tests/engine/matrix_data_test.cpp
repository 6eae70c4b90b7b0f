// What a two-dimensional symbol carries and prints, from the examples of the GS1 DataMatrix
// Guideline (element strings, FNC1 separators after variable-length fields) and the GS1
// Digital Link standard (URI syntax 1.4, section 4: path for the key and its qualifiers,
// query for the attributes).
#include <quillmark/engine.h>
#include <quillmark/module_grid.h>
#include <quillmark/symbol_value.h>

#include <gtest/gtest.h>

#include <string>

namespace quillmark {
namespace {

std::string DataOrMessage(TBarType Type, const std::string& Value,
                          const TMatrixOptions& Options = {}) {
    try {
        return MatrixData(Type, Value, Options);
    } catch (const Exception& refused) {
        return "refused: " + refused.Message();
    }
}

TEST(MatrixData, CarriesWhatEachStandardAsks) {
    TMatrixOptions ownDomain;
    ownDomain.DigitalLinkDomain = "https://example.com/dl/";
    const struct {
        TBarType Type;
        std::string Value;
        TMatrixOptions Options;
        std::string Carried;
    } cases[] = {
        {bcCodeQR, "caf\xe9 \x1d bytes", {}, "caf\xe9 \x1d bytes"},
        {bcCodeDataMatrix, "(01)not parsed", {}, "(01)not parsed"},
        // Fixed-length (17) needs no separator; variable (10) does, unless last.
        {bcCodeGS1DataMatrix,
         "(01)09501101530003(17)260101(10)AB-123",
         {},
         "01095011015300031726010110AB-123"},
        {bcCodeGS1DataMatrix,
         "(10)AB-123(21)X1",
         {},
         "10AB-123\x1d"
         "21X1"},
        // Longer than GS1-128's 48 characters: Data Matrix holds it.
        {bcCodeGS1DataMatrix,
         "(01)09501101530003(21)ABCDEFGHIJKLMNOPQRST(10)ABCDEFGHIJKLMNOPQRST",
         {},
         "0109501101530003"
         "21ABCDEFGHIJKLMNOPQRST\x1d"
         "10ABCDEFGHIJKLMNOPQRST"},
        {bcCodeGS1DigitalLinkQR,
         "(01)09501101530003(17)260101(10)AB-123",
         {},
         "https://id.gs1.org/01/09501101530003/10/AB-123?17=260101"},
        {bcCodeGS1DigitalLinkQR, "(01)09501101530003", ownDomain,
         "https://example.com/dl/01/09501101530003"},
        {bcCodeGS1DigitalLinkQR, "(21)X1", {}, "refused: "},
        {bcCodeGS1DataMatrix, "0109501101530003", {}, "refused: "},
        {bcCodeGS1DataMatrix, "(01)09501101530004", {}, "refused: "},
    };
    for (const auto& c : cases) {
        const std::string carried = DataOrMessage(c.Type, c.Value, c.Options);
        if (c.Carried == "refused: ")
            EXPECT_TRUE(carried.starts_with(c.Carried)) << c.Value << ": " << carried;
        else
            EXPECT_EQ(carried, c.Carried) << c.Value;
    }
}

TEST(MatrixData, RefusalsNameTheSymbologyAndTheFix) {
    EXPECT_EQ(DataOrMessage(bcCodeGS1DataMatrix, "0109501101530003"),
              "refused: GS1 DataMatrix takes Application Identifiers in parentheses, as "
              "(01)09501101530003(10)ABC123.");
    EXPECT_NE(DataOrMessage(bcCodeGS1DigitalLinkQR, "(21)X1").find("primary key"),
              std::string::npos);
    EXPECT_EQ(MatrixText(bcCodeGS1DigitalLinkQR, "[01]09501101530003[10]AB"),
              "(01)09501101530003(10)AB");
}

// A stand-in for the matrix library: one dark module per byte, in a row.
TModuleGrid RowOfBytes(TBarType, std::string_view Data, const TMatrixOptions&) {
    return {static_cast<int>(Data.size()), 1, std::vector<std::uint8_t>(Data.size(), 1), 2, {}};
}

TEST(MatrixSymbolValue, HoldsItsGridAndRefusesWithoutAnEncoder) {
    const TSymbolValue value(bcCodeGS1DataMatrix, "(01)09501101530003", csNone, {}, RowOfBytes);
    ASSERT_FALSE(value.Refused());
    ASSERT_TRUE(value.Grid());
    EXPECT_EQ(value.Grid()->Columns, 16);
    EXPECT_EQ(value.Carried().Data, "0109501101530003");
    const TSymbol symbol = value.Symbol(3, 2.0);
    EXPECT_EQ(symbol.Width, 48);
    EXPECT_EQ(symbol.Text, "(01)09501101530003");
    EXPECT_TRUE(symbol.Pattern.empty());
    EXPECT_EQ(symbol.Grid, value.Grid());

    TMatrixOptions other;
    other.QrLevel = TQrLevel::H;
    EXPECT_TRUE(value.Holds(bcCodeGS1DataMatrix, "(01)09501101530003", csNone, {}));
    EXPECT_FALSE(value.Holds(bcCodeGS1DataMatrix, "(01)09501101530003", csNone, other));

    const TSymbolValue without(bcCodeQR, "x", csNone);
    EXPECT_TRUE(without.Refused());
    EXPECT_FALSE(without.Grid());
    EXPECT_EQ(without.Carried().Departures.size(), 1U);

    double ratio = 2.0;
    std::string text, pattern;
    try {
        MakeModules(bcCodeDataMatrix, "x", 1, ratio, csNone, text, pattern);
        ADD_FAILURE() << "a row of bars for Data Matrix";
    } catch (const Exception& refused) {
        EXPECT_EQ(refused.Message(),
                  "Data Matrix is a two-dimensional symbol: it has no row of bars.");
    }
}

} // namespace
} // namespace quillmark
