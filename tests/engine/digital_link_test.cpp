// GS1 Digital Link URIs from element strings: the examples GS1 publishes for the URI syntax,
// percent-encoding, qualifier order and the refusals users read.
#include "gs1_ai_table.h"
#include <quillmark/digital_link.h>
#include <quillmark/engine.h>
#include <quillmark/gs1.h>

#include <gtest/gtest.h>

#include <string>

namespace quillmark {
namespace {

struct UriCase {
    std::string Value;
    std::string Domain;
    std::string Expected; // the URI, or the message of a refusal
};

template <typename Call> std::string MessageOf(Call&& Make) {
    try {
        return "(accepted) " + Make();
    } catch (const Exception& error) {
        return error.Message();
    }
}

std::string UriOrMessage(const std::string& Value, const std::string& Domain) {
    return MessageOf([&] { return DigitalLinkURI(Value, Domain); });
}

TEST(DigitalLink, WritesPathAndQuery) {
    const std::string id = std::string(DigitalLinkDomainDefault);
    const UriCase cases[] = {
        {"(01)09501101530003(17)260101(10)AB-123", id,
         "https://id.gs1.org/01/09501101530003/10/AB-123?17=260101"},
        // After the examples of the GS1 Digital Link URI syntax standard (release 1.2, which
        // uses GS1's example GTIN 09520123456788 and GLN 9520123456788): a GTIN alone, with
        // batch and serial, with an expiry date as the query, an SSCC, a GLN with its
        // extension, and a domain with a path of its own.
        {"(01)09520123456788", id, "https://id.gs1.org/01/09520123456788"},
        {"(01)09520123456788(10)ABC123(21)12345", id,
         "https://id.gs1.org/01/09520123456788/10/ABC123/21/12345"},
        {"(01)09520123456788(10)ABC1(17)180426", id,
         "https://id.gs1.org/01/09520123456788/10/ABC1?17=180426"},
        {"(00)106141411234567897", id, "https://id.gs1.org/00/106141411234567897"},
        {"(414)9520123456788(254)32a%b", id, "https://id.gs1.org/414/9520123456788/254/32a%25b"},
        {"(01)09520123456788", "https://example.com/products/",
         "https://example.com/products/01/09520123456788"},
        // Qualifiers in their path's order whatever the element strings' order; the query
        // keeps theirs; the second path of (01); a key with one qualifier.
        {"(21)S1(01)09520123456788(22)V(10)B", id,
         "https://id.gs1.org/01/09520123456788/22/V/10/B/21/S1"},
        {"(01)09520123456788(3103)000123(17)260101(91)X", "HTTP://example.com",
         "HTTP://example.com/01/09520123456788?3103=000123&17=260101&91=X"},
        {"(01)09520123456788(235)T-1", id, "https://id.gs1.org/01/09520123456788/235/T-1"},
        {"(8019)7(8017)952012345678901233", id,
         "https://id.gs1.org/8017/952012345678901233/8019/7"},
        // A value twice says it once; beyond GS1-128's 48 data characters is fine in a URI.
        {"(01)09520123456788(10)B(10)B", id, "https://id.gs1.org/01/09520123456788/10/B"},
        {"(01)09520123456788(10)ABCDEFGHIJKLMNOPQRST(21)ABCDEFGHIJKLMNOPQRST", id,
         "https://id.gs1.org/01/09520123456788/10/ABCDEFGHIJKLMNOPQRST/21/ABCDEFGHIJKLMNOPQRST"},
        // Percent-encoding: the unreserved characters stay, all others become %XX in the
        // path and the query alike.
        {"(01)09520123456788(10)a-b.c_d/e", id,
         "https://id.gs1.org/01/09520123456788/10/a-b.c_d%2Fe"},
        {"(01)09520123456788(21)A&B?C%D", id,
         "https://id.gs1.org/01/09520123456788/21/A%26B%3FC%25D"},
        {"(01)09520123456788(21)!\"'\\(\\)*+,:;<=>", id,
         "https://id.gs1.org/01/09520123456788/21/%21%22%27%28%29%2A%2B%2C%3A%3B%3C%3D%3E"},
        {"(01)09520123456788(91)x=1&y/2?", id,
         "https://id.gs1.org/01/09520123456788?91=x%3D1%26y%2F2%3F"},
        {"(8010)9520123#/X(8011)12", id, "https://id.gs1.org/8010/9520123%23%2FX/8011/12"},
    };
    for (const UriCase& c : cases)
        EXPECT_EQ(UriOrMessage(c.Value, c.Domain), "(accepted) " + c.Expected) << c.Value;
}

TEST(DigitalLink, RefusesWithASentence) {
    const std::string id = std::string(DigitalLinkDomainDefault);
    const std::string gtin = "(01)09520123456788";
    const UriCase cases[] = {
        {"(21)ABC", id,
         "(21) alone has no primary key such as (01) GTIN; a Digital Link starts with one"},
        {"(17)260101(10)B", id,
         "(17)(10) have no primary key such as (01) GTIN; a Digital Link starts with one"},
        {gtin + "(00)106141411234567897", id,
         "(01)(00) are each a primary key; a Digital Link has exactly one"},
        {gtin + "(235)T(22)V", id,
         "(235)(22) do not go together after (01): its qualifiers follow it as 22,10,21 or "
         "235"},
        {gtin + "(7040)1AB-", id,
         "(7040) is neither a qualifier of (01) nor an AI a Digital Link's query carries"},
        {gtin, "https://example.com/?x=1",
         "The domain 'https://example.com/?x=1' holds a query or a fragment; the URI writes its "
         "own query"},
        {gtin, "ftp://example.com",
         "The domain 'ftp://example.com' does not start with http:// "
         "or https://"},
        {gtin, "https://", "The domain 'https://' names no host"},
        {gtin, "https://exa mple.com",
         "The domain 'https://exa mple.com' holds a space or a character outside ASCII"},
    };
    for (const UriCase& c : cases)
        EXPECT_EQ(UriOrMessage(c.Value, c.Domain), c.Expected) << c.Value << " " << c.Domain;
}

// Data the element checks refuse, and AIs the pairing rules keep apart, read as they do
// wherever GS1-128 takes the value.
TEST(DigitalLink, KeepsTheElementAndPairingMessages) {
    const std::string values[] = {
        "(01)09520123456789",        // check digit
        "(01)09520123456788(10)A B", // a space is outside the character set
        "01)09520123456788",         // not element strings
    };
    for (const std::string& value : values)
        EXPECT_EQ(MessageOf([&] { return DigitalLinkURI(value); }),
                  MessageOf([&] { return GS1Text(ParseGS1(value)); }))
            << value;
    for (const std::string value :
         {"(01)09520123456788(02)09520123456788(37)1", "(01)09520123456788(21)S(235)T"})
        EXPECT_EQ(MessageOf([&] { return DigitalLinkURI(value); }),
                  GS1PairingProblems(ParseGS1(value)).front())
            << value;
}

// The table's Digital Link fields as the dictionary's lines give them; every qualifier is an
// AI of the table that is no key itself.
TEST(DigitalLink, TableHoldsKeysAndQualifierPaths) {
    const TGS1AIEntry* gtin = FindGS1AI("01");
    ASSERT_NE(gtin, nullptr);
    EXPECT_TRUE(gtin->PrimaryKey && gtin->DataAttribute);
    ASSERT_EQ(gtin->QualifierPaths.size(), 2U);
    EXPECT_EQ(gtin->QualifierPaths[0], "22,10,21");
    EXPECT_EQ(gtin->QualifierPaths[1], "235");
    EXPECT_TRUE(FindGS1AI("00")->PrimaryKey && FindGS1AI("00")->QualifierPaths.empty());
    EXPECT_FALSE(FindGS1AI("02")->PrimaryKey);
    EXPECT_FALSE(FindGS1AI("21")->DataAttribute);
    for (const TGS1AIEntry& entry : GS1AIEntries())
        for (const std::string_view path : entry.QualifierPaths)
            for (const std::string_view ai : SplitGS1List(path, ',')) {
                const TGS1AIEntry* qualifier = FindGS1AI(ai);
                ASSERT_NE(qualifier, nullptr) << entry.First << " " << path;
                EXPECT_FALSE(qualifier->PrimaryKey) << entry.First << " " << path;
            }
}

} // namespace
} // namespace quillmark
