// Facts about symbologies that every layer asks the engine for: names, GS1 check digits,
// what a symbol carries, text in Latin-1.
#include "encode.h"
#include <quillmark/ean_upc.h>
#include <quillmark/engine.h>
#include <quillmark/latin1.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
        // number system and six digits, or six and a check digit: refused with both readings
        {bcCodeUPC_E0, "0425261", "or 042526 with check digit 1 (write 042526)."},
        {bcCodeUPC_E1, "04252614", "The number system of UPC_E1 is 1, not 0."},
        {bcCode128B, "123", "123"},
        {bcCodeEAN13, "40063813339X", "40063813339X"}, // the engine refuses it
        // The main symbol's check digit; the add-on kept with its separator.
        {bcCodeEAN13, "978030640615+51299", "9780306406157+51299"},
        {bcCodeEAN13, "9780306406158+51299", "the EAN13 check digit is 7."},
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
        {"gs1128", bcCodeGS1_128},
        {"GS1-128", bcCodeGS1_128},
        {"code128", bcCode128},
        {"ean128", bcCodeEAN128B},
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
        {bcCode128B, "A\xC8", csNone, std::nullopt},           // a code set change
        {bcCodeEAN8, "5512345+12", csModulo10, "55123457 12"}, // zxing-cpp's add-on form
    };
    for (const auto& c : cases)
        EXPECT_EQ(Carried(c.Type, c.Value, c.CheckSum).Data, c.Text) << c.Value;
}

TEST(Carried, AnAddOnLeavesTheMainPartsDepartures) {
    for (const char* main : {"9780306406157", "9780306406158", "97803064061", "123"})
        for (const char* addOn : {"+12", " 51299"})
            EXPECT_EQ(Carried(bcCodeEAN13, std::string(main) + addOn, csNone).Departures,
                      Carried(bcCodeEAN13, main, csNone).Departures)
                << main << addOn;
}

// The digits each EAN/UPC symbol draws, and where the value's others went; the encoders draw
// exactly these (the pattern of a value equals the pattern of its drawn digits).
TEST(EANUPCDigits, DrawnDigitsAndTheValuesOthers) {
    const struct {
        TBarType Type;
        const char* Value;
        TCheckSum CheckSum;
        const char* Drawn;
        const char* Before;
        const char* After;
        bool Overwritten;
    } cases[] = {
        {bcCodeEAN8, "5512345", csModulo10, "55123457", "", "", false},
        {bcCodeEAN8, "55123457", csModulo10, "51234577", "5", "", false},
        {bcCodeEAN8, "551234570", csNone, "55123457", "", "0", false},
        {bcCodeEAN13, "400638133393", csModulo10, "4006381333931", "", "", false},
        {bcCodeEAN13, "123456789", csNone, "0000123456789", "", "", false},
        {bcCodeEAN13, "40063813339312", csNone, "4006381333931", "", "2", false},
        {bcCodeUPC_A, "036000291450", csModulo10, "036000291452", "", "", false},
        {bcCodeUPC_A, "03600029145", csModulo10, "003600029143", "", "", true},
        {bcCodeUPC_E0, "123456", csModulo10, "0123457", "", "", true},
        {bcCodeUPC_E0, "12345650", csNone, "1234565", "", "0", false},
        {bcCodeUPC_Supp5, "1234567", csNone, "12345", "", "67", false},
        {bcCodeUPC_Supp2, "7", csNone, "07", "", "", false},
    };
    for (const auto& c : cases) {
        const TEANUPCDigits digits = EANUPCDigits(c.Type, c.Value, c.CheckSum);
        EXPECT_EQ(digits.Drawn, c.Drawn) << c.Value;
        EXPECT_EQ(digits.LeftOutBefore, c.Before) << c.Value;
        EXPECT_EQ(digits.LeftOutAfter, c.After) << c.Value;
        EXPECT_EQ(digits.LastOverwritten, c.Overwritten) << c.Value;
        if (c.Type != bcCodeUPC_Supp2 && c.Type != bcCodeUPC_Supp5) {
            EXPECT_EQ(testing::Encode(c.Type, c.Value, c.CheckSum),
                      testing::Encode(c.Type, digits.Drawn, csNone))
                << c.Value;
        }
    }
}

