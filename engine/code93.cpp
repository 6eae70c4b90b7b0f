// Code 93 and its full-ASCII form.
#include "encoders.h"
#include "full_ascii_tables.h"

#include <array>
#include <string_view>
#include <vector>

namespace quillmark {

namespace {

struct Code93Row {
    char Ch;
    std::string_view Widths; // bar, space, bar, space, bar, space: 9 modules
};

// Indexed by symbol value. "[", "]", "{" and "}" are the shifts ($), (%), (/) and (+).
constexpr std::array<Code93Row, 47> Code93Table{{
    {'0', "131112"}, {'1', "111213"}, {'2', "111312"}, {'3', "111411"}, {'4', "121113"},
    {'5', "121212"}, {'6', "121311"}, {'7', "111114"}, {'8', "131211"}, {'9', "141111"},
    {'A', "211113"}, {'B', "211212"}, {'C', "211311"}, {'D', "221112"}, {'E', "221211"},
    {'F', "231111"}, {'G', "112113"}, {'H', "112212"}, {'I', "112311"}, {'J', "122112"},
    {'K', "132111"}, {'L', "111123"}, {'M', "111222"}, {'N', "111321"}, {'O', "121122"},
    {'P', "131121"}, {'Q', "212112"}, {'R', "212211"}, {'S', "211122"}, {'T', "211221"},
    {'U', "221121"}, {'V', "222111"}, {'W', "112122"}, {'X', "112221"}, {'Y', "122121"},
    {'Z', "123111"}, {'-', "121131"}, {'.', "311112"}, {' ', "311211"}, {'$', "321111"},
    {'/', "112131"}, {'+', "113121"}, {'%', "211131"}, {'[', "121221"}, {']', "312111"},
    {'{', "311121"}, {'}', "122211"},
}};

constexpr std::string_view Code93Start = "111141";
constexpr std::string_view Code93Stop = "1111411"; // stop character and termination bar

constexpr int Modulus = 47;
constexpr int CWeightLimit = 20;
constexpr int KWeightLimit = 15;

} // namespace

int FindCode93Char(char Ch) {
    for (std::size_t i = 0; i < Code93Table.size(); ++i)
        if (Code93Table[i].Ch == Ch)
            return static_cast<int>(i);
    return -1;
}

void EncodeCode93(const std::string& Value, std::string& Pattern) {
    std::string widths(Code93Start);
    std::vector<int> values;
    values.reserve(Value.size());
    for (const char ch : Value) {
        const int v = FindCode93Char(ch);
        if (v < 0)
            throw Exception(Value + " : Code_93 bad data.");
        widths += Code93Table[v].Widths;
        values.push_back(v);
    }

    // Weights run from the last character; the K sum also counts C with weight 1. Both
    // sums are kept reduced so that no length of value can overflow them.
    int cSum = 0;
    int kSum = 0;
    int cWeight = 1;
    int kWeight = 2;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        cSum = (cSum + *it * cWeight) % Modulus;
        kSum = (kSum + *it * kWeight) % Modulus;
        cWeight = cWeight == CWeightLimit ? 1 : cWeight + 1;
        kWeight = kWeight == KWeightLimit ? 1 : kWeight + 1;
    }
    const int c = cSum;
    const int k = (kSum + cSum) % Modulus;
    widths += Code93Table[c].Widths;
    widths += Code93Table[k].Widths;
    widths += Code93Stop;
    Pattern = WidthsToModules(widths);
}

void EncodeCode93Extended(const std::string& Value, std::string& Pattern) {
    std::string expanded;
    expanded.reserve(Value.size() * 2);
    for (const char ch : Value) {
        const auto code = static_cast<unsigned char>(ch);
        if (code < Code93ExtendedTable.size())
            expanded += Code93ExtendedTable[code];
    }
    EncodeCode93(expanded, Pattern);
}

} // namespace quillmark
