// Code 39 and Code 93 with their full-ASCII forms, against the published tables, worked
// examples and zxing-cpp.
#include "encode.h"
#include "encoders.h"
#include "full_ascii_tables.h"
#include "scan.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string_view>

namespace quillmark {
namespace {

using testing::Encode;

// ISO/IEC 16388 character table: wide (W) and narrow (N) elements, bar first, and the
// modulo-43 check value. '*' is the start/stop character.
struct Code39Published {
    std::string_view Elements;
    int Value;
};
const std::map<char, Code39Published> Code39Iso = {
    {'0', {"NNNWWNWNN", 0}},  {'1', {"WNNWNNNNW", 1}},  {'2', {"NNWWNNNNW", 2}},
    {'3', {"WNWWNNNNN", 3}},  {'4', {"NNNWWNNNW", 4}},  {'5', {"WNNWWNNNN", 5}},
    {'6', {"NNWWWNNNN", 6}},  {'7', {"NNNWNNWNW", 7}},  {'8', {"WNNWNNWNN", 8}},
    {'9', {"NNWWNNWNN", 9}},  {'A', {"WNNNNWNNW", 10}}, {'B', {"NNWNNWNNW", 11}},
    {'C', {"WNWNNWNNN", 12}}, {'D', {"NNNNWWNNW", 13}}, {'E', {"WNNNWWNNN", 14}},
    {'F', {"NNWNWWNNN", 15}}, {'G', {"NNNNNWWNW", 16}}, {'H', {"WNNNNWWNN", 17}},
    {'I', {"NNWNNWWNN", 18}}, {'J', {"NNNNWWWNN", 19}}, {'K', {"WNNNNNNWW", 20}},
    {'L', {"NNWNNNNWW", 21}}, {'M', {"WNWNNNNWN", 22}}, {'N', {"NNNNWNNWW", 23}},
    {'O', {"WNNNWNNWN", 24}}, {'P', {"NNWNWNNWN", 25}}, {'Q', {"NNNNNNWWW", 26}},
    {'R', {"WNNNNNWWN", 27}}, {'S', {"NNWNNNWWN", 28}}, {'T', {"NNNNWNWWN", 29}},
    {'U', {"WWNNNNNNW", 30}}, {'V', {"NWWNNNNNW", 31}}, {'W', {"WWWNNNNNN", 32}},
    {'X', {"NWNNWNNNW", 33}}, {'Y', {"WWNNWNNNN", 34}}, {'Z', {"NWWNWNNNN", 35}},
    {'-', {"NWNNNNWNW", 36}}, {'.', {"WWNNNNWNN", 37}}, {' ', {"NWWNNNWNN", 38}},
    {'$', {"NWNWNWNNN", 39}}, {'/', {"NWNWNNNWN", 40}}, {'+', {"NWNNNWNWN", 41}},
    {'%', {"NNNWNWNWN", 42}}, {'*', {"NWNNWNWNN", 0}},
};
constexpr std::string_view Code39Order = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. *$/+%";

// The pattern of a Code 39 symbol made of Chars (start and stop included), built from the
// published table: characters joined by one narrow space.
std::string Code39Symbol(const std::string& Chars) {
    std::string pattern;
    for (const char ch : Chars) {
        if (!pattern.empty())
            pattern += '0';
        const std::string_view elements = Code39Iso.at(ch).Elements;
        for (std::size_t i = 0; i < elements.size(); ++i) {
            const bool wide = elements[i] == 'W';
            pattern += i % 2 == 0 ? (wide ? '6' : '5') : (wide ? '1' : '0');
        }
    }
    return pattern;
}

// The check character for a modulo-43 value: the data character that carries it.
char Code39CheckChar(int Sum) {
    for (const char ch : Code39Order)
        if (ch != '*' && Code39Iso.at(ch).Value == Sum % 43)
            return ch;
    return '?';
}

// Code 93 symbol character widths, indexed by value; 43..46 are the shifts ($) (%) (/) (+).
constexpr std::string_view Code93Published[47] = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114",
    "131211", "141111", "211113", "211212", "211311", "221112", "221211", "231111",
    "112113", "112212", "112311", "122112", "132111", "111123", "111222", "111321",
    "121122", "131121", "212112", "212211", "211122", "211221", "221121", "222111",
    "112122", "112221", "122121", "123111", "121131", "311112", "311211", "321111",
    "112131", "113121", "211131", "121221", "312111", "311121", "122211"};
constexpr std::string_view Code93Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%[]{}";

// Pattern characters back to width digits: bars '5'..'8', spaces '0'..'3'.
std::string PatternToWidths(const std::string& Pattern) {
    std::string widths;
    for (std::size_t i = 0; i < Pattern.size(); ++i) {
        const char ch = Pattern[i];
        EXPECT_NE(std::string_view(i % 2 == 0 ? "5678" : "0123").find(ch), std::string_view::npos)
            << "position " << i << " of " << Pattern;
        widths += static_cast<char>(ch >= '5' ? ch - 4 : ch + 1);
    }
    return widths;
}

// The published Code 93 checks: C weights 1..20 and K weights 1..15 counted from the
// right, K taking C as its first character.
std::pair<int, int> Code93Checks(const std::vector<int>& Values) {
    long long c = 0;
    long long k = 0;
    const std::size_t n = Values.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t fromRight = n - i;
        c += Values[i] * static_cast<long long>((fromRight - 1) % 20 + 1);
        k += Values[i] * static_cast<long long>(fromRight % 15 + 1);
    }
    const int cValue = static_cast<int>(c % 47);
    return {cValue, static_cast<int>((k + cValue) % 47)};
}