// UPC-E zero suppression (GS1 general standard): the last of the six digits
// says where the zeros of the UPC-A form go.
TEST(EANUPCDigits, UPCEExpandsAsItsLastDigitSays) {
    const std::pair<const char*, const char*> cases[] = {
        {"425261", "04210000526"}, {"123450", "01200000345"}, {"123453", "01230000045"},
        {"123454", "01234000005"}, {"123455", "01234500005"},
    };
    for (const auto& [six, upcA] : cases)
        EXPECT_EQ(ExpandUPCE(six, '0'), upcA) << six;
    EXPECT_EQ(ExpandUPCE("123455", '1'), "11234500005");
    // 04252614 reads back from zxing-cpp with its check digit 4.
    EXPECT_EQ(GS1CheckDigit(bcCodeUPC_E0, "425261"), '4');
    EXPECT_THROW(ExpandUPCE("12345", '0'), Exception);
}

// The standard bar heights at X = 0.33 mm (GS1 general standard, EAN/UPC symbol
// dimensions); 15 mm for the others.
TEST(Catalogue, StandardBarHeights) {
    const std::pair<TBarType, double> cases[] = {
        {bcCodeEAN13, 22.85}, {bcCodeUPC_A, 22.85}, {bcCodeUPC_E0, 22.85},
        {bcCodeEAN8, 18.23},  {bcCode128B, 15.0},   {bcCodeCodabar, 15.0},
    };
    for (const auto& [type, height] : cases)
        EXPECT_EQ(BarTypeData(type).BarHeightMM, height) << BarTypeName(type);
}

// Every type in the family a list groups it under, each written out once here so that a new
// type without its family fails.
TEST(Catalogue, EveryTypesFamily) {
    const std::pair<TBarFamily, std::vector<TBarType>> families[] = {
        {bfRetail,
         {bcCodeEAN8, bcCodeEAN13, bcCodeUPC_A, bcCodeUPC_E0, bcCodeUPC_E1, bcCodeUPC_Supp2,
          bcCodeUPC_Supp5, bcCodeISBN, bcCodeISMN, bcCodeISSN}},
        {bfLogistics,
         {bcCodeEAN128A, bcCodeEAN128B, bcCodeEAN128C, bcCodeGS1_128, bcCodeITF14, bcCodeDataBar,
          bcCodeDataBarTruncated, bcCodeDataBarStacked, bcCodeDataBarStackedOmni,
          bcCodeDataBarLimited, bcCodeDataBarExpanded, bcCodeDataBarExpandedStacked}},
        {bfIndustrial,
         {bcCode_2_5_interleaved, bcCode_2_5_industrial, bcCode_2_5_matrix, bcCode39,
          bcCode39Extended, bcCode128A, bcCode128B, bcCode128C, bcCode93, bcCode93Extended,
          bcCodeMSI, bcCodeCodabar, bcCode128}},
        {bfPostal, {bcCodePostNet}},
        {bfTwoDimensional,
         {bcCodeQR, bcCodeMicroQR, bcCodeDataMatrix, bcCodeGS1DataMatrix, bcCodeGS1DigitalLinkQR}},
    };
    std::vector<bool> seen(BarTypeCount, false);
    for (const auto& [family, types] : families)
        for (const TBarType type : types) {
            EXPECT_EQ(BarTypeData(type).Family, family) << BarTypeName(type);
            EXPECT_FALSE(seen[type]) << BarTypeName(type) << " is listed twice";
            seen[type] = true;
        }
    for (int type = 0; type < BarTypeCount; ++type)
        EXPECT_TRUE(seen[type]) << BarTypeName(static_cast<TBarType>(type)) << " has no row here";
}

TEST(Catalogue, FamilyNamesAndTheirRange) {
    const std::pair<TBarFamily, std::string_view> names[] = {
        {bfRetail, "Retail"}, {bfLogistics, "Logistics and GS1"},    {bfIndustrial, "Industrial"},
        {bfPostal, "Postal"}, {bfTwoDimensional, "Two-dimensional"},
    };
    for (const auto& [family, name] : names)
        EXPECT_EQ(BarFamilyName(family), name);
    EXPECT_THROW(BarFamilyName(static_cast<TBarFamily>(BarFamilyCount)), Exception);
}

TEST(Latin1, FromUtf8AndBack) {
    const struct {
        const char* Utf8;
        std::optional<std::string> Strict;
        const char* Replaced;
    } cases[] = {
        {"caf\xC3\xA9", "caf\xE9", "caf\xE9"}, // within Latin-1
        {"\xE2\x82\xAC"
         "5",
         std::nullopt, "?5"},                    // the euro sign is beyond it
        {"caf\xE9", std::nullopt, "caf?"},       // not UTF-8
        {"\xC0\xAF", std::nullopt, "??"},        // overlong
        {"\xF0\x9F\x98\x80", std::nullopt, "?"}, // one character beyond the BMP
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Latin1FromUtf8(c.Utf8), c.Strict) << c.Utf8;
        EXPECT_EQ(Latin1FromUtf8(c.Utf8, '?'), c.Replaced) << c.Utf8;
    }
    EXPECT_EQ(Utf8FromLatin1("caf\xE9\x7F"), "caf\xC3\xA9\x7F");
}

