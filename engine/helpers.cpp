#include "encoders.h"
#include "engine.h"

#include <cstdint>

namespace quillmark {

std::string WidthsToModules(const std::string& Widths) {
    std::string result = Widths;
    for (std::size_t i = 0; i < result.size(); ++i) {
        // Even indexes are bars (digit + 4 gives '5'..'8'), odd ones spaces ('0'..'3').
        const auto code = static_cast<unsigned char>(result[i]);
        result[i] = static_cast<char>(i % 2 == 0 ? code + 4 : code - 1);
    }
    return result;
}

int DigitValue(char Ch) {
    if (Ch < '0' || Ch > '9')
        throw EConvertError("'" + std::string(1, Ch) + "' is not a valid integer value");
    return Ch - '0';
}

void RequireDigits(const std::string& Value, std::size_t Count) {
    for (std::size_t i = 0; i < Count; ++i)
        if (Value[i] < '0' || Value[i] > '9')
            DigitValue(Value[i]);
}

std::string AppendMod10(const std::string& Value) {
    // Each term is at most 27, so the plain sum cannot overflow for any value that fits in
    // memory; it is reduced once at the end.
    std::uint64_t sum = 0;
    const std::size_t n = Value.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char ch = Value[n - 1 - i];
        const int digit = ch >= '0' && ch <= '9' ? ch - '0' : DigitValue(ch);
        sum += static_cast<std::uint64_t>(i % 2 == 0 ? digit * 3 : digit);
    }
    const int r = static_cast<int>(sum % 10);
    std::string result;
    result.reserve(n + 1);
    result += Value;
    result += static_cast<char>('0' + (r == 0 ? 0 : 10 - r));
    return result;
}

std::string ApplyCheckSum(TCheckSum Mode, const std::string& Value) {
    return Mode == csModulo10 ? AppendMod10(Value) : Value;
}

std::string PadZeros(std::uint8_t Length, const std::string& Value) {
    if (Value.size() >= Length)
        return Value;
    return std::string(Length - Value.size(), '0') + Value;
}

} // namespace quillmark
