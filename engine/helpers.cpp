#include "encoders.h"
#include "engine.h"

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

std::string AppendMod10(const std::string& Value) {
    int sum = 0; // kept reduced: a value of any length cannot overflow it
    const std::size_t n = Value.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int digit = DigitValue(Value[n - 1 - i]);
        sum = (sum + ((i % 2 == 0) ? digit * 3 : digit)) % 10;
    }
    const int r = sum % 10;
    return Value + static_cast<char>('0' + (r == 0 ? 0 : 10 - r));
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