// The rule that no symbol silently carries something other than its value, over the
// symbologies' character sets (ISO/IEC 16388 for Code 39, ISO/IEC 15417 for Code 128's sets,
// ANSI/AIM BC3 for Codabar, ISO/IEC 15420 for EAN/UPC lengths): each value its symbol
// carries as it stands passes; each other one names its first departure.
TEST(Departures, TheFirstWayTheBarsDifferFromTheValue) {
    const struct {
        TBarType Type;
        const char* Value;
        TCheckSum CheckSum;
        const char* First; // nullptr: carried as it stands
    } cases[] = {
        {bcCode39, "QUILL-39 $/+%.", csNone, nullptr},
        {bcCode39, "QUILl", csNone, "position 5: 'l' is not in Code39"},
        {bcCode39, "A*B", csNone, "position 2: '*' is the start and stop character"},
        {bcCode39Extended, "Quill\x01", csNone, nullptr},
        {bcCode39Extended, "caf\xE9", csNone, "position 4: '\xE9' is not in Code39 Extended"},
        {bcCode93, "QM-93", csNone, nullptr},
        {bcCode93, "A]B", csNone, "position 2: ']' stands for one of the shift characters"},
        {bcCode93Extended, "Quill93", csNone, nullptr},
        {bcCode128A, "QM_128", csNone, nullptr},
        {bcCode128A, "Qm", csNone, "position 2: 'm' is not in Code128A"},
        {bcCode128B, "Quill~", csNone, nullptr},
        {bcCode128B, "A\x01", csNone, "position 2: control character (0x01) is not in Code128B"},
        {bcCode128B, "A\xC8", csNone, "position 2: '\xC8' is not in Code128B"},
        {bcCode128C, "123", csNone, nullptr}, // drawn 0123: the zero completes the pairs
        {bcCode128C, "12AB", csNone, "position 3: 'A' is not in Code128C"},
        {bcCodeEAN128C, "0112345678901231", csModulo10, nullptr},
        {bcCode_2_5_interleaved, "1234", csNone, nullptr},
        {bcCode_2_5_interleaved, "123", csNone, "position 3: '3' has no partner"},
        {bcCode_2_5_industrial, "12 3", csNone, "position 3: ' ' is not a digit"},
        {bcCodeMSI, "1234", csNone, nullptr},
        {bcCodePostNet, "123455", csNone, nullptr},
        {bcCodePostNet, "12345", csNone, "PostNet carries 5, 9 or 11 digits and a correction"},
        {bcCodeCodabar, "31117013206375", csNone, nullptr},
        {bcCodeCodabar, "A40156B", csNone, "position 1: 'A' is a start or stop character"},
        {bcCodeEAN13, "4006381333931", csNone, nullptr},
        {bcCodeEAN13, "400638133393", csModulo10, nullptr},
        {bcCodeEAN13, "12345", csNone, "EAN13 carries 12 digits and a check digit, 13 in all"},
        {bcCodeEAN13, "4006381333932", csNone, "position 13: '2' is not the EAN13 check digit"},
        {bcCodeEAN8, "55123457", csNone, nullptr},
        {bcCodeEAN8, "55123457", csModulo10, "EAN8 takes 7 digits and adds its check digit"},
        {bcCodeUPC_A, "036000291452", csModulo10, nullptr},
        {bcCodeUPC_A, "03600029145", csModulo10, "position 11: '5' would give way"},
        {bcCodeUPC_E0, "4252614", csNone, nullptr},
        {bcCodeUPC_E0, "425261", csModulo10, "position 6: '1' would give way"},
        {bcCodeUPC_Supp5, "12345", csNone, nullptr},
        {bcCodeUPC_Supp2, "7", csNone, "UPC Supp2 carries 2 digits, not 1."},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> departures = Carried(c.Type, c.Value, c.CheckSum).Departures;
        if (!c.First) {
            EXPECT_TRUE(departures.empty()) << c.Value << ": " << departures.front();
            continue;
        }
        ASSERT_FALSE(departures.empty()) << c.Value;
        EXPECT_TRUE(departures.front().starts_with(c.First)) << departures.front();
    }
}

} // namespace
} // namespace quillmark
