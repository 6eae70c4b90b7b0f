#include "read_grid.h"
#include "refusal.h"

#include <quillmark/engine.h>
#include <quillmark/matrix.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

namespace quillmark {
namespace {

using namespace std::string_literals;
using testing::ReadGrid;

// ISO/IEC 16022 Table 7: the ECC 200 symbols, rows x columns, with their data capacity in
// ASCII digits (two a codeword); 144x144 (3116 digits) is refused, below.
struct SymbolSize {
    int Rows;
    int Columns;
    int Digits;
};
constexpr std::array<SymbolSize, 29> Sizes{{
    {10, 10, 6},      {12, 12, 10},     {14, 14, 16},     {16, 16, 24},   {18, 18, 36},
    {20, 20, 44},     {22, 22, 60},     {24, 24, 72},     {26, 26, 88},   {32, 32, 124},
    {36, 36, 172},    {40, 40, 228},    {44, 44, 288},    {48, 48, 348},  {52, 52, 408},
    {64, 64, 560},    {72, 72, 736},    {80, 80, 912},    {88, 88, 1152}, {96, 96, 1392},
    {104, 104, 1632}, {120, 120, 2100}, {132, 132, 2608}, {8, 18, 10},    {8, 32, 20},
    {12, 26, 32},     {12, 36, 44},     {16, 36, 64},     {16, 48, 98},
}};

class DataMatrixSizes : public ::testing::TestWithParam<SymbolSize> {};

// Each size holds its full capacity of digits at that size, and one digit pair more does not.
TEST_P(DataMatrixSizes, HoldsItsCapacityAndNoMore) {
    const SymbolSize size = GetParam();
    const TDataMatrixOptions fixed{TDataMatrixShape::Square, size.Rows, size.Columns, false};
    const std::string digits(size.Digits, '5');
    const TModuleGrid grid = EncodeDataMatrix(digits, fixed);
    EXPECT_EQ(grid.Rows, size.Rows);
    EXPECT_EQ(grid.Columns, size.Columns);
    EXPECT_EQ(grid.QuietZone, 1);
    const auto reading = ReadGrid(grid, 3);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->Bytes, digits);
    EXPECT_THROW(EncodeDataMatrix(digits + "55", fixed), Exception);
}

INSTANTIATE_TEST_SUITE_P(Table, DataMatrixSizes, ::testing::ValuesIn(Sizes));

// The finder pattern: solid left column and bottom row, alternating top row and right column.
TEST(DataMatrixGrid, FinderPatternIsUpright) {
    const TModuleGrid grid = EncodeDataMatrix("upright", {});
    for (int i = 0; i < grid.Rows; ++i) {
        EXPECT_TRUE(grid.IsDark(0, i));
        EXPECT_EQ(grid.IsDark(grid.Columns - 1, i), i % 2 == 1) << i;
    }
    for (int i = 0; i < grid.Columns; ++i) {
        EXPECT_TRUE(grid.IsDark(i, grid.Rows - 1));
        EXPECT_EQ(grid.IsDark(i, 0), i % 2 == 0) << i;
    }
}

struct DataMatrixCase {
    std::string Bytes;
    TDataMatrixOptions Options;
    int Rows;
    int Columns;
    std::string SymbologyId;
    std::string ReadBack;
};

class DataMatrixReadBack : public ::testing::TestWithParam<DataMatrixCase> {};

TEST_P(DataMatrixReadBack, ReadsBackAtItsSize) {
    const DataMatrixCase& c = GetParam();
    const TModuleGrid grid = EncodeDataMatrix(c.Bytes, c.Options);
    EXPECT_EQ(grid.Rows, c.Rows);
    EXPECT_EQ(grid.Columns, c.Columns);
    const auto reading = ReadGrid(grid);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->Bytes, c.ReadBack);
    EXPECT_EQ(reading->SymbologyId, c.SymbologyId);
}

const std::string Gs1 = "0109501101530003\x1d"
                        "10ABC123\x1d"
                        "17261231";
// Capitals either side of a separator, where libdmtx leaves ASCII for C40.
const std::string Gs1Capitals = "10ABCDEFGHIJKLMNOPQRST\x1d"
                                "21UVWXYZABCDEFGH";