// Width string of a Code 93 symbol with the given data values and check values C and K.
std::string Code93Symbol(const std::vector<int>& Values, int C, int K) {
    std::string widths = "111141";
    for (const int v : Values)
        widths += Code93Published[v];
    widths += Code93Published[C];
    widths += Code93Published[K];
    return widths + "1111411";
}

std::vector<int> Code93Values(std::string_view Chars) {
    std::vector<int> values;
    for (const char ch : Chars)
        values.push_back(static_cast<int>(Code93Chars.find(ch)));
    return values;
}

TEST(Code39, EveryCharacterMatchesPublishedTable) {
    for (std::size_t row = 0; row < Code39Order.size(); ++row) {
        const char ch = Code39Order[row];
        EXPECT_EQ(FindCode39Char(ch), static_cast<int>(row)) << ch;
        EXPECT_EQ(Encode(bcCode39, std::string(1, ch)), Code39Symbol(std::string("*") + ch + "*"))
            << ch;
    }
}

TEST(Code39, CheckCharacterIsModulo43OfPublishedValues) {
    for (const auto& [ch, published] : Code39Iso) {
        const char check = Code39CheckChar(published.Value);
        EXPECT_EQ(Encode(bcCode39, std::string(1, ch), csModulo10),
                  Code39Symbol(std::string("*") + ch + check + "*"))
            << ch;
    }
    // A long value: the sum wraps many times.
    const std::string value = "THE QUICK BROWN FOX-JUMPS.OVER $/+% 0123456789";
    int sum = 0;
    for (const char ch : value)
        sum += Code39Iso.at(ch).Value;
    EXPECT_EQ(Encode(bcCode39, value, csModulo10),
              Code39Symbol("*" + value + Code39CheckChar(sum) + "*"));
}

TEST(Code39, WorkedExamples) {
    EXPECT_EQ(Encode(bcCode39, "123456789"), Code39Symbol("*123456789*"));
    EXPECT_EQ(Encode(bcCode39, "123456789", csModulo10), Code39Symbol("*1234567892*"));
    EXPECT_EQ(Encode(bcCode39, ""), Code39Symbol("**"));
    EXPECT_EQ(Encode(bcCode39, "", csModulo10), Code39Symbol("*0*"));
    EXPECT_EQ(Encode(bcCode39, "ab*C", csModulo10), Code39Symbol("**CC*"));
    EXPECT_EQ(Encode(bcCode39Extended, "ab", csModulo10), Code39Symbol("*+A+BH*"));
}

