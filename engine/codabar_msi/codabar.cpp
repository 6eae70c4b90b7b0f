// Codabar, always started with "A" and stopped with "B".
#include "element_notation.h"
#include "encoders.h"
#include "pattern_writer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace quillmark {

namespace {

struct CodabarRow {
    char Ch;
    std::string_view Elements; // bar, space, bar, space, bar, space, bar: 1 wide, 0 narrow
};

// The character table of ANSI/AIM BC3-1995 and EN 798: each character's seven elements, bar
// first, as the table prints them.
constexpr std::array<CodabarRow, 20> CodabarTable{{
    {'1', "0000110"}, {'2', "0001001"}, {'3', "1100000"}, {'4', "0010010"}, {'5', "1000010"},
    {'6', "0100001"}, {'7', "0100100"}, {'8', "0110000"}, {'9', "1001000"}, {'0', "0000011"},
    {'-', "0001100"}, {'$', "0011000"}, {':', "1000101"}, {'/', "1010001"}, {'.', "1010100"},
    {'+', "0010101"}, {'A', "0011010"}, {'B', "0101001"}, {'C', "0001011"}, {'D', "0001110"},
}};

// Seven elements each: the digits, "-" and "$" with one wide bar and one wide space,
// ":", "/", "." and "+" with three wide bars, A to D with one wide bar and two wide spaces.
static_assert(std::ranges::all_of(CodabarTable, [](const CodabarRow& Row) {
    const int bars = CountFrom(Row.Elements, '1', 0);
    const int spaces = CountFrom(Row.Elements, '1', 1);
    const bool digit = (Row.Ch >= '0' && Row.Ch <= '9') || Row.Ch == '-' || Row.Ch == '$';
    const bool startStop = Row.Ch >= 'A' && Row.Ch <= 'D';
    return IsWritten(Row.Elements, 7, "01") && (digit       ? bars == 1 && spaces == 1
                                                : startStop ? bars == 1 && spaces == 2
                                                            : bars == 3 && spaces == 0);
}));
static_assert(AllDistinct(CodabarTable, [](const CodabarRow& Row) { return Row.Elements; }));

constexpr int RowA = 16;
constexpr int RowB = 17;

constexpr int SearchCodabarChar(char Ch) {
    for (std::size_t i = 0; i < CodabarTable.size(); ++i)
        if (CodabarTable[i].Ch == Ch)
            return static_cast<int>(i);
    return -1;
}

// The table row of every byte, -1 for those outside the symbology.
constexpr std::array<std::int8_t, 256> CodabarRows = [] {
    std::array<std::int8_t, 256> rows{};
    for (std::size_t code = 0; code < rows.size(); ++code)
        rows[code] = static_cast<std::int8_t>(SearchCodabarChar(static_cast<char>(code)));
    return rows;
}();

// Each row's seven elements as pattern characters, followed by the narrow gap.
constexpr auto CodabarCharacters = [] {
    std::array<std::array<char, 8>, CodabarTable.size()> characters{};
    for (std::size_t row = 0; row < characters.size(); ++row) {
        const auto elements = NarrowWideModules<7>(CodabarTable[row].Elements, '1');
        std::ranges::copy(elements, characters[row].begin());
        characters[row][7] = '0';
    }
    return characters;
}();
constexpr auto StopModules = NarrowWideModules<7>(CodabarTable[RowB].Elements, '1');

} // namespace

int FindCodabarChar(char Ch) {
    return CodabarRows[static_cast<unsigned char>(Ch)];
}

void EncodeCodeCodabar(const std::string& Value, std::string& Pattern) {
    for (const char ch : Value)
        if (FindCodabarChar(ch) < 0)
            throw Exception(Value + " : Codabar bad data.");
    TPatternWriter out(Pattern, 8 * (Value.size() + 1) + 7);
    out.Put(CodabarCharacters[RowA]);
    for (const char ch : Value)
        out.Put(CodabarCharacters[static_cast<std::size_t>(FindCodabarChar(ch))]);
    out.Put(StopModules);
    out.Finish();
}

} // namespace quillmark