INSTANTIATE_TEST_SUITE_P(
    Cases, DataMatrixReadBack,
    ::testing::Values(
        DataMatrixCase{"123456", {}, 10, 10, "]d1", "123456"},
        DataMatrixCase{"Hello, World", {}, 16, 16, "]d1", "Hello, World"},
        DataMatrixCase{"caf\xe9\0\xff\x80"s, {}, 16, 16, "]d1", "caf\xe9\0\xff\x80"s},
        DataMatrixCase{"HELLO WORLD THIS IS UPPER CASE TEXT 123",
                       {},
                       22,
                       22,
                       "]d1",
                       "HELLO WORLD THIS IS UPPER CASE TEXT 123"},
        DataMatrixCase{"Hello", {TDataMatrixShape::Rectangle}, 8, 18, "]d1", "Hello"},
        DataMatrixCase{"12345678901234567890",
                       {TDataMatrixShape::Rectangle},
                       8,
                       32,
                       "]d1",
                       "12345678901234567890"},
        DataMatrixCase{"1234567890", {TDataMatrixShape::Any}, 12, 12, "]d1", "1234567890"},
        DataMatrixCase{"x", {TDataMatrixShape::Rectangle, 26, 26}, 26, 26, "]d1", "x"},
        DataMatrixCase{"0109501101530003",
                       {TDataMatrixShape::Square, 0, 0, true},
                       16,
                       16,
                       "]d2",
                       "0109501101530003"},
        DataMatrixCase{Gs1, {TDataMatrixShape::Square, 0, 0, true}, 20, 20, "]d2", Gs1},
        DataMatrixCase{
            Gs1Capitals, {TDataMatrixShape::Square, 0, 0, true}, 22, 22, "]d2", Gs1Capitals}));

using DataMatrixRefusal = testing::Refusal<TDataMatrixOptions>;

class DataMatrixRefuses : public ::testing::TestWithParam<DataMatrixRefusal> {};

TEST_P(DataMatrixRefuses, NamingWhatToChange) {
    const DataMatrixRefusal& c = GetParam();
    EXPECT_EQ(testing::MessageOf([&] { EncodeDataMatrix(c.Bytes, c.Settings); }), c.Message);
}

constexpr char NoSuchSize[] = " symbol; choose 0x0 (automatic), a square from 10x10 to 144x144 "
                              "or a rectangle from 8x18 to 16x48";

const std::string Largest =
    "Data Matrix 144x144 is not available (libdmtx's symbols of that size do not read back): ";
const std::string Smaller = "; choose 132x132 or smaller and shorten the data to fit";

INSTANTIATE_TEST_SUITE_P(
    Cases, DataMatrixRefuses,
    ::testing::Values(
        DataMatrixRefusal{
            "x", {TDataMatrixShape::Square, 11, 11}, "Data Matrix has no 11x11"s + NoSuchSize},
        DataMatrixRefusal{
            "x", {TDataMatrixShape::Square, 18, 8}, "Data Matrix has no 18x8"s + NoSuchSize},
        DataMatrixRefusal{
            "x", {TDataMatrixShape::Square, 10, 0}, "Data Matrix has no 10x0"s + NoSuchSize},
        DataMatrixRefusal{"1234567",
                          {TDataMatrixShape::Square, 10, 10},
                          "too much data for Data Matrix 10x10: 7 bytes; choose a larger size "
                          "or 0x0 (automatic)"},
        DataMatrixRefusal{"1", {TDataMatrixShape::Square, 144, 144}, Largest + "1 bytes" + Smaller},
        DataMatrixRefusal{std::string(2700, '1'), {}, Largest + "2700 bytes" + Smaller},
        DataMatrixRefusal{std::string(100, 'x'),
                          {TDataMatrixShape::Rectangle},
                          "too much data for a rectangular Data Matrix: 100 bytes; choose another "
                          "shape or shorten the data"},
        DataMatrixRefusal{std::string(3200, '1'),
                          {TDataMatrixShape::Any},
                          "too much data for a square or rectangular Data Matrix: 3200 bytes; "
                          "choose another shape or shorten the data"},
        DataMatrixRefusal{"", {}, "no data to encode; give at least one byte"}));

} // namespace
} // namespace quillmark
