// The command line's pieces by themselves: check digits, names, templates, bytes, lines.
#include "arguments.h"
#include "check_digits.h"
#include "line_reader.h"
#include "name_template.h"
#include "progress.h"
#include "text_bytes.h"
#include "type_names.h"
#include "verify.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace quillmark::cli {
namespace {

TEST(AutoCheckDigits, AppendVerifyOrPass) {
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
            result = WithAutoCheckDigit(c.Type, c.Value);
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
        EXPECT_EQ(FindBarType(TypeIdentifier(type)), type);
        std::string_view aliases = TypeAliases(type);
        for (std::size_t comma = 0; comma != std::string_view::npos;
             aliases.remove_prefix(comma + 1)) {
            comma = aliases.find(',');
            EXPECT_EQ(FindBarType(aliases.substr(0, comma)), type) << aliases;
        }
    }
}

TEST(NameTemplates, ExpandAndKnowWhenNamesAreUnique) {
    const struct {
        const char* Template;
        std::uint64_t Line;
        const char* Value;
        const char* Name;
        bool Unique;
    } cases[] = {
        {"out/{n}.png", 7, "x", "out/7.png", true},
        {"{n:05}-{value}.svg", 42, "a b/\xE9", "00042-a_b__.svg", true},
        {"{value}.pdf", 1, "..", "__.pdf", false},
        {"{n}{value}.png", 1, "23", "123.png", false},
        {"{value}-{n}.png", 3, "A.b", "A.b-3.png", false},
        {"{{n}}-{n}.png", 3, "x", "{n}-3.png", true},
    };
    for (const auto& c : cases) {
        const TNameTemplate names(c.Template);
        EXPECT_EQ(names.Expand(c.Line, c.Value), c.Name) << c.Template;
        EXPECT_EQ(names.NamesAreUnique(), c.Unique) << c.Template;
    }
    EXPECT_EQ(TNameTemplate("a/b/{n}.png").Folder(), "a/b");
    EXPECT_FALSE(TNameTemplate("{value}/{n}.png").HasFixedFolder());
    for (const char* bad : {"{x}.png", "{n.png", "n}.png", "{n:5}.png"})
        EXPECT_THROW(TNameTemplate{bad}, UsageError) << bad;
}

TEST(TextBytes, ValuesFromInputAndMessagesForATerminal) {
    EXPECT_EQ(ValueFromInput("caf\xC3\xA9"), "caf\xE9");       // UTF-8 within Latin-1
    EXPECT_EQ(ValueFromInput("\xE2\x82\xAC"), "\xE2\x82\xAC"); // the euro sign: raw bytes
    EXPECT_EQ(ValueFromInput("caf\xE9"), "caf\xE9");           // not UTF-8: raw bytes
    EXPECT_EQ(ValueFromInput("\xC0\xAF"), "\xC0\xAF");         // overlong: raw bytes
    EXPECT_EQ(Latin1ForTerminal("caf\xE9\x01\x9B"), "caf\xC3\xA9\\x01\\x9B");
    EXPECT_EQ(Utf8ForTerminal("a\xFF\xC3\xA9\x1B["), "a\\xFF\xC3\xA9\\x1B[");
    EXPECT_EQ(WithValueShortened("V : Bad.", "V"), "V : Bad.");
    const std::string value(100, 'x');
    EXPECT_EQ(WithValueShortened(value + " : Bad.", value),
              std::string(40, 'x') + "... (100 bytes) : Bad.");
}

TEST(CarriedText, WhatAReaderReportsForAValue) {
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
        EXPECT_EQ(CarriedText(c.Type, c.Value, c.CheckSum), c.Text) << c.Value;
}

TEST(LineReader, DropsCarriageReturnsAndRefusesLongLinesUnheld) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const std::string input = "a\r\n\nb\n" + std::string(25, 'x') + "\nlast";
    ASSERT_EQ(write(ends[1], input.data(), input.size()), static_cast<ssize_t>(input.size()));
    close(ends[1]);
    TLineReader reader(ends[0], 10);
    std::vector<std::string> seen;
    for (TLine line; reader.Next(line);)
        seen.push_back(std::to_string(line.Number) + ":" +
                       (line.TooLong ? "long " + std::to_string(line.Length) : line.Text));
    close(ends[0]);
    EXPECT_EQ(seen, (std::vector<std::string>{"1:a", "2:", "3:b", "4:long 25", "5:last"}));
}

TEST(Progress, CountRateAndTimeLeft) {
    EXPECT_EQ(ProgressText(1200, 10000, 0.5), "1200/10000  2400/s  0:04 left");
    EXPECT_EQ(ProgressText(5, std::nullopt, 1), "5  5/s");
}

} // namespace
} // namespace quillmark::cli
