#include "encoders.h"
#include "engine.h"

#include <cstdint>
#include <cstring>
#include <string_view>

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

namespace {

[[noreturn, gnu::noinline]] void RaiseNotInteger(char Ch) {
    throw EConvertError("'" + std::string(1, Ch) + "' is not a valid integer value");
}

} // namespace

int DigitValue(char Ch) {
    if (Ch < '0' || Ch > '9')
        RaiseNotInteger(Ch);
    return Ch - '0';
}

namespace {

// Eight characters at once: a byte is a digit when its top bit is clear, it reaches 0x30
// and it stays below 0x3A. With the top bits masked off, adding 0x50 or 0x46 to each byte
// sets its top bit exactly at those bounds and never carries into the next byte.
bool EightDigits(const char* Text) {
    constexpr std::uint64_t Ones = 0x0101010101010101;
    constexpr std::uint64_t Tops = 0x80 * Ones;
    std::uint64_t word = 0;
    std::memcpy(&word, Text, sizeof word);
    const std::uint64_t low = word & (0x7F * Ones);
    return (word & Tops) == 0 && ((low + 0x50 * Ones) & Tops) == Tops &&
           ((low + 0x46 * Ones) & Tops) == 0;
}

} // namespace

bool AllDigits(std::string_view Text) {
    const std::size_t n = Text.size();
    if (n < 8) {
        for (const char ch : Text)
            if (static_cast<unsigned char>(ch - '0') > 9)
                return false;
        return true;
    }
    for (std::size_t i = 0; i + 8 < n; i += 8)
        if (!EightDigits(Text.data() + i))
            return false;
    return EightDigits(Text.data() + n - 8); // the last eight, overlapping the others
}

void RequireDigits(const std::string& Value, std::size_t Count) {
    if (AllDigits(std::string_view(Value).substr(0, Count)))
        return;
    for (std::size_t i = 0; i < Count; ++i)
        DigitValue(Value[i]);
}

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

char PostNetCorrectionDigit(std::string_view Digits) {
    int sum = 0; // kept reduced: digits of any number cannot overflow it
    for (const char ch : Digits)
        sum = (sum + DigitValue(ch)) % 10;
    return static_cast<char>('0' + (10 - sum) % 10);
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

std::string PadZeros(std::uint8_t Length, const std::string& Value) {
    if (Value.size() >= Length)
        return Value;
    return std::string(Length - Value.size(), '0') + Value;
}

} // namespace quillmark
