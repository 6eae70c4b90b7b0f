// MSI (Modified Plessey) with its modulo-10 check digit.
#include "encoders.h"

#include <array>
#include <string_view>
#include <utility>

namespace quillmark {

namespace {

// Each digit as four bits, most significant first: 0 bit "51", 1 bit "60".
constexpr std::array<std::string_view, 10> MSITable{
    "51515151", "51515160", "51516051", "51516060", "51605151",
    "51605160", "51606051", "51606060", "60515151", "60515160",
};

int MSICheckDigit(const std::string& Value) {
    int sum = 0; // kept reduced: a value of any length cannot overflow it
    const std::size_t n = Value.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int digit = DigitValue(Value[n - 1 - i]);
        sum = (sum + ((i % 2 == 0) ? DigitSum(2 * digit) : digit)) % 10;
    }
    return (10 - sum % 10) % 10;
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
    std::string pattern = "60";
    for (const char digit : Value)
        pattern += MSITable[DigitValue(digit)];
    pattern += MSITable[MSICheckDigit(Value)];
    pattern += "515";
    Pattern = std::move(pattern);
}

} // namespace quillmark
