// MSI (Modified Plessey) with its modulo-10 check digit.
#include "encoders.h"
#include "pattern_writer.h"

#include <array>
#include <string_view>

namespace quillmark {

namespace {

// Each digit as four bits, most significant first: 0 bit "51", 1 bit "60".
constexpr std::array<std::string_view, 10> MSITable{
    "51515151", "51515160", "51516051", "51516060", "51605151",
    "51605160", "51606051", "51606060", "60515151", "60515160",
};

// The same rows at a fixed size, which the pattern writer copies without a call.
constexpr auto MSIDigits = [] {
    std::array<std::array<char, 8>, MSITable.size()> digits{};
    for (std::size_t digit = 0; digit < digits.size(); ++digit)
        for (std::size_t i = 0; i < 8; ++i)
            digits[digit][i] = MSITable[digit][i];
    return digits;
}();

// The digit sum of twice each digit, which the check weights the odd positions with.
constexpr std::array<int, 10> DoubledDigitSums{0, 2, 4, 6, 8, 1, 3, 5, 7, 9};

// Value holds digits only (checked by the caller).
int MSICheckDigit(const std::string& Value) {
    int sum = 0; // kept reduced: a value of any length cannot overflow it
    const std::size_t n = Value.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int digit = Value[n - 1 - i] - '0';
        sum += i % 2 == 0 ? DoubledDigitSums[static_cast<std::size_t>(digit)] : digit;
        sum = sum >= 10 ? sum - 10 : sum;
    }
    return (10 - sum) % 10;
}

} // namespace

int DigitSum(int Number) {
    int sum = 0;
    while (Number > 0) {
        sum += Number % 10;
        Number /= 10;
    }
    return sum;
}

void EncodeCodeMSI(const std::string& Value, std::string& Pattern) {
    RequireDigits(Value, Value.size());
    TPatternWriter out(Pattern, 2 + 8 * (Value.size() + 1) + 3);
    out.Put("60");
    for (const char digit : Value)
        out.Put(MSIDigits[static_cast<std::size_t>(digit - '0')]);
    out.Put(MSIDigits[static_cast<std::size_t>(MSICheckDigit(Value))]);
    out.Put("515");
    out.Finish();
}

} // namespace quillmark
