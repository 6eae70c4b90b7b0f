// POSTNET: full and short bars separated by wide spaces.
#include "element_notation.h"
#include "encoders.h"

#include <array>
#include <string_view>
#include <utility>

namespace quillmark {

namespace {

// USPS Publication 25: each digit's five bars, 1 full and 0 half, weighted 7, 4, 2, 1, 0.
constexpr std::array<std::string_view, 10> PostNetTable{
    "11000", "00011", "00101", "00110", "01001", "01010", "01100", "10001", "10010", "10100",
};

// Two full bars of five, their weights summing to the digit (to 11 for 0).
static_assert([] {
    constexpr std::array<std::size_t, 5> weights{7, 4, 2, 1, 0};
    for (std::size_t digit = 0; digit < PostNetTable.size(); ++digit) {
        const std::string_view bars = PostNetTable[digit];
        std::size_t sum = 0;
        for (std::size_t i = 0; i < bars.size(); ++i)
            sum += bars[i] == '1' ? weights[i] : 0;
        if (!IsWritten(bars, 5, "01") || CountOf(bars, '1') != 2 ||
            sum != (digit == 0 ? 11 : digit))
            return false;
    }
    return true;
}());

// A full bar "5" for 1, a short bar "A" for 0, each followed by a wide space.
constexpr auto PostNetDigits = [] {
    std::array<std::array<char, 10>, PostNetTable.size()> digits{};
    for (std::size_t digit = 0; digit < digits.size(); ++digit)
        for (std::size_t i = 0; i < 5; ++i) {
            digits[digit][2 * i] = PostNetTable[digit][i] == '1' ? '5' : 'A';
            digits[digit][2 * i + 1] = '1';
        }
    return digits;
}();

} // namespace

void EncodeCodePostNet(const std::string& Value, std::string& Pattern) {
    std::string pattern = "51";
    for (const char digit : Value) {
        const auto& bars = PostNetDigits[DigitValue(digit)];
        pattern.append(bars.data(), bars.size());
    }
    pattern += "5";
    Pattern = std::move(pattern);
}

} // namespace quillmark
