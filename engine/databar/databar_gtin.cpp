#include "databar.h"

#include "encoders.h"
#include "engine.h"

#include <string>

namespace quillmark {
namespace {

// A GTIN's digits without and with its check digit.
constexpr std::size_t GtinDataDigits = 13;
constexpr std::size_t GtinDigits = GtinDataDigits + 1;

} // namespace

std::string DataBarGtin(std::string_view Value) {
    for (std::size_t i = 0; i < Value.size(); ++i)
        if (Value[i] < '0' || Value[i] > '9')
            throw Exception("GS1 DataBar carries a GTIN of digits alone: remove '" +
                            std::string(1, Value[i]) + "' at position " + std::to_string(i + 1) +
                            ".");
    if (Value.size() != GtinDataDigits && Value.size() != GtinDigits)
        throw Exception("GS1 DataBar carries a GTIN of 13 digits, or 14 with its check digit; "
                        "the value has " +
                        std::to_string(Value.size()) + ".");
    const char check = Mod10CheckDigit(Value.substr(0, GtinDataDigits));
    if (Value.size() == GtinDigits && Value.back() != check)
        throw Exception("The GTIN's check digit should be " + std::string(1, check) + ", not " +
                        std::string(1, Value.back()) + ".");
    return std::string(Value.substr(0, GtinDataDigits)) + check;
}

std::string DataBarText(std::string_view Value) {
    return "(01)" + DataBarGtin(Value);
}

} // namespace quillmark
