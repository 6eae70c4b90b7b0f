// Two-of-five family, MSI, PostNet and Codabar against the published tables and examples.
#include "encode.h"
#include "encoders.h"
#include "scan.h"

#include <gtest/gtest.h>

#include <map>

namespace quillmark {
namespace {

using testing::Encode;

// The standard two-of-five rows as N/W strings, typed from the symbology's published table.
const std::map<char, std::string> TwoOfFiveRows = {
    {'0', "NNWWN"}, {'1', "WNNNW"}, {'2', "NWNNW"}, {'3', "WWNNN"}, {'4', "NNWNW"},
    {'5', "WNWNN"}, {'6', "NWWNN"}, {'7', "NNNWW"}, {'8', "WNNWN"}, {'9', "NWNWN"},
};

TEST(TwoOfFive, PublishedExamples) {
    struct Case {
        TBarType Type;
        const char* Value;
        const char* Pattern;
    };
    const Case cases[] = {
        {bcCode_2_5_interleaved, "12", "50506051505061605"},
        {bcCode_2_5_interleaved, "123", "50506051505061605"},
        {bcCode_2_5_interleaved, "", "5050605"},
        {bcCode_2_5_interleaved, "7", "5050605"},
        {bcCode_2_5_industrial, "1", "6060506050505060605060"},
        {bcCode_2_5_industrial, "", "606050605060"},
        {bcCode_2_5_matrix, "1", "70505060506070505"},
        {bcCode_2_5_matrix, "", "70505070505"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Encode(c.Type, c.Value), c.Pattern) << BarTypeName(c.Type) << " " << c.Value;
}

TEST(TwoOfFive, IndustrialCarriesEachDigitRowInItsBars) {
    const std::string pattern = Encode(bcCode_2_5_industrial, "0123456789");
    for (int d = 0; d < 10; ++d) {
        std::string row;
        for (int j = 0; j < 5; ++j) {
            const char bar = pattern[6 + d * 10 + j * 2];
            EXPECT_EQ(pattern[6 + d * 10 + j * 2 + 1], '0'); // every space narrow
            row += bar == '6' ? 'W' : 'N';
        }
        EXPECT_EQ(row, TwoOfFiveRows.at(static_cast<char>('0' + d))) << d;
    }
}

TEST(TwoOfFive, MatrixCarriesEachDigitRowInBarsAndSpaces) {
    const std::string pattern = Encode(bcCode_2_5_matrix, "0123456789");
    for (int d = 0; d < 10; ++d) {
        const std::string element = pattern.substr(6 + d * 6, 6);
        std::string row;
        for (int j = 0; j < 5; ++j)
            row += (element[j] == '6' || element[j] == '1') ? 'W' : 'N';
        EXPECT_EQ(row, TwoOfFiveRows.at(static_cast<char>('0' + d))) << d;
        EXPECT_EQ(element[5], '0');
    }
}

TEST(TwoOfFive, InterleavedAlternatesBarAndSpaceWithTwoWidePerDigit) {
    const std::string value = "01234567899876543210";
    const std::string pattern = Encode(bcCode_2_5_interleaved, value);
    ASSERT_EQ(pattern.size(), 4 + value.size() * 5 + 3);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool bar = pattern[i] >= '5';
        EXPECT_EQ(bar, i % 2 == 0) << i;
    }
    for (std::size_t k = 0; k < value.size(); k += 2) {
        std::string bars;
        std::string spaces;
        for (int j = 0; j < 5; ++j) {
            bars += pattern[4 + k * 5 + j * 2] == '6' ? 'W' : 'N';
            spaces += pattern[4 + k * 5 + j * 2 + 1] == '1' ? 'W' : 'N';
        }
        EXPECT_EQ(bars, TwoOfFiveRows.at(value[k]));
        EXPECT_EQ(spaces, TwoOfFiveRows.at(value[k + 1]));
    }
}

TEST(TwoOfFive, InterleavedScansBack) {
    for (const char* value : {"123456", "00000000", "9876543210", "12345678901234"}) {
        for (const int modul : {1, 2, 3}) {
            const auto scan = testing::EncodeAndScan(bcCode_2_5_interleaved, value, modul, 3.0);
            ASSERT_TRUE(scan) << value << " modul " << modul;
            EXPECT_EQ(scan->Format, "ITF");
            EXPECT_EQ(scan->Text, value);
        }
    }
}

TEST(MSI, PublishedExamples) {
    EXPECT_EQ(Encode(bcCodeMSI, "12"),
              std::string("60") + "51515160" + "51516051" + "51605160" + "515");
    EXPECT_EQ(Encode(bcCodeMSI, ""), std::string("60") + "51515151" + "515");
    EXPECT_EQ(Encode(bcCodeMSI, "12", csModulo10), Encode(bcCodeMSI, "12", csNone));
    std::string text;
    Encode(bcCodeMSI, "12", csModulo10, &text);
    EXPECT_EQ(text, "12");
}

// Digits written as four bits, most significant first: 0 -> narrow bar + wide space.
std::string MsiDigit(int d) {
    std::string out;
    for (int bit = 3; bit >= 0; --bit)
        out += ((d >> bit) & 1) ? "60" : "51";
    return out;
}

TEST(MSI, CheckDigits) {
    const std::map<std::string, int> cases = {{"123456789", 7}, {"1234", 4}, {"5", 9},
                                              {"0", 0},         {"12", 5},   {"", 0}};
    for (const auto& [value, check] : cases) {
        const std::string pattern = Encode(bcCodeMSI, value);
        std::string expected = "60";
        for (const char ch : value)
            expected += MsiDigit(ch - '0');
        expected += MsiDigit(check) + "515";
        EXPECT_EQ(pattern, expected) << value;
    }
}

TEST(PostNet, PublishedExamplesAndTable) {
    EXPECT_EQ(Encode(bcCodePostNet, "1"), "51A1A1A151515");
    EXPECT_EQ(Encode(bcCodePostNet, ""), "515");
    // POSTNET weights 7, 4, 2, 1, 0; two full bars among five.
    const char* rows[] = {"11000", "00011", "00101", "00110", "01001",
                          "01010", "01100", "10001", "10010", "10100"};
    const std::string pattern = Encode(bcCodePostNet, "0123456789");
    for (int d = 0; d < 10; ++d) {
        std::string bits;
        for (int j = 0; j < 5; ++j) {
            const char bar = pattern[2 + d * 10 + j * 2];
            EXPECT_EQ(pattern[2 + d * 10 + j * 2 + 1], '1');
            bits += bar == '5' ? '1' : '0';
            EXPECT_TRUE(bar == '5' || bar == 'A');
        }
        EXPECT_EQ(bits, rows[d]) << d;
    }
}

TEST(Codabar, PublishedExamples) {
    EXPECT_EQ(Encode(bcCodeCodabar, "1"), "50615150505061505151506");
    EXPECT_EQ(Encode(bcCodeCodabar, ""), std::string("5061515") + "0" + "5151506");
    EXPECT_EQ(Encode(bcCodeCodabar, "A1B").size(), 5u * 8u - 1u);
    EXPECT_EQ(FindCodabarChar('a'), -1);
    EXPECT_EQ(FindCodabarChar('1'), 0);
    EXPECT_EQ(FindCodabarChar('D'), 19);
}

TEST(Codabar, EveryCharacterMatchesPublishedTable) {
    // Codabar's published table, bar/space flags (1 wide) in element order.
    const std::map<char, std::string> table = {
        {'0', "0000011"}, {'1', "0000110"}, {'2', "0001001"}, {'3', "1100000"}, {'4', "0010010"},
        {'5', "1000010"}, {'6', "0100001"}, {'7', "0100100"}, {'8', "0110000"}, {'9', "1001000"},
        {'-', "0001100"}, {'$', "0011000"}, {':', "1000101"}, {'/', "1010001"}, {'.', "1010100"},
        {'+', "0010101"}, {'A', "0011010"}, {'B', "0101001"}, {'C', "0001011"}, {'D', "0001110"},
    };
    for (const auto& [ch, flags] : table) {
        const std::string pattern = Encode(bcCodeCodabar, std::string(1, ch));
        const std::string element = pattern.substr(8, 7);
        std::string got;
        for (std::size_t i = 0; i < element.size(); ++i) {
            EXPECT_EQ(element[i] >= '5', i % 2 == 0);
            got += (element[i] == '6' || element[i] == '1') ? '1' : '0';
        }
        EXPECT_EQ(got, flags) << ch;
    }
}

TEST(Codabar, ScansBackWithAStartAndBStop) {
    for (const char* value : {"123456", "31117013206375", "-$:/.+", "40156"}) {
        const auto scan = testing::EncodeAndScan(bcCodeCodabar, value, 2, 3.0);
        ASSERT_TRUE(scan) << value;
        EXPECT_EQ(scan->Format, "Codabar");
        EXPECT_EQ(scan->Text, value);
    }
}

TEST(Codabar, CharacterOutsideTableRaises) {
    for (const char* value : {"abc", "1 2", "12\xC8", "*"}) {
        try {
            Encode(bcCodeCodabar, value);
            FAIL() << value;
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), std::string(value) + " : Codabar bad data.");
        }
    }
}

TEST(DirectCalls, NonDigitsRaiseTheConversionErrorInsteadOfReadingPastTables) {
    using Encoder = void (*)(const std::string&, std::string&);
    for (const Encoder encode : {&EncodeCode_2_5_interleaved, &EncodeCode_2_5_industrial,
                                 &EncodeCode_2_5_matrix, &EncodeCodeMSI, &EncodeCodePostNet}) {
        std::string pattern = "kept";
        EXPECT_THROW(encode("1\xFF", pattern), EConvertError);
        EXPECT_EQ(pattern, "kept");
    }
}

TEST(TextOutput, UnchangedForTheseSymbologies) {
    for (const TBarType type : {bcCode_2_5_interleaved, bcCode_2_5_industrial, bcCode_2_5_matrix,
                                bcCodeMSI, bcCodePostNet}) {
        std::string text;
        Encode(type, "12", csModulo10, &text);
        EXPECT_EQ(text, "12") << BarTypeName(type);
    }
}

} // namespace
} // namespace quillmark
