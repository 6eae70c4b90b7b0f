// GS1 DataBar's GTIN forms: the value's refusals, the rows' heights and widths as the
// standard's figures give them, and one symbol's modules as zint 2.11 draws them
// (zint -b 29 -d 0950110153000 --dump); the peer suite compares thousands more.
#include "databar.h"

#include <quillmark/engine.h>

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
// leaves out.
TEST(DataBarExpanded, ZxingReadsTheElementStrings) {
    for (const char* value : {"(01)09501101530003(17)260101(10)AB-123abc", "(235)x(10)1",
                              "(00)123456789012345675(21)!\"%&'*+,-./:;<=>?_"}) {
        const auto scanned =
            testing::Scan(testing::RasteriseGrid(Grid(EncodeDataBarExpanded(value)), 2));
        ASSERT_TRUE(scanned) << value;
        EXPECT_EQ(scanned->Format, "DataBarExpanded");
        EXPECT_EQ(scanned->Text, value);
    }
}

} // namespace
} // namespace quillmark
