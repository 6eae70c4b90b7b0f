// ITF-14's value and pattern.
#include "itf14.h"

#include "encoders.h"
#include "error_messages.h"
#include "latin1.h"

namespace quillmark {

namespace {

constexpr char Name[] = "ITF-14";

// Each default within its range, and the bearer no thinner than its least at the largest X.
static_assert(ITF14Facts.RatioLower <= ITF14Facts.RatioDefault &&
              ITF14Facts.RatioDefault <= ITF14Facts.RatioUpper);
static_assert(ITF14Facts.ModuleMinMM <= ITF14Facts.ModuleDefaultMM &&
              ITF14Facts.ModuleDefaultMM <= ITF14Facts.ModuleMaxMM);
static_assert(ITF14Facts.BearerDefaultMM >= ITF14Facts.BearerMinModules * ITF14Facts.ModuleMaxMM);

} // namespace

std::string ITF14Value(const std::string& Typed) {
    // A GTIN is often typed as its element string.
    constexpr std::string_view GtinAI = "(01)";
    const std::string Value = Typed.starts_with(GtinAI) ? Typed.substr(GtinAI.size()) : Typed;
    const auto full = static_cast<std::size_t>(ITF14Facts.Digits);
    for (std::size_t i = 0; i < Value.size(); ++i)
        if (Value[i] < '0' || Value[i] > '9')
            throw Exception(ShortenedMessage(
                Value + " : " + Name + " carries digits only: remove " + CharacterName(Value[i]) +
                    " at position " + std::to_string(i + 1) + ".",
                Value));
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

} // namespace quillmark
