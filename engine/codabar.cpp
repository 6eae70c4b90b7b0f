// Codabar, always started with "A" and stopped with "B".
#include "encoders.h"

#include <array>
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

} // namespace

int FindCodabarChar(char Ch) {
    for (std::size_t i = 0; i < CodabarTable.size(); ++i)
        if (CodabarTable[i].Ch == Ch)
            return static_cast<int>(i);
    return -1;
}

void EncodeCodeCodabar(const std::string& Value, std::string& Pattern) {
    std::string pattern(CodabarTable[RowA].Pattern);
    pattern += '0';
    for (const char ch : Value) {
        const int row = FindCodabarChar(ch);
        if (row < 0)
            throw Exception(Value + " : Codabar bad data.");
        pattern += CodabarTable[row].Pattern;
        pattern += '0';
    }
    pattern += CodabarTable[RowB].Pattern;
    Pattern = std::move(pattern);
}

} // namespace quillmark
