// GS1 DataBar's GTIN forms: the value's refusals, the rows' heights and widths as the
// standard's figures give them, and one symbol's modules as zint 2.11 draws them
// (zint -b 29 -d 0950110153000 --dump); the peer suite compares thousands more.
#include "databar.h"

#include <quillmark/engine.h>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

struct Refusal {
    const char* Value;
    const char* Message;
};

TEST(DataBarGtin, RefusesWithWhatToChange) {
    const Refusal refusals[] = {
        {"0950110153000X",
         "GS1 DataBar carries a GTIN of digits alone: remove 'X' at position 14."},
        {"095011015300", "GS1 DataBar carries a GTIN of 13 digits, or 14 with its check digit; "
                         "the value has 12."},
        {"09501101530004", "The GTIN's check digit should be 3, not 4."},
    };
    for (const Refusal& refusal : refusals) {
        try {
            EncodeDataBar(refusal.Value, TDataBarForm::Omnidirectional);
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

} // namespace
} // namespace quillmark
