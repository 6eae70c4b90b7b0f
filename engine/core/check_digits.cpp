#include "encoders.h"
#include "engine.h"

#include <cstdint>
#include <string_view>

namespace quillmark {

char Mod10CheckDigit(std::string_view Value) {
    // The first character from the right that is no digit is the one refused.
    const bool checked = AllDigits(Value);
    const auto digit = [checked](char Ch) {
        return checked || static_cast<unsigned char>(Ch - '0') <= 9 ? Ch - '0' : DigitValue(Ch);
    };
    // From the right: weight 3, then 1, and so on. Each pair adds at most 36, so the plain
    // sum cannot overflow for any value that fits in memory; it is reduced once at the end.
    std::uint64_t sum = 0;
    std::size_t i = Value.size();
    for (; i >= 2; i -= 2) {
        const int odd = digit(Value[i - 1]);
        const int even = digit(Value[i - 2]);
        sum += static_cast<std::uint64_t>(3 * odd + even);
    }
    if (i == 1)
        sum += static_cast<std::uint64_t>(3 * digit(Value[0]));
    const int r = static_cast<int>(sum % 10);
    return static_cast<char>('0' + (r == 0 ? 0 : 10 - r));
}

std::string AppendMod10(const std::string& Value) {
    std::string result;
    result.reserve(Value.size() + 1);
    result += Value;
    result += Mod10CheckDigit(Value);
    return result;
}

std::string ApplyCheckSum(TCheckSum Mode, const std::string& Value) {
    return Mode == csModulo10 ? AppendMod10(Value) : Value;
}

} // namespace quillmark
