// GS1 DataBar's GTIN forms: the value's refusals, the rows' heights and widths as the
// standard's figures give them, and one symbol's modules as zint 2.11 draws them
// (zint -b 29 -d 0950110153000 --dump); the peer suite compares thousands more.
#include "databar.h"

#include <quillmark/engine.h>

#include "databar_expanded_bits.h"
#include "databar_symbols.h"
#include "gs1_elements.h"
#include "scan.h"

#include <gtest/gtest.h>

#include <functional>

namespace quillmark {
namespace {

struct Refusal {
    std::function<TBarRows(std::string_view)> Encode;
    const char* Value;
    const char* Message;
};

TBarRows Omnidirectional(std::string_view Value) {
    return EncodeDataBar(Value, TDataBarForm::Omnidirectional);
}

TEST(DataBarGtin, RefusesWithWhatToChange) {
    const Refusal refusals[] = {
        {Omnidirectional, "0950110153000X",
         "GS1 DataBar carries a GTIN of digits alone: remove 'X' at position 14."},
        {Omnidirectional, "095011015300",
         "GS1 DataBar carries a GTIN of 13 digits, or 14 with its check digit; the value has 12."},
        {Omnidirectional, "09501101530004", "The GTIN's check digit should be 3, not 4."},
        {EncodeDataBarLimited, "09501101530004", "The GTIN's check digit should be 3, not 4."},
        {EncodeDataBarLimited, "2950110153000",
         "GS1 DataBar Limited carries a GTIN whose first digit is 0 or 1, not 2: choose GS1 "
         "DataBar or another of its forms."},
        {[](std::string_view Value) { return EncodeDataBarExpanded(Value, 3); },
         "(01)09501101530003",
         "GS1 DataBar Expanded Stacked takes an even number of segments a row from 2 to 22, not "
         "3."},
        {[](std::string_view Value) { return EncodeDataBarExpanded(Value); }, "(8010)AB#1",
         "GS1 DataBar Expanded has no character for some of the data: use the characters of "
         "GS1's character set 82 alone."},
        {[](std::string_view Value) { return EncodeDataBarExpanded(Value, 24); },
         "(01)09501101530003",
         "GS1 DataBar Expanded Stacked takes an even number of segments a row from 2 to 22, not "
         "24."},
        {[](std::string_view Value) { return EncodeDataBarExpanded(Value, -2); },
         "(01)09501101530003",
         "GS1 DataBar Expanded Stacked takes an even number of segments a row from 2 to 22, not "
         "-2."},
        {[](std::string_view Value) {
             TMatrixOptions options;
             options.DataBarSegments = 0;
             DataBarSymbol(bcCodeDataBarExpandedStacked, std::string(Value), options);
             return TBarRows{};
         },
         "(01)09501101530003",
         "GS1 DataBar Expanded Stacked takes an even number of segments a row from 2 to 22, not "
         "0."},
        // Text that isn't element strings, refused by the type it was given to.
        {[](std::string_view Value) {
             DataBarSymbol(bcCodeDataBarExpandedStacked, std::string(Value), {});
             return TBarRows{};
         },
         "09501101530003",
         "GS1 DataBar Expanded Stacked takes Application Identifiers in parentheses, as "
         "(01)09501101530003(10)ABC123."},
        {[](std::string_view Value) { return EncodeDataBarExpanded(Value); }, "(01)09501101530004",
         "(01) position 14: check digit should be 3, not 4"},
        // 75 digits, one over the 74 GS1's general standard gives as Expanded's capacity.
        {[](std::string_view Value) { return EncodeDataBarExpanded(Value); },
         "(01)90012345678908(11)251231(13)251231(15)251231(16)251231(17)251231(3103)001750(30)"
         "1234567",
         "GS1 DataBar Expanded holds 21 data characters of 12 bits and these element strings "
         "take 22, 1 over: carry fewer or shorter element strings."},
    };
    for (const Refusal& refusal : refusals) {
        try {
            refusal.Encode(refusal.Value);
            ADD_FAILURE() << refusal.Value << " was encoded";
        } catch (const Exception& Error) {
            EXPECT_STREQ(Error.what(), refusal.Message);
        }
    }
}

TEST(DataBarGtin, CheckDigitAddedOrAccepted) {
    EXPECT_EQ(DataBarText("0950110153000"), "(01)09501101530003");
    EXPECT_EQ(DataBarText("09501101530003"), "(01)09501101530003");
}

TEST(DataBarGtin, OmnidirectionalModulesAsZintDrawsThem) {
    EXPECT_EQ(EncodeDataBar("0950110153000", TDataBarForm::Omnidirectional).Rows.at(0),
              "010000010100000101000111111110010111101101011100100011011011000101111110000011"
              "001110110111001101");
}

struct Shape {
    TDataBarForm Form;
    std::vector<int> Heights;
    std::size_t Width;
};

TEST(DataBarGtin, FormsHaveTheirRowsHeightsAndWidth) {
    const Shape shapes[] = {
        {TDataBarForm::Omnidirectional, {33}, 96},
        {TDataBarForm::Truncated, {13}, 96},
        {TDataBarForm::Stacked, {5, 1, 7}, 50},
        {TDataBarForm::StackedOmnidirectional, {33, 1, 1, 1, 33}, 50},
    };
    const std::string omni =
        EncodeDataBar("0950110153000", TDataBarForm::Omnidirectional).Rows.at(0);
    for (const Shape& shape : shapes) {
        const TBarRows rows = EncodeDataBar("0950110153000", shape.Form);
        EXPECT_EQ(rows.Heights, shape.Heights);
        for (const std::string& row : rows.Rows)
            EXPECT_EQ(row.size(), shape.Width);
        // The stacked forms split the one row's elements: its halves, each with a guard.
        const std::string& bottom = rows.Rows.back();
        EXPECT_EQ(rows.Rows.front().substr(0, 48), omni.substr(0, 48));
        EXPECT_EQ(bottom.substr(bottom.size() - 48), omni.substr(48));
    }
}

TModuleGrid Grid(const TBarRows& Rows) {
    return testing::GridOfRows(Rows.Rows, Rows.Heights);
}

// zxing-cpp 1.4 reads no DataBar Limited; the peer suite compares it with zint's.
struct Reading {
    std::function<TBarRows(std::string_view)> Encode;
    const char* Format;
};

TEST(DataBarGtin, ZxingReadsEveryForm) {
    const Reading readings[] = {
        {Omnidirectional, "DataBar"},
        {[](std::string_view Value) { return EncodeDataBar(Value, TDataBarForm::Truncated); },
         "DataBar"},
        {[](std::string_view Value) { return EncodeDataBar(Value, TDataBarForm::Stacked); },
         "DataBar"},
        {[](std::string_view Value) {
             return EncodeDataBar(Value, TDataBarForm::StackedOmnidirectional);
         },
         "DataBar"},
    };
    // The last GTIN's right finder is 3, 1, 9, 1, 1, where the stacked separator leaves zint's.
    for (const char* gtin : {"0950110153000", "1234567890128", "0000000000000"})
        for (const Reading& reading : readings) {
            const auto scanned =
                testing::Scan(testing::RasteriseGrid(Grid(reading.Encode(gtin)), 3));
            ASSERT_TRUE(scanned) << reading.Format << " " << gtin;
            EXPECT_EQ(scanned->Format, reading.Format);
            EXPECT_EQ(scanned->Text, DataBarGtin(gtin)) << reading.Format;
        }
}

// Every general-purpose mode and a last digit alone; (235) keeps its FNC1, which zint 2.11
// leaves out. Then each compressed method, and 74 digits, the capacity GS1's general standard
// gives, beyond GS1-128's 48 data characters.
TEST(DataBarExpanded, ZxingReadsTheElementStrings) {
    for (const char* value :
         {"(01)09501101530003(17)260101(10)AB-123abc", "(235)x(10)1",
          "(00)123456789012345675(21)!\"%&'*+,-./:;<=>?_",
          "(01)98898765432106(3202)012345(15)991231", "(01)90012345678908(3103)001750",
          "(01)90012345678908(3203)022767", "(01)90012345678908(3105)099999",
          "(01)90012345678908(3922)795", "(01)90012345678908(3932)978795(10)ABC",
          "(01)90012345678908(11)251231(13)251231(15)251231(16)251231(17)251231(3103)001750(30)"
          "123456"}) {
        const auto scanned =
            testing::Scan(testing::RasteriseGrid(Grid(EncodeDataBarExpanded(value)), 2));
        ASSERT_TRUE(scanned) << value;
        EXPECT_EQ(scanned->Format, "DataBarExpanded");
        EXPECT_EQ(scanned->Text, value);
    }
}

} // namespace
} // namespace quillmark

