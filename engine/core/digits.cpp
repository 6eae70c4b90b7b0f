#include "encoders.h"
#include "engine.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace quillmark {

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

} // namespace quillmark
