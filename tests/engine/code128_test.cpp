// Code 128 and EAN-128 against ISO/IEC 15417's symbol table, the worked examples and
// zxing-cpp.
#include "code128_published.h"
#include "encoders.h"
#include "scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

namespace quillmark {
namespace {

TEST(Code128, EveryValueMatchesPublishedTable) {
    std::string pairs;
    std::vector<int> values;
    for (int v = 0; v < 100; ++v) {
        pairs += static_cast<char>('0' + v / 10);
        pairs += static_cast<char>('0' + v % 10);
        values.push_back(v);
    }
    EXPECT_EQ(Encode(bcCode128C, pairs).Widths, Symbol(105, values));
    // Values 100..102 through the escape bytes of set B and the letter pairs of set C.
    EXPECT_EQ(Encode(bcCode128B, "\xC8\xC9\xCA").Widths, Symbol(104, {100, 101, 102}));
    EXPECT_EQ(Encode(bcCode128C, "CBCAF1").Widths, Symbol(105, {100, 101, 102}));
    // Starts and stop alone.
    EXPECT_EQ(Encode(bcCode128A, "").Widths, std::string(StartA) + "212222" + std::string(Stop));
    EXPECT_EQ(Encode(bcCode128B, "").Widths, std::string(StartB) + "222122" + std::string(Stop));
    EXPECT_EQ(Encode(bcCode128C, "").Widths, std::string(StartC) + "222221" + std::string(Stop));
}

TEST(Code128, PublishedWidthsAreElevenModulesWithEvenBars) {
    // Guards the typed table itself.
    for (const std::string_view widths : Code128Published) {
        int modules = 0;
        for (const char ch : widths)
            modules += ch - '0';
        EXPECT_EQ(modules, 11) << widths;
        EXPECT_EQ((widths[0] + widths[2] + widths[4] - 3 * '0') % 2, 0) << widths;
    }
}

// The character lookup by the published sets, narrowed as this system has them: set A
// only codes 32..95, set B 32..126, escapes 195..202 name values 95..102 in both.
int ExpectedCharValue(unsigned Code, bool SetA) {
    if (Code >= 195 && Code <= 202)
        return static_cast<int>(Code) - 100;
    const unsigned last = SetA ? 95 : 126;
    if (Code >= 32 && Code <= last)
        return static_cast<int>(Code) - 32;
    return -1;
}

TEST(Code128, CharacterLookupCoversEveryByte) {
    for (unsigned code = 0; code < 256; ++code) {
        const char ch = static_cast<char>(code);
        EXPECT_EQ(FindCode128Char(ch, bcCode128A), ExpectedCharValue(code, true)) << code;
        EXPECT_EQ(FindCode128Char(ch, bcCodeEAN128A), ExpectedCharValue(code, true)) << code;
        EXPECT_EQ(FindCode128Char(ch, bcCode128B), ExpectedCharValue(code, false)) << code;
        EXPECT_EQ(FindCode128Char(ch, bcCodeEAN128B), ExpectedCharValue(code, false)) << code;
        EXPECT_EQ(FindCode128Char(ch, bcCodeEAN128C), ExpectedCharValue(code, false)) << code;
    }
}

TEST(Code128, PairLookup) {
    for (int v = 0; v < 100; ++v) {
        const std::string pair{static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
        EXPECT_EQ(FindCode128Pair(pair), v) << pair;
    }
    EXPECT_EQ(FindCode128Pair("CB"), 100);
    EXPECT_EQ(FindCode128Pair("CA"), 101);
    EXPECT_EQ(FindCode128Pair("F1"), 102);
    for (const char* pair : {"AB", "1", "", "123", "0A", "f1", " 1"})
        EXPECT_EQ(FindCode128Pair(pair), -1) << pair;
}

TEST(Code128, WorkedExamples) {
    struct Case {
        TBarType Type;
        const char* Value;
        TCheckSum CheckSum;
        int Start;
        std::vector<int> Values; // FNC1 included for EAN-128
        int Check;
        const char* Text;
    };
    const Case cases[] = {
        {bcCode128C, "123456789", csNone, 105, {1, 23, 45, 67, 89}, 73, "0123456789"},
        {bcCode128B, "Hi", csNone, 104, {40, 73}, 84, "Hi"},
        {bcCode128A, "ab", csNone, 103, {0, 0}, 0, "ab"},
        {bcCodeEAN128A, "ab", csNone, 103, {102, 0, 0}, 102, "ab"},
        {bcCode128A, "", csNone, 103, {}, 0, ""},
        {bcCode128B, "", csNone, 104, {}, 1, ""},
        {bcCode128C, "", csNone, 105, {}, 2, ""},
        {bcCodeEAN128A, "", csNone, 103, {102}, 102, ""},
        {bcCodeEAN128B, "", csNone, 104, {102}, 0, ""},
        {bcCodeEAN128C, "", csNone, 105, {102}, 1, ""},
        {bcCodeEAN128C, "0123", csModulo10, 105, {102, 0, 12, 36}, 78, "001236"},
        {bcCodeEAN128B, "12345", csModulo10, 104, {102, 17, 18, 19, 20, 21, 23}, -1, "123457"},
        {bcCodeEAN128B, "12345", csNone, 104, {102, 17, 18, 19, 20, 21}, -1, "12345"},
        {bcCode128B, "12345", csModulo10, 104, {17, 18, 19, 20, 21}, -1, "12345"},
        {bcCode128B,
         "A\xCA"
         "B",
         csNone,
         104,
         {33, 102, 34},
         -1,
         "A\xCA"
         "B"},
        // CODE C is emitted, yet the digits after it are still looked up in set B.
        {bcCode128B,
         "\xC7"
         "12",
         csNone,
         104,
         {99, 17, 18},
         -1,
         "\xC7"
         "12"},
        {bcCode128C, "F1", csNone, 105, {102}, -1, "F1"},
        {bcCode128C, "1F1", csNone, 105, {1, 102}, -1, "01F1"},
        {bcCode128C, "12AB", csNone, 105, {12, 0}, -1, "12AB"},
        {bcCode128B, "\x80\xC2~", csNone, 104, {0, 0, 94}, -1, "\x80\xC2~"},
        // Bytes past the escapes have no symbol and are written as spaces.
        {bcCode128B, "\xCB\xFF!", csNone, 104, {0, 0, 1}, -1, "\xCB\xFF!"},
        {bcCodeEAN128A,
         "\xC3\xC4\xC5\xC6",
         csNone,
         103,
         {102, 95, 96, 97, 98},
         -1,
         "\xC3\xC4\xC5\xC6"},
    };
    for (const Case& c : cases) {
        const Encoded out = Encode(c.Type, c.Value, c.CheckSum);
        if (c.Check >= 0) {
            EXPECT_EQ(Check(c.Start, c.Values), c.Check) << c.Value;
        }
        EXPECT_EQ(out.Widths, Symbol(c.Start, c.Values)) << BarTypeName(c.Type) << " " << c.Value;
        EXPECT_EQ(out.Text, c.Text) << BarTypeName(c.Type) << " " << c.Value;
    }
    EXPECT_EQ(Encode(bcCode128B, "Hi").Widths,
              std::string("211214") + "231113" + "142112" + "124112" + "2331112");
}

TEST(Code128, LongValueCheckDoesNotOverflow) {
    // Tens of thousands of symbols make the plain weighted sum exceed 32 bits.
    const std::string value(60000, '~');
    const std::vector<int> values(value.size(), 94);
    EXPECT_EQ(Encode(bcCode128B, value).Widths, Symbol(104, values));
}

TEST(Code128, WrongBarTypeRaisesAndKeepsText) {
    for (const TBarType type :
         {bcCode39, bcCode93, bcCodeEAN13, bcCode128, static_cast<TBarType>(255)}) {
        std::string text = "keep";
        std::string pattern;
        try {
            EncodeCode128(type, "123", csNone, text, pattern);
            FAIL() << static_cast<int>(type);
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), "Code_128 :  : Wrong barcode type.");
        }
        EXPECT_EQ(text, "keep");
    }
}

TEST(Code128, FailedCheckDigitKeepsText) {
    std::string text = "keep";
    std::string pattern;
    EXPECT_THROW(EncodeCode128(bcCodeEAN128B, "12a", csModulo10, text, pattern), EConvertError);
    EXPECT_EQ(text, "keep");
}

TEST(Code128, TextMayAliasValue) {
    std::string text = "123";
    std::string pattern;
    EncodeCode128(bcCodeEAN128C, text, csModulo10, text, pattern);
    EXPECT_EQ(text, "1236");
}

std::vector<std::string> PrintableChunks(int First, int Last) {
    std::vector<std::string> chunks;
    for (int start = First; start <= Last; start += 24) {
        std::string chunk;
        for (int code = start; code <= Last && code < start + 24; ++code)
            chunk += static_cast<char>(code);
        chunks.push_back(chunk);
    }
    return chunks;
}

void ExpectScan(TBarType Type, const std::string& Value, const std::string& Expected,
                TCheckSum CheckSum = csNone) {
    for (const int modul : {1, 2, 3}) {
        const auto scan = testing::EncodeAndScan(Type, Value, modul, 2.0, CheckSum);
        ASSERT_TRUE(scan) << BarTypeName(Type) << " " << Value << " modul " << modul;
        EXPECT_EQ(scan->Format, "Code128");
        EXPECT_EQ(scan->Text, Expected) << BarTypeName(Type) << " " << Value;
    }
}

TEST(Code128, SetAScansBack) {
    for (const std::string& value : PrintableChunks(32, 95))
        ExpectScan(bcCode128A, value, value);
    ExpectScan(bcCode128A, "QUILLMARK 128", "QUILLMARK 128");
}

TEST(Code128, SetBScansBack) {
    for (const std::string& value : PrintableChunks(32, 126))
        ExpectScan(bcCode128B, value, value);
    ExpectScan(bcCode128B, "Quillmark 128", "Quillmark 128");
}

TEST(Code128, SetCScansBackWithLeadingZeroForOddLength) {
    for (const char* value : {"12", "0123456789", "99887766554433221100"})
        ExpectScan(bcCode128C, value, value);
    for (const char* value : {"1", "123456789", "5551234"})
        ExpectScan(bcCode128C, value, std::string("0") + value);
}

TEST(Code128, DeparturesReadAsTheBarsCarryThem) {
    // Set A letters and unencodable bytes become spaces; bad set C pairs become "00".
    ExpectScan(bcCode128A, "ab", "  ");
    ExpectScan(bcCode128A, "A\x01z", "A  ");
    ExpectScan(bcCode128B, "x\xE9y", "x y");
    ExpectScan(bcCode128C, "12AB34", "120034");
    // After CODE C a reader takes the set B symbols "1" (17) and "2" (18) as digit pairs.
    ExpectScan(bcCode128B,
               "\xC7"
               "12",
               "1718");
}

TEST(EAN128, ScansBackAsGS1) {
    struct Case {
        TBarType Type;
        const char* Value;
        TCheckSum CheckSum;
        const char* Content;
    };
    const Case cases[] = {
        {bcCodeEAN128C, "0112345678901231", csNone, "0112345678901231"},
        {bcCodeEAN128C, "0123", csModulo10, "001236"},
        {bcCodeEAN128C, "123456789", csNone, "0123456789"},
        {bcCodeEAN128B, "10ABC-123", csNone, "10ABC-123"},
        {bcCodeEAN128B, "12345", csModulo10, "123457"},
        {bcCodeEAN128A, "21QUILL", csNone, "21QUILL"},
    };
    for (const Case& c : cases) {
        const auto scan = testing::EncodeAndScan(c.Type, c.Value, 2, 2.0, c.CheckSum);
        ASSERT_TRUE(scan) << c.Value;
        EXPECT_EQ(scan->Format, "Code128");
        EXPECT_EQ(scan->SymbologyId, "]C1") << c.Value;
        EXPECT_EQ(scan->Text, c.Content) << c.Value;
    }
    // Plain Code 128 is not GS1.
    const auto plain = testing::EncodeAndScan(bcCode128C, "0112345678901231");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->SymbologyId, "]C0");
}

