// EAN-8, EAN-13, UPC-A, UPC-E and the UPC add-ons against the ISO/IEC 15420 tables (typed
// here as module bits, independently of the engine's tables), the worked examples and
// zxing-cpp scanning the symbols back.
#include "encoders.h"
#include "scan.h"
#include <quillmark/ean_upc.h>
#include <quillmark/retail_look.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

namespace quillmark {
namespace {

// ISO/IEC 15420 number sets as modules, 1 dark: set A (odd), set B (even), set C (right).
const std::array<std::string, 10> SetA = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                          "0110001", "0101111", "0111011", "0110111", "0001011"};
const std::array<std::string, 10> SetB = {"0100111", "0110011", "0011011", "0100001", "0011101",
                                          "0111001", "0000101", "0010001", "0001001", "0010111"};
const std::array<std::string, 10> SetC = {"1110010", "1100110", "1101100", "1000010", "1011100",
                                          "1001110", "1010000", "1000100", "1001000", "1110100"};

// EAN-13 left-half sets by leading digit.
const std::array<std::string, 10> Ean13Sets = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                               "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// UPC-E sets by check digit, number systems 0 and 1.
const std::array<std::string, 10> UpcE0Sets = {"BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
                                               "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB"};
const std::array<std::string, 10> UpcE1Sets = {"AAABBB", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                               "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// Five-digit add-on sets by its check digit; two-digit add-on sets by value mod 4.
const std::array<std::string, 10> Supp5Sets = {"BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA",
                                               "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB"};
const std::array<std::string, 4> Supp2Sets = {"AA", "AB", "BA", "BB"};

int Digit(char Ch) {
    return Ch - '0';
}

std::string LeftDigit(char Set, char Ch) {
    return Set == 'B' ? SetB[Digit(Ch)] : SetA[Digit(Ch)];
}

// The standard symbols as module strings, from the digits drawn and the sets chosen.
std::string Ean13Modules(const std::string& D) {
    std::string out = "101";
    for (int k = 0; k < 6; ++k)
        out += LeftDigit(Ean13Sets[Digit(D[0])][k], D[k + 1]);
    out += "01010";
    for (int k = 7; k < 13; ++k)
        out += SetC[Digit(D[k])];
    return out + "101";
}

std::string Ean8Modules(const std::string& D) {
    std::string out = "101";
    for (int k = 0; k < 4; ++k)
        out += SetA[Digit(D[k])];
    out += "01010";
    for (int k = 4; k < 8; ++k)
        out += SetC[Digit(D[k])];
    return out + "101";
}

// UPC-A is an EAN-13 with leading digit 0.
std::string UpcAModules(const std::string& D) {
    return Ean13Modules("0" + D);
}

std::string UpcEModules(const std::string& D, const std::string& Sets) {
    std::string out = "101";
    for (int k = 0; k < 6; ++k)
        out += LeftDigit(Sets[k], D[k]);
    return out + "010101";
}

std::string AddOnModules(const std::string& D, const std::string& Sets) {
    std::string out = "1011";
    for (std::size_t k = 0; k < Sets.size(); ++k)
        out += (k > 0 ? "01" : "") + LeftDigit(Sets[k], D[k]);
    return out;
}

// A pattern as modules, reading the width classes as 1..4 modules (their ratio 2.0 sizes).
std::string ToModules(const std::string& Pattern) {
    std::string out;
    for (const char ch : Pattern) {
        if (ch >= '0' && ch <= '3')
            out += std::string(static_cast<std::size_t>(ch - '0' + 1), '0');
        else if (ch >= '5' && ch <= '8')
            out += std::string(static_cast<std::size_t>(ch - '5' + 1), '1');
        else
            ADD_FAILURE() << "unexpected pattern character " << ch;
    }
    return out;
}

struct Encoded {
    std::string Modules;
    std::string Pattern;
    std::string Text;
};

const std::string PriorText = "prior text";

Encoded Encode(TBarType Type, const std::string& Value, TCheckSum CheckSum = csNone) {
    double ratio = 2.0;
    Encoded out;
    out.Text = PriorText;
    MakeModules(Type, Value, 1, ratio, CheckSum, out.Text, out.Pattern);
    out.Modules = ToModules(out.Pattern);
    return out;
}

// The standard's five-digit add-on check: 3 x odd positions + 9 x even ones, mod 10.
int Supp5Check(const std::string& D) {
    return (3 * (Digit(D[0]) + Digit(D[2]) + Digit(D[4])) + 9 * (Digit(D[1]) + Digit(D[3]))) % 10;
}

// The standard's EAN/UPC check digit of a digit string (weights 3, 1 from the right).
char StandardCheck(const std::string& D) {
    int sum = 0;
    for (std::size_t i = 0; i < D.size(); ++i)
        sum += Digit(D[D.size() - 1 - i]) * (i % 2 == 0 ? 3 : 1);
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

TEST(EanUpcTables, EveryDigitInEverySetAndEveryEan13ParityRow) {
    for (int lead = 0; lead < 10; ++lead) {
        for (int d = 0; d < 10; ++d) {
            const std::string digits = std::to_string(lead) + std::string(12, char('0' + d));
            EXPECT_EQ(Encode(bcCodeEAN13, digits).Modules, Ean13Modules(digits)) << digits;
        }
    }
}

TEST(EanUpcTables, Ean8AndUpcAHalves) {
    for (const char* digits : {"01234567", "89012345", "55123457", "99999999"})
        EXPECT_EQ(Encode(bcCodeEAN8, digits).Modules, Ean8Modules(digits)) << digits;
    for (const char* digits : {"012345678905", "678901234565", "036000291452"})
        EXPECT_EQ(Encode(bcCodeUPC_A, digits).Modules, UpcAModules(digits)) << digits;
}

TEST(EanUpcTables, UpcEParityOfBothNumberSystemsByCheckDigit) {
    for (int check = 0; check < 10; ++check) {
        for (const char* data : {"123456", "907856", "000000"}) {
            const std::string digits = data + std::to_string(check);
            EXPECT_EQ(Encode(bcCodeUPC_E0, digits).Modules, UpcEModules(digits, UpcE0Sets[check]))
                << digits;
            EXPECT_EQ(Encode(bcCodeUPC_E1, digits).Modules, UpcEModules(digits, UpcE1Sets[check]))
                << digits;
        }
    }
}

TEST(EanUpcTables, FiveDigitAddOnParityByItsCheckDigit) {
    // 0000x has check digit 3x mod 10, so these ten values reach every parity row.
    for (const char* value : {"00000", "00001", "00002", "00003", "00004", "00005", "00006",
                              "00007", "00008", "00009", "12345", "90210", "54321", "99999"}) {
        const int check = Supp5Check(value);
        EXPECT_EQ(Encode(bcCodeUPC_Supp5, value).Modules, AddOnModules(value, Supp5Sets[check]))
            << value;
        EXPECT_EQ(Encode(bcCodeUPC_Supp5, value, csModulo10).Text, value + std::to_string(check));
    }
}

TEST(EanUpcTables, TwoDigitAddOnParityByValueModulo4) {
    for (int n = 0; n < 100; ++n) {
        const std::string value = (n < 10 ? "0" : "") + std::to_string(n);
        EXPECT_EQ(Encode(bcCodeUPC_Supp2, value).Modules, AddOnModules(value, Supp2Sets[n % 4]))
            << value;
    }
}

TEST(EanUpcPatterns, FixedLengthsWhateverTheValuesLength) {
    struct Case {
        TBarType Type;
        std::size_t Characters;
        std::size_t Modules;
    };
    const Case cases[] = {{bcCodeEAN8, 43, 67},     {bcCodeEAN13, 59, 95},
                          {bcCodeUPC_A, 59, 95},    {bcCodeUPC_E0, 33, 51},
                          {bcCodeUPC_E1, 33, 51},   {bcCodeUPC_Supp5, 31, 47},
                          {bcCodeUPC_Supp2, 13, 20}};
    const std::string source = "8675309142857314159265358979323846";
    for (const Case& c : cases) {
        for (std::size_t length : {0, 1, 2, 5, 6, 7, 8, 11, 12, 13, 14, 20, 34, 300}) {
            std::string value;
            for (std::size_t i = 0; i < length; ++i)
                value += source[i % source.size()];
            // The two-digit add-on reads its whole value as a number: keep it in range.
            if (c.Type == bcCodeUPC_Supp2 && length > 3)
                value = std::string(length - 3, '0') + value.substr(0, 3);
            for (const TCheckSum mode : {csNone, csModulo10}) {
                const Encoded e = Encode(c.Type, value, mode);
                EXPECT_EQ(e.Pattern.size(), c.Characters) << BarTypeName(c.Type) << " " << length;
                EXPECT_EQ(e.Modules.size(), c.Modules) << BarTypeName(c.Type) << " " << length;
            }
        }
    }
}

TEST(EanUpcPatterns, EmptyValueEncodesZeros) {
    EXPECT_EQ(Encode(bcCodeEAN8, "").Modules, Ean8Modules("00000000"));
    EXPECT_EQ(Encode(bcCodeEAN13, "").Modules, Ean13Modules("0000000000000"));
    EXPECT_EQ(Encode(bcCodeUPC_A, "").Modules, UpcAModules("000000000000"));
    EXPECT_EQ(Encode(bcCodeUPC_E0, "").Modules, UpcEModules("000000", UpcE0Sets[0]));
    EXPECT_EQ(Encode(bcCodeUPC_Supp5, "").Modules, AddOnModules("00000", "BBAAA"));
    EXPECT_EQ(Encode(bcCodeUPC_Supp5, "", csModulo10).Text, "000000");
    EXPECT_EQ(Encode(bcCodeUPC_Supp2, "").Modules, AddOnModules("00", "AA"));
    EXPECT_EQ(Encode(bcCodeUPC_Supp2, "", csModulo10).Text, "000");
}

TEST(EanUpcPatterns, GuardsAreFullBarsAndLiteral) {
    const std::string ean = Encode(bcCodeEAN13, "4006381333931").Pattern;
    EXPECT_EQ(ean.substr(0, 3), "505");
    EXPECT_EQ(ean.substr(27, 5), "05050");
    EXPECT_EQ(ean.substr(56), "505");
    const std::string upce = Encode(bcCodeUPC_E0, "1234565").Pattern;
    EXPECT_EQ(upce.substr(0, 3), "505");
    EXPECT_EQ(upce.substr(27), "050505");
    EXPECT_EQ(Encode(bcCodeUPC_Supp5, "12345").Pattern.substr(0, 3), "506");
    EXPECT_EQ(Encode(bcCodeUPC_Supp2, "12").Pattern.substr(0, 3), "506");
}

TEST(Ean8, CheckDigitTakesTheLastSevenDigitsAndTextStays) {
    EXPECT_EQ(Encode(bcCodeEAN8, "5512345", csModulo10).Modules, Ean8Modules("55123457"));
    EXPECT_EQ(Encode(bcCodeEAN8, "55123457", csModulo10).Modules, Ean8Modules("51234577"));
    EXPECT_EQ(Encode(bcCodeEAN8, "123", csModulo10).Modules, Ean8Modules("00001236"));
    EXPECT_EQ(Encode(bcCodeEAN8, "55123457").Modules, Ean8Modules("55123457"));
    EXPECT_EQ(Encode(bcCodeEAN8, "551234579").Modules, Ean8Modules("55123457"));
    EXPECT_EQ(Encode(bcCodeEAN8, "123").Modules, Ean8Modules("00000123"));
    for (const TCheckSum mode : {csNone, csModulo10})
        EXPECT_EQ(Encode(bcCodeEAN8, "5512345", mode).Text, PriorText);
}

TEST(Ean13, CheckDigitAndParityOfTheLeadingDigit) {
    const Encoded e = Encode(bcCodeEAN13, "400638133393", csModulo10);
    EXPECT_EQ(e.Modules, Ean13Modules("4006381333931"));
    EXPECT_EQ(Ean13Sets[4], "ABAABB");
    EXPECT_EQ(e.Text, PriorText);
    // Thirteen digits are drawn as given: nothing is verified or replaced.
    EXPECT_EQ(Encode(bcCodeEAN13, "4006381333931", csModulo10).Modules,
              Ean13Modules("4006381333931"));
    EXPECT_EQ(Encode(bcCodeEAN13, "4006381333930", csModulo10).Modules,
              Ean13Modules("4006381333930"));
    EXPECT_EQ(Encode(bcCodeEAN13, "40063813339317", csModulo10).Modules,
              Ean13Modules("4006381333931"));
    EXPECT_EQ(Encode(bcCodeEAN13, "123456789").Modules, Ean13Modules("0000123456789"));
    EXPECT_EQ(Encode(bcCodeEAN13, "123456789", csModulo10).Modules, Ean13Modules("0001234567895"));
    EXPECT_EQ(Encode(bcCodeEAN13, "123456789", csNone).Text, PriorText);
}

TEST(UpcA, PaddingComesBeforeTheCheckDigit) {
    struct Case {
        const char* Value;
        const char* Drawn;
    };
    for (const Case& c : {Case{"036000291450", "036000291452"}, Case{"03600029145", "003600029143"},
                          Case{"", "000000000000"}, Case{"0360002914529", "036000291452"}}) {
        const Encoded e = Encode(bcCodeUPC_A, c.Value, csModulo10);
        EXPECT_EQ(e.Modules, UpcAModules(c.Drawn)) << c.Value;
        EXPECT_EQ(e.Text, c.Drawn) << c.Value;
    }
    const Encoded plain = Encode(bcCodeUPC_A, "03600029145");
    EXPECT_EQ(plain.Modules, UpcAModules("003600029145"));
    EXPECT_EQ(plain.Text, PriorText);
}

TEST(UpcE, ParityRowFollowsTheSeventhDigit) {
    for (const TCheckSum mode : {csNone, csModulo10}) {
        const Encoded e0 = Encode(bcCodeUPC_E0, "1234565", mode);
        const Encoded e1 = Encode(bcCodeUPC_E1, "1234565", mode);
        EXPECT_EQ(e0.Modules, UpcEModules("1234565", "BAABBA"));
        EXPECT_EQ(e1.Modules, UpcEModules("1234565", "ABBAAB"));
        const std::string expectedText = mode == csModulo10 ? "1234565" : PriorText;
        EXPECT_EQ(e0.Text, expectedText);
        EXPECT_EQ(e1.Text, expectedText);
    }
    // Six digits gain a leading zero and lose their last to the check digit.
    const Encoded e = Encode(bcCodeUPC_E0, "123456", csModulo10);
    EXPECT_EQ(e.Text, "0123457");
    EXPECT_EQ(e.Modules, UpcEModules("012345", UpcE0Sets[7]));
    // Under csNone the seventh digit is the check digit as given.
    EXPECT_EQ(Encode(bcCodeUPC_E0, "123456").Modules, UpcEModules("012345", UpcE0Sets[6]));
    EXPECT_EQ(Encode(bcCodeUPC_E0, "12345609").Modules, UpcEModules("123456", UpcE0Sets[0]));
}

TEST(UpcSupp5, CheckDigitChoosesParityUnderBothModes) {
    const Encoded checked = Encode(bcCodeUPC_Supp5, "12345", csModulo10);
    const Encoded plain = Encode(bcCodeUPC_Supp5, "12345", csNone);
    EXPECT_EQ(checked.Modules, AddOnModules("12345", "BABAA"));
    EXPECT_EQ(plain.Modules, checked.Modules);
    EXPECT_EQ(checked.Text, "123451");
    EXPECT_EQ(plain.Text, PriorText);
    // Longer values draw their first five digits.
    EXPECT_EQ(Encode(bcCodeUPC_Supp5, "1234567").Modules, checked.Modules);
    EXPECT_EQ(Encode(bcCodeUPC_Supp5, "1234567", csModulo10).Text, "123451");
    EXPECT_EQ(Encode(bcCodeUPC_Supp5, "42", csModulo10).Text, "000422");
}

TEST(UpcSupp2, ParityFromTheWholeNumberAndCheckOnlyInText) {
    struct Case {
        const char* Value;
        const char* Drawn;
        const char* Sets;
        const char* Text;
    };
    const Case cases[] = {
        {"12", "12", "AA", "125"},        {"7", "07", "BB", "071"},
        {"123", "12", "BB", "1230"},      {"2147483647", "21", "BB", "214742"},
        {"99", "99", "BB", "998"},        {"0000000000002147483647", "00", "BB", "000000"},
        {"1234567", "12", "BB", "123451"}};
    for (const Case& c : cases) {
        const Encoded checked = Encode(bcCodeUPC_Supp2, c.Value, csModulo10);
        const Encoded plain = Encode(bcCodeUPC_Supp2, c.Value, csNone);
        EXPECT_EQ(checked.Modules, AddOnModules(c.Drawn, c.Sets)) << c.Value;
        EXPECT_EQ(plain.Modules, checked.Modules) << c.Value;
        EXPECT_EQ(checked.Text, c.Text) << c.Value;
        EXPECT_EQ(plain.Text, PriorText) << c.Value;
    }
}

TEST(UpcSupp2, ValueBeyondInt32RaisesAndLeavesOutputs) {
    const std::string huge = "9" + std::string(5000, '7');
    for (const std::string& value : {std::string("2147483648"), std::string("99999999999"),
                                     std::string("0002147483648"), huge}) {
        for (const TCheckSum mode : {csNone, csModulo10}) {
            double ratio = 2.0;
            std::string text = PriorText;
            std::string pattern = "unchanged";
            try {
                MakeModules(bcCodeUPC_Supp2, value, 1, ratio, mode, text, pattern);
                ADD_FAILURE() << value;
            } catch (const EConvertError& e) {
                EXPECT_EQ(std::string(e.what()), "'" + value + "' is not a valid integer value");
            }
            EXPECT_EQ(text, PriorText);
            EXPECT_EQ(pattern, "unchanged");
        }
    }
}

TEST(SetSupplementCheck, DropsTheLastDigitAndAppendsTheUnitsOfTheWeightedSum) {
    EXPECT_EQ(SetSupplementCheck("123450"), "123451");
    EXPECT_EQ(SetSupplementCheck("123459"), "123451");
    EXPECT_EQ(SetSupplementCheck("120"), "125");
    EXPECT_EQ(SetSupplementCheck("0"), "0");
    EXPECT_EQ(SetSupplementCheck(""), "0");
    EXPECT_EQ(SetSupplementCheck("10"), "13");
    EXPECT_EQ(SetSupplementCheck("100"), "109");
    for (const char* five : {"00000", "54321", "90210", "24680", "13579"})
        EXPECT_EQ(SetSupplementCheck(std::string(five) + "0"),
                  five + std::to_string(Supp5Check(five)));
}

TEST(EanUpcDirectCalls, NonDigitsRaiseTheConversionErrorAndLeaveOutputs) {
    using Encoder = void (*)(const std::string&, TCheckSum, std::string&, std::string&);
    const Encoder encoders[] = {EncodeCodeUPC_A, EncodeCodeUPC_E0, EncodeCodeUPC_E1,
                                EncodeCodeUPC_Supp2, EncodeCodeUPC_Supp5};
    for (const Encoder encode : encoders) {
        for (const char* value : {"a12",
                                  "\xff"
                                  "123456789012",
                                  " 12345", "-1"}) {
            for (const TCheckSum mode : {csNone, csModulo10}) {
                std::string text = PriorText;
                std::string pattern = "unchanged";
                EXPECT_THROW(encode(value, mode, text, pattern), EConvertError) << value;
                EXPECT_EQ(text, PriorText);
                EXPECT_EQ(pattern, "unchanged");
            }
        }
    }
    for (const TCheckSum mode : {csNone, csModulo10}) {
        std::string pattern = "unchanged";
        EXPECT_THROW(EncodeCodeEAN8("1234567:", mode, pattern), EConvertError);
        EXPECT_THROW(EncodeCodeEAN13("/", mode, pattern), EConvertError);
        EXPECT_EQ(pattern, "unchanged");
    }
    EXPECT_THROW(SetSupplementCheck("1x0"), EConvertError);
}

TEST(EanUpcScan, Ean13Ean8AndUpcAReadBack) {
    struct Case {
        TBarType Type;
        const char* Number;
        const char* Format;
    };
    const Case cases[] = {
        {bcCodeEAN13, "4006381333931", "EAN-13"}, {bcCodeEAN13, "5901234123457", "EAN-13"},
        {bcCodeEAN13, "9780306406157", "EAN-13"}, {bcCodeEAN8, "55123457", "EAN-8"},
        {bcCodeEAN8, "96385074", "EAN-8"},        {bcCodeEAN8, "40123455", "EAN-8"},
        {bcCodeUPC_A, "036000291452", "UPC-A"},   {bcCodeUPC_A, "725272730706", "UPC-A"},
        {bcCodeUPC_A, "012345678905", "UPC-A"},
    };
    for (const Case& c : cases) {
        const std::string number = c.Number;
        ASSERT_EQ(StandardCheck(number.substr(0, number.size() - 1)), number.back()) << number;
        for (const int modul : {1, 2, 3}) {
            // As typed, and with the check digit left to the encoder. UPC-A pads before it
            // truncates, so its check digit is computed over a value typed in full.
            const std::string unchecked = c.Type == bcCodeUPC_A
                                              ? number.substr(0, 11) + "9"
                                              : number.substr(0, number.size() - 1);
            const auto plain = testing::EncodeAndScan(c.Type, number, modul, 2.0, csNone);
            const auto computed = testing::EncodeAndScan(c.Type, unchecked, modul, 2.0, csModulo10);
            for (const auto& scan : {plain, computed}) {
                ASSERT_TRUE(scan) << number << " modul " << modul;
                EXPECT_EQ(scan->Format, c.Format);
                EXPECT_EQ(scan->Text, number);
            }
        }
    }
}

TEST(EanUpcScan, UpcAElevenDigitsGainALeadingZeroAndLoseTheLast) {
    const auto scan = testing::EncodeAndScan(bcCodeUPC_A, "03600029145", 2, 2.0, csModulo10);
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->Format, "UPC-A");
    EXPECT_EQ(scan->Text, "003600029143");
}

TEST(EanUpcScan, UpcEReadsWithTheNumberSystemOfItsType) {
    // The value carries no number-system digit; the type adds it through the parity.
    struct Case {
        TBarType Type;
        const char* Value;
        const char* Read;
    };
    const Case cases[] = {{bcCodeUPC_E0, "1234565", "01234565"},
                          {bcCodeUPC_E1, "1234562", "11234562"},
                          {bcCodeUPC_E0, "6543217", "06543217"},
                          {bcCodeUPC_E0, "4252614", "04252614"}};
    for (const Case& c : cases) {
        for (const int modul : {1, 2, 3}) {
            const auto scan = testing::EncodeAndScan(c.Type, c.Value, modul, 2.0, csNone);
            ASSERT_TRUE(scan) << c.Value << " modul " << modul;
            EXPECT_EQ(scan->Format, "UPC-E");
            EXPECT_EQ(scan->Text, c.Read);
        }
    }
}

TEST(EanUpcScan, UpcECheckDigitComesFromTheSixDigitsNotTheUpcAForm) {
    // For 123450 the standard (expanded 01200000345) check digit is 5, the system's 3, so
    // the symbol drawn under csModulo10 is not a valid UPC-E; as typed it is.
    std::string text;
    std::string pattern;
    double ratio = 2.0;
    MakeModules(bcCodeUPC_E0, "1234500", 2, ratio, csModulo10, text, pattern);
    EXPECT_EQ(text, "1234503");
    EXPECT_FALSE(testing::Scan(testing::RasterisePattern(pattern)));
    const auto standard = testing::EncodeAndScan(bcCodeUPC_E0, "1234505", 2, 2.0, csNone);
    ASSERT_TRUE(standard);
    EXPECT_EQ(standard->Text, "01234505");
}

// A main symbol, a nine-module gap and an add-on, all drawn at Modul 2.
testing::Raster WithAddOn(const std::string& Main, TBarType AddOnType, const std::string& AddOn) {
    double ratio = 2.0;
    std::string text;
    std::string mainPattern;
    std::string addOnPattern;
    MakeModules(bcCodeEAN13, Main, 2, ratio, csNone, text, mainPattern);
    MakeModules(AddOnType, AddOn, 2, ratio, csNone, text, addOnPattern);
    return testing::RasterisePattern(mainPattern + "330" + addOnPattern);
}

TEST(EanUpcScan, AddOnsAreDrawnAloneButReadBehindAMainSymbol) {
    for (const TBarType type : {bcCodeUPC_Supp2, bcCodeUPC_Supp5})
        EXPECT_FALSE(testing::EncodeAndScan(type, "12345", 2)) << BarTypeName(type);
    for (const char* value : {"12345", "90210", "00000", "54321"}) {
        const auto scan =
            testing::ScanWithEanAddOn(WithAddOn("4006381333931", bcCodeUPC_Supp5, value));
        ASSERT_TRUE(scan) << value;
        EXPECT_EQ(scan->Text, std::string("4006381333931 ") + value);
    }
    for (const char* value : {"00", "12", "07", "99", "53"}) {
        const auto scan =
            testing::ScanWithEanAddOn(WithAddOn("4006381333931", bcCodeUPC_Supp2, value));
        ASSERT_TRUE(scan) << value;
        EXPECT_EQ(scan->Text, std::string("4006381333931 ") + value);
    }
    // 123 draws 1 and 2 with the parity of 123 (mod 4 = 3), which no reader takes for 12.
    EXPECT_FALSE(testing::ScanWithEanAddOn(WithAddOn("4006381333931", bcCodeUPC_Supp2, "123")));
}

TEST(AddOnSplit, OnlyTheFourTypesWithTwoOrFiveDigitsAfterOneSeparator) {
    const std::pair<TBarType, const char*> none[] = {{bcCodeEAN13, "9780306406157+123"},
                                                     {bcCodeEAN13, "9780306406157++12"},
                                                     {bcCodeEAN13, "+12"},
                                                     {bcCodeEAN13, "9780306406157-12"},
                                                     {bcCode39, "12345+67"},
                                                     {bcCodeUPC_Supp5, "12345+67"}};
    for (const auto& [type, value] : none)
        EXPECT_FALSE(SplitAddOn(type, value)) << value;
    const std::optional<TAddOnSplit> split = SplitAddOn(bcCodeUPC_A, "036000291452 12");
    ASSERT_TRUE(split);
    EXPECT_EQ(split->Main + "|" + split->AddOn, "036000291452|12");
    // Anything else as before: refused by the digit-only types, drawn by the others.
    EXPECT_THROW(Encode(bcCodeEAN13, "9780306406157+123"), Exception);
    EXPECT_EQ(testing::EncodeAndScan(bcCode39, "12345+67").value_or(testing::ScanResult{}).Text,
              "12345+67");
}

TEST(AddOnComposed, MainSymbolNineModulesOfSpaceThenTheAddOn) {
    const struct {
        TBarType Type;
        const char* Main;
        std::string Modules; // the main symbol's, as the standard draws it
        const char* Read;    // as zxing-cpp gives it
    } cases[] = {{bcCodeEAN13, "9780306406157", Ean13Modules("9780306406157"), "9780306406157"},
                 {bcCodeEAN8, "96385074", Ean8Modules("96385074"), "96385074"},
                 {bcCodeUPC_A, "036000291452", UpcAModules("036000291452"), "036000291452"},
                 {bcCodeUPC_E0, "1234565", UpcEModules("1234565", UpcE0Sets[5]), "01234565"},
                 {bcCodeUPC_E1, "1234562", UpcEModules("1234562", UpcE1Sets[2]), "11234562"}};
    for (const auto& c : cases)
        for (const std::string addOn : {"07", "53", "51299", "90210"})
            for (const char* separator : {"+", " "}) {
                const std::string value = c.Main + (separator + addOn);
                const std::string sets =
                    addOn.size() == 2 ? Supp2Sets[static_cast<std::size_t>(std::stoi(addOn) % 4)]
                                      : Supp5Sets[static_cast<std::size_t>(Supp5Check(addOn))];
                const Encoded composed = Encode(c.Type, value);
                EXPECT_EQ(composed.Modules,
                          c.Modules + std::string(9, '0') + AddOnModules(addOn, sets))
                    << value;
                const auto scan =
                    testing::ScanWithEanAddOn(testing::RasterisePattern(composed.Pattern, 60, 40));
                ASSERT_TRUE(scan) << value;
                EXPECT_EQ(scan->Text, c.Read + (" " + addOn));
                EXPECT_EQ(Carried(c.Type, value, csNone).Data, scan->Text);
            }
}

TEST(AddOnComposed, LookPutsTheAddOnDigitsAboveItsElements) {
    // After the main symbol's elements (59, 43, 33) and the gap's nine.
    const std::tuple<TBarType, const char*, int, int> cases[] = {
        {bcCodeEAN13, "9780306406157+51299", 68, 99},
        {bcCodeEAN8, "96385074 12", 52, 65},
        {bcCodeUPC_A, "036000291452 12", 68, 81},
        {bcCodeUPC_E0, "1234565+51299", 42, 73}};
    for (const auto& [type, value, first, end] : cases) {
        const std::string main(value, std::strcspn(value, "+ "));
        const std::optional<TRetailLook> look = RetailLook(type, value, csNone);
        const std::optional<TRetailLook> alone = RetailLook(type, main, csNone);
        ASSERT_TRUE(look && alone && !alone->AddOnElements);
        EXPECT_EQ(look->AddOnElements, std::pair(first, end)) << value;
        EXPECT_EQ(look->LongElements, alone->LongElements);
        ASSERT_EQ(look->Groups.size(), alone->Groups.size() + 1);
        const TDigitGroup& addOn = look->Groups.back();
        EXPECT_EQ(addOn.Digits, value + main.size() + 1);
        EXPECT_EQ(std::tuple(addOn.FirstElement, addOn.EndElement, addOn.Place),
                  std::tuple(first, end, TDigitPlace::Above));
        EXPECT_EQ(static_cast<int>(Encode(type, value).Pattern.size()), end) << value;
        for (const TDigitGroup& group : look->Groups) // a check digit stands in the gap
            EXPECT_TRUE(group.Place != TDigitPlace::After || group.EndElement == first - 9);
    }
}

} // namespace
} // namespace quillmark
