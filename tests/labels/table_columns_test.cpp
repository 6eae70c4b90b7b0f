// Columns named by a header's name or by number, and the refusals that list the columns
// there are.
#include "../matrix/refusal.h"

#include <table_columns.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillmark {
namespace {

const std::vector<std::string> Header = {"sku", "name", "price", "2024"};

TEST(TableColumns, ResolvesNamesAndNumbers) {
    struct Case {
        std::string Name;
        std::size_t Index;
    };
    const Case cases[] = {{"sku", 0},
                          {"price", 2},
                          {"1", 0},
                          {"3", 2},
                          // A header's name wins over the number it also reads as.
                          {"2024", 3},
                          {"4", 3}};
    const TTableColumns Columns(Header, Header.size());
    for (const auto& Case : cases)
        EXPECT_EQ(Columns.Resolve(Case.Name), Case.Index) << Case.Name;
    EXPECT_EQ(TTableColumns({}, 2).Resolve("2"), 1U);
}

TEST(TableColumns, RefusalsNameTheColumnAndTheOnesThereAre) {
    std::vector<std::string> Long;
    for (int I = 1; I <= 12; ++I)
        Long.push_back("c" + std::to_string(I));
    struct Case {
        std::vector<std::string> Header;
        std::size_t FieldCount;
        std::string Name;
        std::string Says;
    };
    const Case cases[] = {
        {Header, 4, "SKU",
         "There is no column named 'SKU'; the header names 'sku', 'name', 'price', '2024', or "
         "give a column's number, 1 to 4."},
        {Header, 4, "5", "There is no column 5: the table's columns are 1 to 4."},
        {Header, 4, "0", "There is no column 0: the table's columns are 1 to 4."},
        {Header, 4, "+1", "There is no column named '+1'"},
        {{}, 3, "sku", "the table has no header row, so name a column by its number, 1 to 3."},
        {{}, 0, "1", "There is no column '1': the table has no rows."},
        {{"a", "b", "a"}, 3, "a", "Two columns are named 'a', 1 and 3; name the column by its"},
        {Long, 12, "x", "'c7', 'c8' and 4 more, or give a column's number, 1 to 12."},
    };
    for (const auto& Case : cases) {
        const auto Refusal = testing::MessageOf(
            [&] { TTableColumns(Case.Header, Case.FieldCount).Resolve(Case.Name); });
        EXPECT_NE(Refusal.find(Case.Says), std::string::npos) << Refusal;
    }
}

} // namespace
} // namespace quillmark
