// Facts about symbologies that every layer asks the engine for: names, GS1 check digits,
// what a symbol carries, text in Latin-1.
#include "ean_upc.h"
#include "engine.h"
#include "latin1.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillmark {
namespace {

TEST(GS1CheckDigits, CompletedCheckedOrPassed) {
    const struct {
        TBarType Type;
        const char* Value;
        const char* Result; // or, for a wrong check digit, the end of the error
    } cases[] = {
        {bcCodeEAN13, "400638133393", "4006381333931"},
        {bcCodeEAN13, "4006381333931", "4006381333931"},
        {bcCodeEAN13, "4006381333932", "the EAN13 check digit is 1."},
        {bcCodeEAN13, "12345", "12345"},
        {bcCodeEAN8, "5512345", "55123457"},
        {bcCodeUPC_A, "03600029145", "036000291452"},
        {bcCodeUPC_A, "036000291453", "the UPC_A check digit is 2."},
        // UPC-E: check digits from the UPC-A expansion; the number system is the type's.
        {bcCodeUPC_E0, "425261", "4252614"},
        {bcCodeUPC_E0, "04252614", "4252614"},
        {bcCodeUPC_E0, "04252615", "the UPC_E0 check digit is 4."},
        {bcCodeUPC_E0, "1234505", "1234505"},
        {bcCodeUPC_E0, "1234500", "the UPC_E0 check digit is 5."},
        {bcCodeUPC_E0, "0425261", "0425261"}, // number system and six digits, or six and a check
        {bcCodeUPC_E1, "04252614", "The number system of UPC_E1 is 1, not 0."},
        {bcCode128B, "123", "123"},
        {bcCodeEAN13, "40063813339X", "40063813339X"}, // the engine refuses it
    };
    for (const auto& c : cases) {
        std::string result;
        try {
            result = CompleteCheckDigit(c.Type, c.Value);
        } catch (const Exception& e) {
            result = e.what();
        }
        EXPECT_TRUE(result.ends_with(c.Result)) << c.Value << ": " << result;
    }
}

TEST(TypeNames, EveryFormOfANameFindsItsType) {
    const std::pair<const char*, std::optional<TBarType>> cases[] = {
        {"bcCode128B", bcCode128B},
        {"CODE128b", bcCode128B},
        {"code_2_5_interleaved", bcCode_2_5_interleaved},
        {"Code25 Interleaved", bcCode_2_5_interleaved},
        {"itf", bcCode_2_5_interleaved},
        {"EAN-13", bcCodeEAN13},
        {"upc_a", bcCodeUPC_A},
        {"codebar", bcCodeCodabar},
        {"gs1128", bcCodeEAN128B},
        {"nope", std::nullopt},
        {"", std::nullopt},
        {"bc", std::nullopt},
    };
    for (const auto& [name, type] : cases)
        EXPECT_EQ(FindBarType(name), type) << name;
    for (int i = 0; i < BarTypeCount; ++i) {
        const auto type = static_cast<TBarType>(i);
        EXPECT_EQ(FindBarType(BarTypeData(type).Identifier), type);
        std::string_view aliases = BarTypeData(type).Aliases;
        for (std::size_t comma = 0; comma != std::string_view::npos;
             aliases.remove_prefix(comma + 1)) {
            comma = aliases.find(',');
            EXPECT_EQ(FindBarType(aliases.substr(0, comma)), type) << aliases;
        }
    }
}

TEST(Carried, WhatAReaderReportsForAValue) {
    const struct {
        TBarType Type;
        const char* Value;
        TCheckSum CheckSum;
        std::optional<std::string> Text;
    } cases[] = {
        {bcCode128B, "caf\xE9", csNone, "caf "},
        {bcCode128C, "123", csNone, "0123"},
        {bcCodeEAN128C, "123", csModulo10, "1236"},
        {bcCode_2_5_interleaved, "12345", csNone, "1234"},
        {bcCode39, "Quill", csNone, "Q"},
        {bcCode39Extended, "Qu\xE9", csModulo10, "Qu"},
        {bcCodeUPC_E0, "4252614", csNone, "04252614"},
        {bcCodeEAN13, "400638133393", csModulo10, "4006381333931"},
        {bcCode128B, "A\xC8", csNone, std::nullopt}, // a code set change
    };
    for (const auto& c : cases)
        EXPECT_EQ(Carried(c.Type, c.Value, c.CheckSum).Data, c.Text) << c.Value;
}

} // namespace
} // namespace quillmark
