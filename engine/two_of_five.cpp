// Interleaved, Industrial and Matrix 2 of 5.
#include "encoders.h"

#include <array>
#include <string_view>
#include <utility>

namespace quillmark {

namespace {

// The standard two-of-five digit table: five flags per digit, '1' wide, '0' narrow.
constexpr std::string_view TwoOfFiveTable = "00110"  // 0
                                            "10001"  // 1
                                            "01001"  // 2
                                            "11000"  // 3
                                            "00101"  // 4
                                            "10100"  // 5
                                            "01100"  // 6
                                            "00011"  // 7
                                            "10010"  // 8
                                            "01010"; // 9

bool IsWide(char Digit, int Flag) {
    return TwoOfFiveTable[DigitValue(Digit) * 5 + Flag] == '1';
}

char Bar(bool Wide) {
    return Wide ? '6' : '5';
}
char Space(bool Wide) {
    return Wide ? '1' : '0';
}

} // namespace

void EncodeCode_2_5_interleaved(const std::string& Value, std::string& Pattern) {
    std::string pattern = "5050";
    // An odd last digit has no partner and is left out.
    for (std::size_t k = 0; k + 1 < Value.size(); k += 2) {
        for (int j = 0; j < 5; ++j) {
            pattern += Bar(IsWide(Value[k], j));
            pattern += Space(IsWide(Value[k + 1], j));
        }
    }
    pattern += "605";
    Pattern = std::move(pattern);
}

void EncodeCode_2_5_industrial(const std::string& Value, std::string& Pattern) {
    std::string pattern = "606050";
    for (const char digit : Value)
        for (int j = 0; j < 5; ++j)
            pattern += IsWide(digit, j) ? "60" : "50";
    pattern += "605060";
    Pattern = std::move(pattern);
}

void EncodeCode_2_5_matrix(const std::string& Value, std::string& Pattern) {
    std::string pattern = "705050";
    for (const char digit : Value) {
        for (int j = 0; j < 5; ++j)
            pattern += (j % 2 == 0) ? Bar(IsWide(digit, j)) : Space(IsWide(digit, j));
        pattern += '0';
    }
    pattern += "70505";
    Pattern = std::move(pattern);
}

} // namespace quillmark
