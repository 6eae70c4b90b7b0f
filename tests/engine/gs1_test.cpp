// GS1 element strings against examples GS1 publishes and check digits worked by hand; the
// messages are the ones users read.
#include "gs1_ai_table.h"
#include "gs1_linters.h"
#include <quillmark/engine.h>
#include <quillmark/gs1.h>

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <string>
#include <vector>

namespace quillmark {
namespace {

// Which elements are of predefined length, as '1' and '0'.
std::string PredefinedOf(const std::vector<TGS1Element>& Elements) {
    std::string flags;
    for (const TGS1Element& element : Elements)
        flags += element.Predefined ? '1' : '0';
    return flags;
}

std::string MessageOf(const std::string& Value) {
    try {
        ParseGS1(Value);
    } catch (const Exception& error) {
        return error.Message();
    }
    return "(accepted)";
}

TEST(GS1, AcceptsPublishedAndWorkedExamples) {
    struct Case {
        std::string Value;
        std::string Text;
        std::string Predefined;
    };
    const Case cases[] = {
        // GS1's example GTINs 09501101530003 and 95012345678903 and SSCC 106141411234567897,
        // their check digits also worked by hand.
        {"(01)09501101530003(17)260101(10)AB-123", "(01)09501101530003(17)260101(10)AB-123", "110"},
        {"(00)106141411234567897", "(00)106141411234567897", "1"},
        {"[01]95012345678903[3103]000123", "(01)95012345678903(3103)000123", "11"},
        // The GMN example of GS1's general standard 7.9.5, check characters "2K".
        {"(8013)1987654Ad4X4bL5ttr2310c2K", "(8013)1987654Ad4X4bL5ttr2310c2K", "0"},
        {"(8007)GB82WEST12345698765432", "(8007)GB82WEST12345698765432", "0"}, // ISO 13616
        // Escapes in the parenthesis form; parentheses are plain data between brackets.
        {"(10)A\\(1\\)B", "(10)A(1)B", "0"},
        {"[10]A(1)B[21]X", "(10)A(1)B(21)X", "00"},
        // Day 00 of yymmd0, 29 February of a leap year, an optional date, a range's AI.
        {"(17)250200(7006)240229", "(17)250200(7006)240229", "10"},
        {"(7007)250101250131(95)X", "(7007)250101250131(95)X", "00"},
        {"(8006)095011015300030102(8008)25010112", "(8006)095011015300030102(8008)25010112", "00"},
        {"(253)0614141000005AB(4330)001234-", "(253)0614141000005AB(4330)001234-", "00"},
        // The largest coordinates, a lone zero, a full time, winding 9, base64 padding.
        {"(4309)18000000003600000000(8011)0", "(4309)18000000003600000000(8011)0", "00"},
        {"(8008)250101235959(8001)12341234512390", "(8008)250101235959(8001)12341234512390", "00"},
        {"(7258)1/2(7252)9(8030)AB-_cd==", "(7258)1/2(7252)9(8030)AB-_cd==", "000"},
    };
    for (const Case& c : cases) {
        const std::vector<TGS1Element> elements = ParseGS1(c.Value);
        EXPECT_EQ(GS1Text(elements), c.Text) << c.Value;
        EXPECT_EQ(PredefinedOf(elements), c.Predefined) << c.Value;
    }
}

TEST(GS1, RefusesWithMessagesNamingAIAndPosition) {
    struct Case {
        std::string Value;
        std::string Message;
    };
    const Case cases[] = {
        {"0109501101530003", "GS1-128 takes Application Identifiers in parentheses, as "
                             "(01)09501101530003(10)ABC123."},
        {"(01", "The '(' at position 1 has no closing ')'"},
        {"(0A)12", "(0A) is not an Application Identifier: those are 2 to 4 digits"},
        {"(04)123", "AI (04) is not defined"},
        {"(3106)000123", "AI (3106) is not defined"},
        {"(01)09501101530004", "(01) position 14: check digit should be 3, not 4"},
        {"(00)106141411234567890", "(00) position 18: check digit should be 7, not 0"},
        {"(01)0950110153000", "(01): 13 digits, but (01) takes 14"},
        {"(10)123456789012345678901", "(10): 21 characters, but (10) takes at most 20"},
        {"(10)(21)1", "(10): no data, but (10) takes at least 1"},
        {"(8008)250101121", "(8008): 9 digits, but (8008) takes 8, 10 or 12"},
        {"(10)AB#", "(10) position 3: '#' is not in GS1's character set 82"},
        {"(10)A\\x", "(10) position 2: '\\' is not in GS1's character set 82"},
        {"(01)0950110153000A", "(01) position 14: 'A' is not a digit"},
        {"(8010)95011a", "(8010) position 6: 'a' is not in GS1's character set 39"},
        {"(17)251301", "(17): month 13 is not a month"},
        {"(17)250132", "(17): day 32 is not a day of month 01"},
        {"(17)250229", "(17): day 29 is not a day of month 02 in year 25"},
        {"(7006)250100", "(7006): day 00 is not a day of month 01"},
        {"(7250)19000229", "(7250): day 29 is not a day of month 02 in 1900"},
        {"(8008)2501012460", "(8008) position 7: hour 24 is not an hour"},
        {"(8013)1987654Ad4X4bL5ttr2310c2J",
         "(8013) position 24: check characters should be 2K, not 2J"},
        {"(8007)GB83WEST12345698765432",
         "(8007) position 3: IBAN check digits should be 82, not 83"},
        {"(4321)2", "(4321): 2 is not 0 (no) or 1 (yes)"},
        {"(8006)095011015300030302", "(8006) position 15: piece 03 is past the total of 02"},
        {"(8001)00001234512310", "(8001): 0000 may not be zero"},
        {"(8001)12340000012310", "(8001) position 5: 00000 may not be zero"},
        {"(8003)10614141000005", "(8003) position 1: should be 0, not 1"},
        {"(4330)001234+", "(4330) position 7: should be '-', not '+'"},
        {"(4300)AB%4G", "(4300) position 3: '%' is not followed by two hexadecimal digits"},
        {"(7258)3/2", "(7258): 3/2 counts past its total"},
        {"(8011)0123", "(8011) position 1: a number of more than one digit may not start with 0"},
        {"(4309)18000000013600000000",
         "(4309): 1800000001 is not a latitude: the most is 1800000000"},
        {"(8030)AB=C", "(8030) position 3: '=' is not in GS1's character set 64"},
        {"(8008)2501011260", "(8008) position 9: minute 60 is not a minute"},
        {"(7252)3", "(7252): 3 is not a sex code of ISO/IEC 5218: 0, 1, 2 or 9"},
        {"(8001)12341234512320", "(8001) position 13: 2 is not a winding direction: 0, 1 or 9"},
        {"(8006)095011015300030002",
         "(8006) position 15: piece 00 is not a piece; they count from 1"},
        {"(7258)1-2", "(7258): 1-2 is not a place and a total joined by '/', as 1/3"},
        {"(8007)gB82WEST12345698765432", "(8007) position 1: 'g' is not an upper case letter of "
                                         "the country code an IBAN starts with"},
        {"(8013)2K", "(8013): 2 characters cannot carry a check character pair"},
        {"(8014)950110101743", "(8014): 950110101743 holds only digits; it needs some other "
                               "character"},
        // 16 + 22 + 14 data characters: the third element passes 48.
        {"(01)09501101530003(10)ABCDEFGHIJKLMNOPQRST(21)ABCDEFGHIJKL",
         "(21): the element strings come to 52 data characters; GS1-128 carries at most 48"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MessageOf(c.Value), c.Message) << c.Value;
}

TEST(GS1, PairingProblems) {
    struct Case {
        std::string Value;
        std::vector<std::string> Problems;
    };
    const Case cases[] = {
        {"(01)09501101530003(21)X(250)Y", {}},
        {"(00)106141411234567897(3300)000100(3300)000100", {}},
        {"(10)ABC", {"(10) needs (01), (02), (03), (8006) or (8026) in the same symbol"}},
        {"(01)09501101530003(250)Y",
         {"(250) needs (01) with (21), (03) with (21) or (8006) with (21) in the same symbol"}},
        {"(01)09501101530003(02)09501101530003(37)1",
         {"(01) may not appear with (37)", "(02) may not appear with (01)",
          "(37) needs (00) with (02) or (00) with (8026) in the same symbol"}},
        {"(01)09501101530003(3103)000123(3102)001230", {"(3103) may not appear with (3102)"}},
        {"(01)09501101530003(10)A(10)B", {"(10) appears more than once with different data"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GS1PairingProblems(ParseGS1(c.Value)), c.Problems) << c.Value;
}

// An editor of one element a row: each row checked alone with ParseGS1's messages, the titles
// as the dictionary writes them, and the rows written back as text ParseGS1 reads the same.
TEST(GS1, ElementsOneAtATime) {
    struct Case {
        std::string AI;
        std::string Data;
        std::string Title;
        std::string Message;
    };
    const Case cases[] = {
        {"01", "09501101530003", "GTIN", ""},
        {"01", "09501101530004", "GTIN", "(01) position 14: check digit should be 3, not 4"},
        {"10", "AB#", "BATCH/LOT", "(10) position 3: '#' is not in GS1's character set 82"},
        {"17", "251231", "USE BY or EXPIRY", ""},
        {"04", "1", "", "AI (04) is not defined"},
        // Longer than GS1-128 holds, yet one element a larger carrier takes.
        {"8200", "https://example.com/" + std::string(40, 'a'), "PRODUCT URL", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GS1AITitle(c.AI), c.Title) << c.AI;
        std::string message;
        try {
            EXPECT_EQ(CheckedGS1Element(c.AI, c.Data).Predefined, c.AI == "01" || c.AI == "17");
        } catch (const Exception& error) {
            message = error.Message();
        }
        EXPECT_EQ(message, c.Message) << c.AI << c.Data;
    }
}

TEST(GS1, SplitsWithoutCheckingAndWritesBackEscaped) {
    // A wrong check digit and an undefined AI still give their rows.
    const std::vector<TGS1Element> split = SplitGS1("(01)09501101530004(04)x(10)A\\(B\\)");
    ASSERT_EQ(split.size(), 3U);
    EXPECT_EQ(split[0].Data, "09501101530004");
    EXPECT_TRUE(split[0].Predefined);
    EXPECT_EQ(split[1].AI, "04");
    EXPECT_EQ(split[2].Data, "A(B)");
    EXPECT_EQ(GS1Value(split), "(01)09501101530004(04)x(10)A\\(B\\)");
    const std::string value = GS1Value(ParseGS1("[01]09501101530003[10]A(B)"));
    EXPECT_EQ(GS1Text(ParseGS1(value)), "(01)09501101530003(10)A(B)");
    EXPECT_THROW(SplitGS1("0109501101530003"), Exception);
    EXPECT_THROW(SplitGS1("(01"), Exception);
}

// Every entry against GS1's general standard's table of the AI prefixes whose element
// strings have a predefined length (AI included), which need no FNC1 after them.
TEST(GS1, PredefinedLengthsAsGS1Tabulates) {
    const std::map<std::string_view, std::size_t> lengths = {
        {"00", 20}, {"01", 16}, {"02", 16}, {"03", 16}, {"04", 18}, {"11", 8},
        {"12", 8},  {"13", 8},  {"14", 8},  {"15", 8},  {"16", 8},  {"17", 8},
        {"18", 8},  {"19", 8},  {"20", 4},  {"31", 10}, {"32", 10}, {"33", 10},
        {"34", 10}, {"35", 10}, {"36", 10}, {"41", 16}};
    for (const TGS1AIEntry& entry : GS1AIEntries()) {
        const auto found = lengths.find(entry.First.substr(0, 2));
        EXPECT_EQ(entry.Predefined, found != lengths.end()) << entry.First;
        if (found == lengths.end())
            continue;
        const std::size_t length =
            std::accumulate(entry.Components.begin(), entry.Components.end(), entry.First.size(),
                            [](std::size_t Sum, const TGS1Component& c) { return Sum + c.Max; });
        EXPECT_EQ(length, found->second) << entry.First;
    }
}

// The rules the dictionary names that need code lists or company prefixes the engine doesn't
// carry; a rule missing here was lost between the dictionary and the table.
TEST(GS1, LeavesOnlyCodeListRulesUnchecked) {
    const std::vector<std::string_view> unchecked = {
        "couponcode", "couponposoffer", "gcppos1", "gcppos2",   "importeridx", "iso3166",
        "iso3166999", "iso3166alpha2",  "iso4217", "mediatype", "packagetype"};
    EXPECT_EQ(UncheckedGS1Linters(), unchecked);
    EXPECT_EQ(CheckedGS1Linters().size(), 23u);
}

} // namespace
} // namespace quillmark
