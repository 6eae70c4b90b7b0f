// Codabar, always started with "A" and stopped with "B".
#include "encoders.h"
#include "pattern_writer.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace quillmark {

namespace {

struct CodabarRow {
    char Ch;
    std::string_view Pattern; // bar, space, bar, space, bar, space, bar
};

constexpr std::array<CodabarRow, 20> CodabarTable{{
    {'1', "5050615"}, {'2', "5051506"}, {'3', "6150505"}, {'4', "5060515"}, {'5', "6050515"},
    {'6', "5150506"}, {'7', "5150605"}, {'8', "5160505"}, {'9', "6051505"}, {'0', "5050516"},
    {'-', "5051605"}, {'$', "5061505"}, {':', "6050606"}, {'/', "6060506"}, {'.', "6060605"},
    {'+', "5060606"}, {'A', "5061515"}, {'B', "5151506"}, {'C', "5051516"}, {'D', "5051615"},
}};

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

// Each row's seven elements followed by the narrow gap.
constexpr auto CodabarCharacters = [] {
    std::array<std::array<char, 8>, CodabarTable.size()> characters{};
    for (std::size_t row = 0; row < characters.size(); ++row) {
        for (std::size_t i = 0; i < 7; ++i)
            characters[row][i] = CodabarTable[row].Pattern[i];
        characters[row][7] = '0';
    }
    return characters;
}();

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
    out.Put(CodabarTable[RowB].Pattern);
    out.Finish();
}

} // namespace quillmark
