// Code 39 and its full-ASCII form.
#include "element_notation.h"
#include "encoders.h"
#include "full_ascii_tables.h"
#include "pattern_writer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace quillmark {

namespace {

struct Code39Row {
    char Ch;
    std::string_view Elements; // bar, space, ... bar: 1 wide, 0 narrow
    std::int8_t CheckValue;    // the character's value in the modulo-43 sum
};

// ISO/IEC 16388:2007 Table 1: each character's nine elements, bar first, as the table prints
// them, and its value for the optional modulo-43 check character.
constexpr std::array<Code39Row, 44> Code39Table{{
    {'0', "000110100", 0},  {'1', "100100001", 1},  {'2', "001100001", 2},  {'3', "101100000", 3},
    {'4', "000110001", 4},  {'5', "100110000", 5},  {'6', "001110000", 6},  {'7', "000100101", 7},
    {'8', "100100100", 8},  {'9', "001100100", 9},  {'A', "100001001", 10}, {'B', "001001001", 11},
    {'C', "101001000", 12}, {'D', "000011001", 13}, {'E', "100011000", 14}, {'F', "001011000", 15},
    {'G', "000001101", 16}, {'H', "100001100", 17}, {'I', "001001100", 18}, {'J', "000011100", 19},
    {'K', "100000011", 20}, {'L', "001000011", 21}, {'M', "101000010", 22}, {'N', "000010011", 23},
    {'O', "100010010", 24}, {'P', "001010010", 25}, {'Q', "000000111", 26}, {'R', "100000110", 27},
    {'S', "001000110", 28}, {'T', "000010110", 29}, {'U', "110000001", 30}, {'V', "011000001", 31},
    {'W', "111000000", 32}, {'X', "010010001", 33}, {'Y', "110010000", 34}, {'Z', "011010000", 35},
    {'-', "010000101", 36}, {'.', "110000100", 37}, {' ', "011000100", 38}, {'*', "010010100", 0},
    {'$', "010101000", 39}, {'/', "010100010", 40}, {'+', "010001010", 41}, {'%', "000101010", 42},
}};

// Every character has nine elements, three of them wide: two bars and a space, or, for
// "$", "/", "+" and "%", three spaces.
static_assert(std::ranges::all_of(Code39Table, [](const Code39Row& Row) {
    const int wideBars = CountFrom(Row.Elements, '1', 0);
    return IsWritten(Row.Elements, 9, "01") && CountOf(Row.Elements, '1') == 3 &&
           (wideBars == 2 || wideBars == 0);
}));
static_assert(AllDistinct(Code39Table, [](const Code39Row& Row) { return Row.Elements; }));

constexpr int StartStopRow = 39;          // '*'
constexpr char Gap = '0';                 // narrow space between characters
constexpr std::size_t CharacterSize = 10; // nine elements and the gap

constexpr int SearchCode39Char(char Ch) {
    for (std::size_t i = 0; i < Code39Table.size(); ++i)
        if (Code39Table[i].Ch == Ch)
            return static_cast<int>(i);
    return -1;
}

// The table row of every byte, -1 for those outside the symbology.
constexpr std::array<std::int8_t, 256> Code39Rows = [] {
    std::array<std::int8_t, 256> rows{};
    for (std::size_t code = 0; code < rows.size(); ++code)
        rows[code] = static_cast<std::int8_t>(SearchCode39Char(static_cast<char>(code)));
    return rows;
}();

// Each row's nine elements as pattern characters, followed by the gap.
constexpr auto Code39Characters = [] {
    std::array<std::array<char, CharacterSize>, Code39Table.size()> characters{};
    for (std::size_t row = 0; row < characters.size(); ++row) {
        const auto elements = NarrowWideModules<9>(Code39Table[row].Elements, '1');
        std::ranges::copy(elements, characters[row].begin());
        characters[row][9] = Gap;
    }
    return characters;
}();
constexpr auto StopModules = NarrowWideModules<9>(Code39Table[StartStopRow].Elements, '1');

// The check character of a sum: the first row with that value, so a remainder of 0 gives
// "0", not "*".
constexpr std::array<std::int8_t, 43> Code39CheckRows = [] {
    std::array<std::int8_t, 43> rows{};
    for (std::size_t sum = 0; sum < rows.size(); ++sum) {
        std::size_t row = 0;
        while (Code39Table[row].CheckValue != static_cast<int>(sum))
            ++row;
        rows[sum] = static_cast<std::int8_t>(row);
    }
    return rows;
}();

// Writes the symbol for the characters Each hands over, one call per character; Count is
// an upper bound on their number.
template <typename ForEach>
void WriteCode39(std::size_t Count, TCheckSum CheckSum, std::string& Pattern, ForEach Each) {
    TPatternWriter out(Pattern, CharacterSize * (Count + 2) + 9);
    out.Put(Code39Characters[StartStopRow]);
    int sum = 0; // kept reduced so that no length of value can overflow it
    Each([&](char Ch) {
        const int row = Code39Rows[static_cast<unsigned char>(Ch)];
        if (row < 0)
            return; // not in the symbology: dropped from the bars, kept in the text
        out.Put(Code39Characters[static_cast<std::size_t>(row)]);
        sum += Code39Table[static_cast<std::size_t>(row)].CheckValue;
        sum = sum >= 43 ? sum - 43 : sum;
    });
    // Only csModulo10 adds the check character; any other value counts as csNone, as in
    // every encoder.
    if (CheckSum == csModulo10)
        out.Put(Code39Characters[static_cast<std::size_t>(
            Code39CheckRows[static_cast<std::size_t>(sum)])]);
    out.Put(StopModules);
    out.Finish();
}

} // namespace

int FindCode39Char(char Ch) {
    return Code39Rows[static_cast<unsigned char>(Ch)];
}

void EncodeCode39(const std::string& Value, TCheckSum CheckSum, std::string& Pattern) {
    WriteCode39(Value.size(), CheckSum, Pattern, [&Value](const auto& Add) {
        for (const char ch : Value)
            Add(ch);
    });
}

void EncodeCode39Extended(const std::string& Value, TCheckSum CheckSum, std::string& Pattern) {
    // Every character expands to at most two.
    WriteCode39(2 * Value.size(), CheckSum, Pattern, [&Value](const auto& Add) {
        for (const char ch : Value) {
            const auto code = static_cast<unsigned char>(ch);
            if (code < Code39ExtendedTable.size())
                for (const char part : Code39ExtendedTable[code])
                    Add(part);
        }
    });
}

} // namespace quillmark
