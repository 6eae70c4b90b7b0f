// Code 39 and its full-ASCII form.
#include "encoders.h"
#include "full_ascii_tables.h"
#include "pattern_writer.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace quillmark {

namespace {

struct Code39Row {
    char Ch;
    std::string_view Pattern; // bar, space, ... bar: '5'/'0' narrow, '6'/'1' wide
    std::int8_t CheckValue;   // the character's value in the modulo-43 sum
};

constexpr std::array<Code39Row, 44> Code39Table{{
    {'0', "505160605", 0},  {'1', "605150506", 1},  {'2', "506150506", 2},  {'3', "606150505", 3},
    {'4', "505160506", 4},  {'5', "605160505", 5},  {'6', "506160505", 6},  {'7', "505150606", 7},
    {'8', "605150605", 8},  {'9', "506150605", 9},  {'A', "605051506", 10}, {'B', "506051506", 11},
    {'C', "606051505", 12}, {'D', "505061506", 13}, {'E', "605061505", 14}, {'F', "506061505", 15},
    {'G', "505051606", 16}, {'H', "605051605", 17}, {'I', "506051605", 18}, {'J', "505061605", 19},
    {'K', "605050516", 20}, {'L', "506050516", 21}, {'M', "606050515", 22}, {'N', "505060516", 23},
    {'O', "605060515", 24}, {'P', "506060515", 25}, {'Q', "505050616", 26}, {'R', "605050615", 27},
    {'S', "506050615", 28}, {'T', "505060615", 29}, {'U', "615050506", 30}, {'V', "516050506", 31},
    {'W', "616050505", 32}, {'X', "515060506", 33}, {'Y', "615060505", 34}, {'Z', "516060505", 35},
    {'-', "515050606", 36}, {'.', "615050605", 37}, {' ', "516050605", 38}, {'*', "515060605", 0},
    {'$', "515151505", 39}, {'/', "515150515", 40}, {'+', "515051515", 41}, {'%', "505151515", 42},
}};

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

// Each row's nine elements followed by the gap.
constexpr auto Code39Characters = [] {
    std::array<std::array<char, CharacterSize>, Code39Table.size()> characters{};
    for (std::size_t row = 0; row < characters.size(); ++row) {
        for (std::size_t i = 0; i < 9; ++i)
            characters[row][i] = Code39Table[row].Pattern[i];
        characters[row][9] = Gap;
    }
    return characters;
}();

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
    out.Put(Code39Table[StartStopRow].Pattern);
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