TEST(Code39, CharactersOutsideTableAreDropped) {
    EXPECT_EQ(Encode(bcCode39,
                     "a\x01"
                     "b\xC8\xFF",
                     csModulo10),
              Code39Symbol("*0*"));
    EXPECT_EQ(Encode(bcCode39, "A~B\x80"), Code39Symbol("*AB*"));
    EXPECT_EQ(Encode(bcCode39Extended, "\x80"
                                       "a\xFF\xCA"
                                       "1"),
              Code39Symbol("*+A1*"));
}

TEST(Code39, StartCharacterInValueIsEncodedInPlace) {
    EXPECT_EQ(Encode(bcCode39, "A*B"), Code39Symbol("*A*B*"));
    // A reader stops at the inner "*", so the symbol doesn't read back as its value.
    const auto scan = testing::EncodeAndScan(bcCode39, "A*B");
    EXPECT_TRUE(!scan || scan->Text != "A*B");
}

// Full ASCII expansion of one code, by the published rule, with Shift as the
// ($) (%) (/) (+) characters in that order.
std::string FullAscii(int Code, std::string_view Shift) {
    const auto pair = [&](int shift, int letter) {
        return std::string{Shift[shift], static_cast<char>(letter)};
    };
    if (Code == 0)
        return pair(1, 'U');
    if (Code <= 26)
        return pair(0, 'A' + Code - 1);
    if (Code <= 31)
        return pair(1, 'A' + Code - 27);
    if (Code == ' ' || (Code >= '0' && Code <= '9') || (Code >= 'A' && Code <= 'Z'))
        return std::string(1, static_cast<char>(Code));
    if (Code >= '!' && Code <= '/')
        return pair(2, 'A' + Code - '!');
    if (Code == ':')
        return pair(2, 'Z');
    if (Code >= ';' && Code <= '?')
        return pair(1, 'F' + Code - ';');
    if (Code == '@')
        return pair(1, 'V');
    if (Code >= '[' && Code <= '_')
        return pair(1, 'K' + Code - '[');
    if (Code == '`')
        return pair(1, 'W');
    if (Code >= 'a' && Code <= 'z')
        return pair(3, Code - 'a' + 'A');
    return pair(1, 'P' + Code - '{');
}

TEST(FullAscii, TablesFollowPublishedMapping) {
    for (int code = 0; code < 128; ++code) {
        const std::string value(1, static_cast<char>(code));
        const std::string code39 = FullAscii(code, "$%/+");
        const std::string code93 = FullAscii(code, "[]{}");
        EXPECT_EQ(Code39ExtendedTable[code], code39) << code;
        EXPECT_EQ(Code93ExtendedTable[code], code93) << code;
        EXPECT_EQ(Encode(bcCode39Extended, value, csModulo10), Encode(bcCode39, code39, csModulo10))
            << code;
        EXPECT_EQ(Encode(bcCode93Extended, value), Encode(bcCode93, code93)) << code;
    }
    EXPECT_EQ(Code39ExtendedTable['*'], "/J");
    EXPECT_EQ(Code39ExtendedTable['-'], "/M");
    EXPECT_EQ(Code93ExtendedTable['.'], "{N");
    EXPECT_EQ(Code93ExtendedTable[127], "]T");
}

TEST(FullAscii, CodesFrom128AreSkipped) {
    std::string high;
    for (int code = 128; code < 256; ++code)
        high += static_cast<char>(code);
    EXPECT_EQ(Encode(bcCode39Extended, high + "x" + high), Encode(bcCode39, "+X"));
    EXPECT_EQ(Encode(bcCode93Extended, high + "x" + high), Encode(bcCode93, "}X"));
}

TEST(Code93, EveryValueMatchesPublishedTable) {
    for (int v = 0; v < 47; ++v) {
        const char ch = Code93Chars[v];
        EXPECT_EQ(FindCode93Char(ch), v) << ch;
        // One character: C weight 1, K weight 2 plus C.
        EXPECT_EQ(PatternToWidths(Encode(bcCode93, std::string(1, ch))),
                  Code93Symbol({v}, v % 47, (2 * v + v) % 47))
            << ch;
    }
    EXPECT_EQ(FindCode93Char('a'), -1);
    EXPECT_EQ(FindCode93Char('*'), -1);
    EXPECT_EQ(FindCode93Char('\xC3'), -1);
}