TEST(EAN128, FNC1InsideValueIsAFieldSeparator) {
    const auto scan = testing::EncodeAndScan(bcCodeEAN128B, "10AB\xCA"
                                                            "2112");
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->SymbologyId, "]C1");
    EXPECT_EQ(scan->Text, "10AB\x1D"
                          "2112");
}

// What the bars of an arbitrary value must carry, worked out from the published sets.
std::vector<int> ExpectedValues(TBarType Type, std::string Value) {
    std::vector<int> values;
    if (Type == bcCodeEAN128A || Type == bcCodeEAN128B || Type == bcCodeEAN128C)
        values.push_back(102);
    if (Type == bcCode128C || Type == bcCodeEAN128C) {
        if (Value.size() % 2 != 0)
            Value = "0" + Value;
        for (std::size_t i = 0; i < Value.size(); i += 2) {
            const std::string pair = Value.substr(i, 2);
            const bool digits = std::isdigit(static_cast<unsigned char>(pair[0])) &&
                                std::isdigit(static_cast<unsigned char>(pair[1]));
            values.push_back(digits         ? (pair[0] - '0') * 10 + (pair[1] - '0')
                             : pair == "CB" ? 100
                             : pair == "CA" ? 101
                             : pair == "F1" ? 102
                                            : 0);
        }
    } else {
        const bool setA = Type == bcCode128A || Type == bcCodeEAN128A;
        for (const char ch : Value)
            values.push_back(std::max(0, ExpectedCharValue(static_cast<unsigned char>(ch), setA)));
    }
    return values;
}

