// ITF-14's value and pattern.
#include "itf14.h"

#include "encoders.h"
#include "error_messages.h"

#include <algorithm>

namespace quillmark {

namespace {

constexpr char Name[] = "ITF-14";

} // namespace

std::string ITF14Value(const std::string& Value) {
    const auto full = static_cast<std::size_t>(ITF14Facts.Digits);
    if (!AllDigits(Value))
        throw Exception(ShortenedMessage(Quoting(Value, NotNumericMessage), Value));
    if (Value.size() + 1 == full)
        return Value + Mod10CheckDigit(Value);
    if (Value.size() != full)
        throw Exception(ShortenedMessage(
            Value + " : " + Name + " carries " + std::to_string(full) + " digits: type " +
                std::to_string(full - 1) + " for the check digit to be added, or all " +
                std::to_string(full) + "; this has " + std::to_string(Value.size()) + ".",
            Value));
    const char expected = Mod10CheckDigit(std::string_view(Value).substr(0, full - 1));
    if (Value.back() != expected)
        throw Exception(WrongCheckMessage(Value, Name, "check digit", Value.back(), expected));
    return Value;
}

void EncodeITF14(const std::string& Value, std::string& Pattern) {
    EncodeCode_2_5_interleaved(ITF14Value(Value), Pattern);
}

double ITF14Ratio(double Ratio) {
    return std::clamp(Ratio, ITF14Facts.RatioLower, ITF14Facts.RatioUpper);
}

} // namespace quillmark