TEST(Code93, WorkedExamples) {
    EXPECT_EQ(PatternToWidths(Encode(bcCode93, "TEST93")),
              Code93Symbol(Code93Values("TEST93"), 41, 6));
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    EXPECT_EQ(PatternToWidths(Encode(bcCode93, letters)),
              Code93Symbol(Code93Values(letters), 0, 0));
    EXPECT_EQ(PatternToWidths(Encode(bcCode93, "")), Code93Symbol({}, 0, 0));
    EXPECT_EQ(PatternToWidths(Encode(bcCode93, "[")).substr(6, 6), Code93Published[43]);
    EXPECT_EQ(PatternToWidths(Encode(bcCode93Extended, "a")), Code93Symbol({46, 10}, 8, 25));
    EXPECT_EQ(PatternToWidths(Encode(bcCode93Extended, "ab")),
              Code93Symbol({46, 10, 46, 11}, 35, 42));
}

TEST(Code93, ChecksAgreeWithPublishedWeights) {
    for (const std::string_view value : {std::string_view("TEST93"), std::string_view("A"),
                                         std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
                                         std::string_view("0123456789-. $/+%[]{}ZYX")}) {
        const std::vector<int> values = Code93Values(value);
        const auto [c, k] = Code93Checks(values);
        EXPECT_EQ(PatternToWidths(Encode(bcCode93, std::string(value))), Code93Symbol(values, c, k))
            << value;
    }
    EXPECT_EQ(Code93Checks(Code93Values("TEST93")), std::make_pair(41, 6));
}

TEST(Code93, CharacterOutsideTableRaisesWithWholeValue) {
    for (const char* value : {"abc", "A*B", "12\xC8", "\x01"}) {
        try {
            Encode(bcCode93, value);
            FAIL() << value;
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), std::string(value) + " : Code_93 bad data.");
        }
    }
}

TEST(TextOutput, UnchangedForCode39AndCode93) {
    for (const TBarType type : {bcCode39, bcCode39Extended, bcCode93, bcCode93Extended}) {
        std::string text;
        Encode(type, "AB-1", csModulo10, &text);
        EXPECT_EQ(text, "AB-1") << BarTypeName(type);
    }
}

TEST(Code39, ScansBack) {
    const char* values[] = {"CODE-39 TEST", "0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "-. $/+%",
                            "X"};
    for (const char* value : values) {
        for (const int modul : {1, 2, 3}) {
            for (const double ratio : {2.0, 2.5, 3.0}) {
                const auto scan = testing::EncodeAndScan(bcCode39, value, modul, ratio);
                ASSERT_TRUE(scan) << value << " " << modul << " " << ratio;
                EXPECT_EQ(scan->Format, "Code39");
                EXPECT_EQ(scan->Text, value);
            }
        }
        testing::ScanHints hints;
        hints.Code39CheckDigit = true;
        const auto checked = testing::EncodeAndScan(hints, bcCode39, value, 2, 3.0, csModulo10);
        ASSERT_TRUE(checked) << value;
        EXPECT_EQ(checked->Text, value);
    }
}

// Printable ASCII and the control characters in a few symbols.
std::vector<std::string> AsciiSamples() {
    std::vector<std::string> samples = {"Quillmark 39/93!", "a@b.c", "{|}~`_^[\\]"};
    for (int first = 0; first < 128; first += 32) {
        std::string chunk;
        for (int code = first; code < first + 32; ++code)
            chunk += static_cast<char>(code);
        samples.push_back(chunk);
    }
    return samples;
}

