#include "check_digits.h"

#include "encoders.h"
#include "standards_check.h"

namespace quillmark::cli {

namespace {

// Value (data then check digit) unchanged when the check digit is right; CheckedDigits are
// the digits the check digit is computed over.
void Verify(TBarType Type, const std::string& Value, const std::string& CheckedDigits) {
    const char expected = Mod10CheckDigit(CheckedDigits);
    if (Value.back() != expected)
        throw Exception(Value + " : Wrong check digit " + Value.back() + "; the " +
                        BarTypeName(Type) + " check digit is " + expected + ".");
}

std::string ForUPCE(TBarType Type, const std::string& Value) {
    const char system = Type == bcCodeUPC_E0 ? '0' : '1';
    switch (Value.size()) {
    case 6:
        return Value + Mod10CheckDigit(ExpandUPCE(Value, system));
    case 7:
        if (Value[0] != system)
            Verify(Type, Value, ExpandUPCE(Value.substr(0, 6), system));
        return Value;
    case 8:
        if (Value[0] != system)
            throw Exception(Value + " : The number system of " + BarTypeName(Type) + " is " +
                            system + ", not " + Value[0] + ".");
        Verify(Type, Value, ExpandUPCE(Value.substr(1, 6), system));
        return Value.substr(1);
    default:
        return Value;
    }
}

} // namespace

TCheckSum EngineCheckSum(TCheckDigits Mode) {
    return Mode == TCheckDigits::Mod10 ? csModulo10 : csNone;
}

std::string WithAutoCheckDigit(TBarType Type, const std::string& Value) {
    // Non-digits go to the engine, which refuses them with its own message.
    if (!AllDigits(Value) || Value.empty())
        return Value;
    std::size_t full = 0;
    switch (Type) {
    case bcCodeEAN8:
        full = 8;
        break;
    case bcCodeEAN13:
        full = 13;
        break;
    case bcCodeUPC_A:
        full = 12;
        break;
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
        return ForUPCE(Type, Value);
    default:
        return Value;
    }
    if (Value.size() + 1 == full)
        return Value + Mod10CheckDigit(Value);
    if (Value.size() == full)
        Verify(Type, Value, Value.substr(0, full - 1));
    return Value;
}

} // namespace quillmark::cli
