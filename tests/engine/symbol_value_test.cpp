// A value encoded once gives, at any module and ratio, the symbol MakeSymbol makes of it, with
// the same errors in the same order, and what Carried and RetailLook give.
#include <quillmark/engine.h>
#include <quillmark/retail_look.h>
#include <quillmark/symbol_value.h>

#include <gtest/gtest.h>

#include <string>

namespace quillmark {
namespace {

// The symbol as text, or the error raised making it.
template <typename Make> std::string Outcome(const Make& MakeIt) {
    try {
        const TSymbol s = MakeIt();
        return s.Pattern + "|" + s.Text + "|" + std::to_string(s.Widths.Narrow) + "," +
               std::to_string(s.Widths.Wide) + "," + std::to_string(s.Widths.Wide15) + "," +
               std::to_string(s.Widths.Wide2) + "|" + std::to_string(s.Ratio) + "|" +
               std::to_string(s.Width);
    } catch (const Exception& error) {
        return "raised " + error.Message();
    }
}

TEST(SymbolValue, GivesMakeSymbolsSymbolAtAnySize) {
    const struct {
        TBarType Type;
        const char* Value;
        TCheckSum CheckSum;
        int Modul;
        double Ratio;
    } cases[] = {
        {bcCode39, "QUILL-26", csNone, 1, 2.0},
        {bcCode39, "QUILL-26", csModulo10, 3, 9.0},      // ratio clamped
        {bcCode_2_5_interleaved, "12345", csNone, 2, 0}, // odd digit; ratio below the range
        {bcCodeEAN13, "590123412345", csNone, 2, 2.0},   // check digit added
        {bcCodeUPC_E0, "0123456", csNone, 1, 2.5},
        {bcCodeEAN13, "5901234123457 12", csNone, 1, 2.0}, // add-on
        {bcCodeCodabar, "A123B", csNone, 4, 3.0},
        {bcCode128C, "12345", csNone, 1, 2.0},
        {bcCodeGS1_128, "(01)09501101530003", csNone, 2, 2.0},
        {bcCodeEAN13, "59012A", csNone, 1, 2.0},   // refused value
        {bcCode128B, "Quillmark", csNone, 0, 2.0}, // refused width
        {bcCodeEAN8, "12A", csNone, 0, 2.0},       // the width's error first
        {bcCodeMSI, "", csModulo10, 1, 2.0},
        {static_cast<TBarType>(BarTypeCount), "1", csNone, 1, 2.0}, // beyond the catalogue
    };
    for (const auto& c : cases) {
        const TSymbolValue value(c.Type, c.Value, c.CheckSum);
        EXPECT_EQ(Outcome([&] { return value.Symbol(c.Modul, c.Ratio); }), Outcome([&] {
                      return MakeSymbol(c.Type, c.Value, c.Modul, c.Ratio, c.CheckSum);
                  }))
            << c.Value;
        if (static_cast<int>(c.Type) >= BarTypeCount) {
            EXPECT_THROW(value.Carried(), Exception); // as Carried raises
            continue;
        }
        const TCarried carried = Carried(c.Type, c.Value, c.CheckSum);
        EXPECT_EQ(value.Carried().Data, carried.Data) << c.Value;
        EXPECT_EQ(value.Carried().Departures, carried.Departures) << c.Value;
        if (value.Refused())
            continue;
        const std::optional<TRetailLook> look = RetailLook(c.Type, c.Value, c.CheckSum);
        ASSERT_EQ(value.RetailLook().has_value(), look.has_value()) << c.Value;
        if (look) {
            EXPECT_EQ(value.RetailLook()->LongElements, look->LongElements) << c.Value;
            EXPECT_EQ(value.RetailLook()->Groups.size(), look->Groups.size()) << c.Value;
        }
    }
}

} // namespace
} // namespace quillmark
