// Interleaved, Industrial and Matrix 2 of 5.
#include "encoders.h"

#include <array>
#include <string_view>

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
    return TwoOfFiveTable[(Digit - '0') * 5 + Flag] == '1';
}

char Bar(bool Wide) {
    return Wide ? '6' : '5';
}
char Space(bool Wide) {
    return Wide ? '1' : '0';
}

} // namespace

void EncodeCode_2_5_interleaved(const std::string& Value, std::string& Pattern) {
    Pattern = "5050";
    // An odd last digit has no partner and is left out.
    for (std::size_t k = 0; k + 1 < Value.size(); k += 2) {
        for (int j = 0; j < 5; ++j) {
            Pattern += Bar(IsWide(Value[k], j));
            Pattern += Space(IsWide(Value[k + 1], j));
        }
    }
    Pattern += "605";
}

void EncodeCode_2_5_industrial(const std::string& Value, std::string& Pattern) {
    Pattern = "606050";
    for (const char digit : Value)
        for (int j = 0; j < 5; ++j)
            Pattern += IsWide(digit, j) ? "60" : "50";
    Pattern += "605060";
}

void EncodeCode_2_5_matrix(const std::string& Value, std::string& Pattern) {
    Pattern = "705050";
    for (const char digit : Value) {
        for (int j = 0; j < 5; ++j)
            Pattern += (j % 2 == 0) ? Bar(IsWide(digit, j)) : Space(IsWide(digit, j));
        Pattern += '0';
    }
    Pattern += "70505";
}

} // namespace quillmark