namespace quillmark {
namespace {

// The method a value takes (ISO/IEC 24724 7.2.5.4), as the linkage flag, the method's bits
// and the length field or the first bits after them show, and the data characters it fills.
struct Method {
    const char* Value;
    const char* Bits;
    std::size_t Characters;
};

TEST(DataBarExpanded, TakesTheShortestMethod) {
    const Method methods[] = {
        // ISO/IEC 24724's figure of Expanded: "0111101", (320x) and (15), over 9999 pounds.
        {"(01)98898765432106(3202)012345(15)991231", "00111101", 7},
        {"(01)90012345678908(3103)001750", "00100", 5},
        {"(01)90012345678908(3103)032767", "00100", 5},    // the most 15 bits hold
        {"(01)90012345678908(3103)032768", "00111000", 7}, // no date: that of (11), 38400
        {"(01)90012345678908(3202)009999", "00101", 5},
        {"(01)90012345678908(3203)022767", "00101", 5}, // 10000 added
        {"(01)90012345678908(3203)022768", "00111001", 7},
        {"(01)90012345678908(3105)099999(11)251231", "00111000", 7},
        {"(01)90012345678908(3105)100000", "01", 7}, // over 99999: the GTIN's method
        {"(01)90012345678908(3922)795", "00110010", 6},
        {"(01)90012345678908(3932)978795", "00110110", 6},
        {"(01)90012345678908(3924)795", "01", 7},               // 4 decimals: 2 bits hold 3
        {"(01)00012345678905(3103)001750", "01", 7},            // not a variable measure
        {"(01)90012345678908(11)251231(3103)001750", "01", 10}, // the date first
        {"(10)ABC", "000", 3},                                  // no GTIN: general
        {"(255)9501101534001(3941)0035", "000", 8},
    };
    for (const Method& method : methods) {
        const std::string bits = ExpandedBits(
            ReadGS1Elements(method.Value), [](int, int) { return true; }, 0);
        EXPECT_EQ(bits.substr(0, std::string_view(method.Bits).size()), method.Bits)
            << method.Value;
        EXPECT_EQ(bits.size(), method.Characters * ExpandedCharacterBits) << method.Value;
    }
}

// ISO/IEC 24724:2011 6.2: Limited is 79 modules, its right guard a light module, a dark one
// and five light.
TEST(DataBarLimited, SeventyNineModulesEndingInFiveLight) {
    const std::string row = EncodeDataBarLimited("0950110153000").Rows.at(0);
    EXPECT_EQ(row.size(), 79U);
    EXPECT_EQ(row.substr(row.size() - 7), "0100000");
    EXPECT_EQ(row.substr(0, 2), "01");
}

} // namespace
} // namespace quillmark
