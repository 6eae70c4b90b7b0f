// MSI (Modified Plessey) with its modulo-10 check digit.
#include "element_notation.h"
#include "encoders.h"
#include "pattern_writer.h"

#include <array>
#include <string_view>

namespace quillmark {

namespace {

// MSI (Modified Plessey) as MSI Data Corporation describes it: each digit in binary-coded
// decimal, four bits, most significant first.
constexpr std::array<std::string_view, 10> MSITable{
    "0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111", "1000", "1001",
};

// Each row is its digit in binary.
static_assert([] {
    for (std::size_t digit = 0; digit < MSITable.size(); ++digit) {
        std::size_t value = 0;
        for (const char bit : MSITable[digit])
            value = 2 * value + (bit == '1' ? 1 : 0);
        if (!IsWritten(MSITable[digit], 4, "01") || value != digit)
            return false;
    }
    return true;
}());

// A 0 bit is a narrow bar and a wide space, a 1 bit a wide bar and a narrow space.
template <std::size_t N> constexpr std::array<char, 2 * N> MSIModules(std::string_view Bits) {
    std::array<char, 2 * N> modules{};
    for (std::size_t i = 0; i < N; ++i) {
        modules[2 * i] = Bits[i] == '1' ? '6' : '5';
        modules[2 * i + 1] = Bits[i] == '1' ? '0' : '1';
    }
    return modules;
}

constexpr auto MSIDigits = [] {
    std::array<std::array<char, 8>, MSITable.size()> digits{};
    for (std::size_t digit = 0; digit < digits.size(); ++digit)
        digits[digit] = MSIModules<4>(MSITable[digit]);
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