TEST(Code39Extended, ScansBackInFullAsciiMode) {
    testing::ScanHints hints;
    hints.Code39Extended = true;
    for (const std::string& value : AsciiSamples()) {
        const auto scan = testing::EncodeAndScan(hints, bcCode39Extended, value, 2, 3.0);
        ASSERT_TRUE(scan) << value;
        EXPECT_EQ(scan->Format, "Code39");
        EXPECT_EQ(scan->Text, value);
    }
    hints.Code39CheckDigit = true;
    const auto checked =
        testing::EncodeAndScan(hints, bcCode39Extended, "Check me", 2, 2.5, csModulo10);
    ASSERT_TRUE(checked);
    EXPECT_EQ(checked->Text, "Check me");
}

TEST(Code93, ScansBack) {
    const char* values[] = {"CODE 93", "TEST93", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "-. $/+%",
                            "0123456789012345678901234567890123456789"};
    for (const char* value : values) {
        for (const int modul : {1, 2, 3}) {
            const auto scan = testing::EncodeAndScan(bcCode93, value, modul, 2.0);
            ASSERT_TRUE(scan) << value << " " << modul;
            EXPECT_EQ(scan->Format, "Code93");
            EXPECT_EQ(scan->Text, value);
        }
    }
}

TEST(Code93, ShiftCharactersInPlainValueReadAsFullAscii) {
    // "[", "]", "{" and "}" are the shift symbols themselves, so a reader combines them
    // with the next character.
    const auto scan = testing::EncodeAndScan(bcCode93, "[A]F{A}Z");
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->Text, "\x01;!z");
}

TEST(Code93Extended, ScansBack) {
    for (const std::string& value : AsciiSamples()) {
        const auto scan = testing::EncodeAndScan(bcCode93Extended, value, 2, 2.0);
        ASSERT_TRUE(scan) << value;
        EXPECT_EQ(scan->Format, "Code93");
        EXPECT_EQ(scan->Text, value);
    }
}

// Any byte string: Code 39 drops what it can't carry, Code 93 refuses it, and the
// full-ASCII forms carry codes 0 to 127 and drop the rest.
TEST(ArbitraryBytes, Code39AndCode93CarryWhatTheirSetsHold) {
    std::mt19937 random(3993);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 30);
    for (int round = 0; round < 400; ++round) {
        std::string value(static_cast<std::size_t>(length(random)), ' ');
        for (char& ch : value) {
            const int b = byte(random);
            // Every fourth value keeps to Code 93's set so that some encode.
            ch = round % 4 == 0 ? Code93Chars[b % 43] : static_cast<char>(b);
        }
        const TCheckSum mode = round % 2 == 0 ? csModulo10 : csNone;

        std::string kept;
        std::string expanded39;
        std::string expanded93;
        for (const char ch : value) {
            const auto code = static_cast<unsigned char>(ch);
            if (Code39Iso.count(ch))
                kept += ch;
            if (code < 128) {
                expanded39 += FullAscii(code, "$%/+");
                expanded93 += FullAscii(code, "[]{}");
            }
        }
        const auto code39 = [&](const std::string& chars) {
            int sum = 0;
            for (const char ch : chars)
                sum += Code39Iso.at(ch).Value;
            const std::string check = mode == csNone ? "" : std::string(1, Code39CheckChar(sum));
            return Code39Symbol("*" + chars + check + "*");
        };
        EXPECT_EQ(Encode(bcCode39, value, mode), code39(kept)) << round;
        EXPECT_EQ(Encode(bcCode39Extended, value, mode), code39(expanded39)) << round;

        const auto code93 = [](std::string_view chars) {
            const std::vector<int> values = Code93Values(chars);
            const auto [c, k] = Code93Checks(values);
            return Code93Symbol(values, c, k);
        };
        EXPECT_EQ(PatternToWidths(Encode(bcCode93Extended, value, mode)), code93(expanded93))
            << round;
        bool all93 = true;
        for (const char ch : value)
            all93 = all93 && Code93Chars.find(ch) != std::string_view::npos;
        if (all93)
            EXPECT_EQ(PatternToWidths(Encode(bcCode93, value, mode)), code93(value)) << round;
        else
            EXPECT_THROW(Encode(bcCode93, value, mode), Exception) << round;
    }
}

} // namespace
} // namespace quillmark