// Modulo-10 check digit (weights 3, 1 from the right), or nothing for a non-digit.
std::optional<char> Mod10(const std::string& Digits) {
    int sum = 0;
    for (std::size_t i = 0; i < Digits.size(); ++i) {
        const char ch = Digits[Digits.size() - 1 - i];
        if (ch < '0' || ch > '9')
            return std::nullopt;
        sum += (ch - '0') * (i % 2 == 0 ? 3 : 1);
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

TEST(Code128, ArbitraryBytesGiveTheSymbolsOfTheirSets) {
    std::mt19937 random(128);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 24);
    const std::string digitsAndPairs = "0123456789CBAF1";
    const TBarType types[] = {bcCode128A,    bcCode128B,    bcCode128C,
                              bcCodeEAN128A, bcCodeEAN128B, bcCodeEAN128C};
    for (int round = 0; round < 300; ++round) {
        std::string value(static_cast<std::size_t>(length(random)), ' ');
        for (char& ch : value)
            ch = round % 3 == 0 ? digitsAndPairs[byte(random) % digitsAndPairs.size()]
                                : static_cast<char>(byte(random));
        for (const TBarType type : types) {
            const TCheckSum mode = round % 2 == 0 ? csModulo10 : csNone;
            const bool ean = type >= bcCodeEAN128A;
            std::string carried = value;
            if (ean && mode == csModulo10) {
                const auto check = Mod10(value);
                if (!check) {
                    EXPECT_THROW(Encode(type, value, mode), EConvertError);
                    continue;
                }
                carried += *check;
            }
            const int start = type == bcCode128A || type == bcCodeEAN128A   ? 103
                              : type == bcCode128B || type == bcCodeEAN128B ? 104
                                                                            : 105;
            const Encoded out = Encode(type, value, mode);
            EXPECT_EQ(out.Widths, Symbol(start, ExpectedValues(type, carried)))
                << BarTypeName(type) << " round " << round;
        }
    }
}

} // namespace
} // namespace quillmark
