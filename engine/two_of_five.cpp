// Interleaved, Industrial and Matrix 2 of 5.
#include "encoders.h"
#include "pattern_writer.h"

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

constexpr bool IsWide(std::size_t Digit, std::size_t Flag) {
    return TwoOfFiveTable[Digit * 5 + Flag] == '1';
}

constexpr char Bar(bool Wide) {
    return Wide ? '6' : '5';
}
constexpr char Space(bool Wide) {
    return Wide ? '1' : '0';
}

// Interleaved: the first digit of a pair in the bars, the second in the spaces.
constexpr auto InterleavedPairs = [] {
    std::array<std::array<char, 10>, 100> pairs{};
    for (std::size_t pair = 0; pair < pairs.size(); ++pair)
        for (std::size_t j = 0; j < 5; ++j) {
            pairs[pair][2 * j] = Bar(IsWide(pair / 10, j));
            pairs[pair][2 * j + 1] = Space(IsWide(pair % 10, j));
        }
    return pairs;
}();

// Industrial: every flag a bar, each followed by a narrow space.
constexpr auto IndustrialDigits = [] {
    std::array<std::array<char, 10>, 10> digits{};
    for (std::size_t digit = 0; digit < digits.size(); ++digit)
        for (std::size_t j = 0; j < 5; ++j) {
            digits[digit][2 * j] = Bar(IsWide(digit, j));
            digits[digit][2 * j + 1] = '0';
        }
    return digits;
}();

// Matrix: bar, space, bar, space, bar, then the narrow gap.
constexpr auto MatrixDigits = [] {
    std::array<std::array<char, 6>, 10> digits{};
    for (std::size_t digit = 0; digit < digits.size(); ++digit) {
        for (std::size_t j = 0; j < 5; ++j)
            digits[digit][j] = j % 2 == 0 ? Bar(IsWide(digit, j)) : Space(IsWide(digit, j));
        digits[digit][5] = '0';
    }
    return digits;
}();

std::size_t Digit(char Ch) {
    return static_cast<std::size_t>(Ch - '0');
}

} // namespace

void EncodeCode_2_5_interleaved(const std::string& Value, std::string& Pattern) {
    // An odd last digit has no partner and is left out.
    const std::size_t pairs = Value.size() / 2;
    RequireDigits(Value, 2 * pairs);
    TPatternWriter out(Pattern, 4 + 10 * pairs + 3);
    out.Put("5050");
    for (std::size_t k = 0; k < pairs; ++k)
        out.Put(InterleavedPairs[Digit(Value[2 * k]) * 10 + Digit(Value[2 * k + 1])]);
    out.Put("605");
    out.Finish();
}

void EncodeCode_2_5_industrial(const std::string& Value, std::string& Pattern) {
    RequireDigits(Value, Value.size());
    TPatternWriter out(Pattern, 6 + 10 * Value.size() + 6);
    out.Put("606050");
    for (const char digit : Value)
        out.Put(IndustrialDigits[Digit(digit)]);
    out.Put("605060");
    out.Finish();
}

void EncodeCode_2_5_matrix(const std::string& Value, std::string& Pattern) {
    RequireDigits(Value, Value.size());
    TPatternWriter out(Pattern, 6 + 6 * Value.size() + 5);
    out.Put("705050");
    for (const char digit : Value)
        out.Put(MatrixDigits[Digit(digit)]);
    out.Put("70505");
    out.Finish();
}

} // namespace quillmark
