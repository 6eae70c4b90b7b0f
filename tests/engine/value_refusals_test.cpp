// Values a symbol would carry other than as typed, and the completions that could be read two
// ways: each refused with the reading it would get and what carries it.
#include <quillmark/ean_upc.h>
#include <quillmark/engine.h>
#include <quillmark/latin1.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillmark {
namespace {

std::string Raised(TBarType Type, const std::string& Value) {
    try {
        CompleteCheckDigit(Type, Value);
    } catch (const Exception& error) {
        return error.Message();
    }
    return "(no error)";
}

TEST(ValueRefusals, DeparturesNameTheRuleAndWhatCarriesTheValue) {
    const struct {
        TBarType Type;
        const char* Value;
        const char* Sentence; // part of the first departure; empty for none
        std::optional<TBarType> Carrier;
    } cases[] = {
        // EAN-128 draws AI syntax as data characters, unchecked: GS1-128 parses it.
        {bcCodeEAN128A, "(01)09501101530003(10)AB-123",
         "position 1: '(' opens the Application Identifier (01), which EAN128A would draw as data",
         bcCodeGS1_128},
        {bcCodeEAN128B, "[01]09501101530003", "Application Identifier [01]", bcCodeGS1_128},
        {bcCodeEAN128B, "01095011015300031", "", std::nullopt},
        {bcCodeEAN128B, "(AB)12", "", std::nullopt},
        // PostNet carries 5, 9 or 11 digits and a correction digit that makes the sum a
        // multiple of ten (USPS Publication 25: 12345-6789 takes 5).
        {bcCodePostNet, "12345", "PostNet carries 5, 9 or 11 digits and a correction digit",
         std::nullopt},
        {bcCodePostNet, "1234567894",
         "position 10: '4' is not the PostNet correction digit, which is 5", std::nullopt},
        {bcCodePostNet, "1234567895", "", std::nullopt},
        // The advice names the symbology that carries the character.
        {bcCode39, "a", "Code39 Extended carries it.", bcCode39Extended},
        {bcCode39, "A*", "Code39 Extended carries it.", bcCode39Extended},
    };
    for (const auto& c : cases) {
        const TCarried carried = Carried(c.Type, c.Value, csNone);
        if (*c.Sentence == '\0') {
            EXPECT_TRUE(carried.Departures.empty())
                << c.Value << ": " << carried.Departures.front();
            continue;
        }
        ASSERT_FALSE(carried.Departures.empty()) << c.Value;
        EXPECT_NE(carried.Departures.front().find(c.Sentence), std::string::npos)
            << carried.Departures.front();
        EXPECT_EQ(carried.Carrier, c.Carrier) << c.Value;
        if (c.Carrier) {
            const std::string& sentence = carried.Departures.front();
            const std::string advice = CarrierAdvice(*c.Carrier);
            EXPECT_EQ(sentence.substr(sentence.size() - advice.size()), advice);
        }
    }
}

TEST(ValueRefusals, CheckDigitsAreCompletedOrCheckedAndAmbiguityIsRefused) {
    const struct {
        TBarType Type;
        const char* Value;
        const char* Completed; // null: refused with Message in the error
        const char* Message;
    } cases[] = {
        // PostNet: the correction digit completes the digit sum to a multiple of ten.
        {bcCodePostNet, "12345", "123455", nullptr},
        {bcCodePostNet, "123456789", "1234567895", nullptr},
        {bcCodePostNet, "12345678901", "123456789014", nullptr},
        {bcCodePostNet, "1234567895", "1234567895", nullptr},
        {bcCodePostNet, "123454", nullptr, "the PostNet correction digit is 5"},
        {bcCodePostNet, "1234", "1234", nullptr}, // refused by what the symbol carries
        // UPC-E: seven digits beginning with the number system read two ways. Read as number
        // system 0 and 425261, the check digit is 4 (as Zint reads it).
        {bcCodeUPC_E0, "0425261", nullptr, "number system 0 and 425261 (write 425261, or 04252614"},
        {bcCodeUPC_E0, "0425261", nullptr, "or 042526 with check digit 1"},
        {bcCodeUPC_E1, "1425261", nullptr, "number system 1 and 425261"},
        {bcCodeUPC_E0, "425261", "4252614", nullptr},
        {bcCodeUPC_E0, "04252614", "4252614", nullptr},
    };
    for (const auto& c : cases) {
        if (c.Completed) {
            EXPECT_EQ(CompleteCheckDigit(c.Type, c.Value), c.Completed) << c.Value;
            continue;
        }
        const std::string message = Raised(c.Type, c.Value);
        EXPECT_NE(message.find(c.Message), std::string::npos) << message;
    }
}

TEST(ValueRefusals, TextBeyondLatin1IsRefusedByCharacterAndCodePoint) {
    EXPECT_EQ(ValueFromText("caf\xC3\xA9"), "caf\xE9"); // UTF-8 within Latin-1
    EXPECT_EQ(ValueFromText("caf\xE9"), "caf\xE9");     // not UTF-8: bytes as they are
    EXPECT_EQ(ValueFromText(""), "");
    const struct {
        const char* Text;
        const char* Message;
    } refused[] = {
        {"\xD0\x9F\xD1\x80\xD0\xB8", "position 1: '\xD0\x9F' (U+041F) is not in Latin-1"},
        {"A\xCE\xA9", "position 2: '\xCE\xA9' (U+03A9)"},
        {"\xC3\xA9\xE2\x82\xAC", "position 2: '\xE2\x82\xAC' (U+20AC)"},
        {"x\xF0\x9F\x98\x80", "(U+1F600)"},
    };
    for (const auto& r : refused) {
        try {
            ValueFromText(r.Text);
            ADD_FAILURE() << r.Text << " was taken";
        } catch (const ENotLatin1& error) {
            EXPECT_NE(error.Message().find(r.Message), std::string::npos) << error.Message();
        }
    }
}

} // namespace
} // namespace quillmark
