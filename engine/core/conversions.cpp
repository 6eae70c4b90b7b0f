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

std::string PadZeros(std::uint8_t Length, const std::string& Value) {
    if (Value.size() >= Length)
        return Value;
    return std::string(Length - Value.size(), '0') + Value;
}

} // namespace quillmark
