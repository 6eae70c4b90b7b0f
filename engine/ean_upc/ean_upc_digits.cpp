// Which digits an EAN/UPC symbol draws, its GS1 check digit, and check-digit completion.
#include "ean_upc.h"

#include "add_on_split.h"
#include "encoders.h"
#include "error_messages.h"

namespace quillmark {

namespace {

std::string After(const std::string& Value, std::size_t Count) {
    return Value.size() > Count ? Value.substr(Count) : std::string();
}

// Padding comes before truncation, so under csModulo10 a value up to Data digits long loses
// its last digit to the check digit.
TEANUPCDigits UPCDigits(const std::string& Value, TCheckSum CheckSum, std::size_t Data) {
    TEANUPCDigits digits;
    const std::string padded = PadZeros(static_cast<std::uint8_t>(Data + 1), Value);
    if (CheckSum == csModulo10) {
        digits.Drawn = AppendMod10(padded.substr(0, Data));
        digits.LastOverwritten = !Value.empty() && Value.size() <= Data;
    } else {
        digits.Drawn = padded.substr(0, Data + 1);
    }
    digits.LeftOutAfter = After(Value, Data + 1);
    return digits;
}

[[noreturn]] void RaiseWrongCheckDigit(TBarType Type, const std::string& Value, char Expected) {
    throw Exception(
        WrongCheckMessage(Value, BarTypeName(Type), "check digit", Value.back(), Expected));
}

// Value (data, then check digit) unchanged when its check digit is right.
void Check(TBarType Type, const std::string& Value, std::string_view Data) {
    const char expected = GS1CheckDigit(Type, Data);
    if (Value.back() != expected)
        RaiseWrongCheckDigit(Type, Value, expected);
}

// Seven digits that begin with the number system read two ways: the number system and six
// digits (as most tools read them), or six digits and their check digit. Either could be
// meant, so the value is refused with both readings and how to write each.
[[noreturn]] void RaiseAmbiguousUPCE(TBarType Type, const std::string& Value) {
    const std::string name = BarTypeName(Type);
    const std::string six = Value.substr(1);
    const std::string withSystem = Value + GS1CheckDigit(Type, six);
    const std::string first = Value.substr(0, 6);
    const char check = GS1CheckDigit(Type, first);
    std::string second = first + " with check digit " + Value.back();
    if (check != Value.back())
        second += " (whose check digit is " + std::string(1, check) + ")";
    throw Exception(Value + " : " + name + " reads 7 digits two ways: number system " + Value[0] +
                    " and " + six + " (write " + six + ", or " + withSystem +
                    " with number system and check digit), or " + second + " (write " + first +
                    ").");
}

// PostNet's ZIP, ZIP+4 or delivery point digits with their correction digit (USPS
// Publication 25): 5, 9 or 11 digits get it, 6, 10 or 12 have it checked.
std::string CompletePostNet(const std::string& Value) {
    switch (Value.size()) {
    case 5:
    case 9:
    case 11:
        return Value + PostNetCorrectionDigit(Value);
    case 6:
    case 10:
    case 12: {
        const char expected =
            PostNetCorrectionDigit(std::string_view(Value).substr(0, Value.size() - 1));
        if (Value.back() != expected)
            throw Exception(
                WrongCheckMessage(Value, "PostNet", "correction digit", Value.back(), expected));
        return Value;
    }
    default:
        return Value; // refused by what the symbol would carry
    }
}

std::string CompleteUPCE(TBarType Type, const std::string& Value) {
    const char system = UPCENumberSystem(Type);
    switch (Value.size()) {
    case 6:
        return Value + GS1CheckDigit(Type, Value);
    case 7:
        if (Value[0] == system)
            RaiseAmbiguousUPCE(Type, Value);
        Check(Type, Value, std::string_view(Value).substr(0, 6));
        return Value;
    case 8:
        if (Value[0] != system)
            throw Exception(Value + " : The number system of " + BarTypeName(Type) + " is " +
                            system + ", not " + Value[0] + ".");
        Check(Type, Value, std::string_view(Value).substr(1, 6));
        return Value.substr(1);
    default:
        return Value;
    }
}

} // namespace

std::optional<TAddOnSplit> SplitAddOn(TBarType Type, const std::string& Value) {
    if (!HasGS1CheckDigit(Type))
        return std::nullopt;
    return SplitAddOnWhere(Value, AllDigits);
}

TEANUPCDigits EANUPCDigits(TBarType Type, const std::string& Value, TCheckSum CheckSum) {
    if (const std::optional<TAddOnSplit> split = SplitAddOn(Type, Value))
        return EANUPCDigits(Type, split->Main, CheckSum);
    const bool modulo10 = CheckSum == csModulo10;
    TEANUPCDigits digits;
    switch (Type) {
    case bcCodeEAN8:
        if (modulo10) {
            // The last seven digits carry the data; the check digit is always recomputed.
            const std::string padded = PadZeros(7, Value);
            digits.Drawn = AppendMod10(padded.substr(padded.size() - 7));
            if (Value.size() > 7)
                digits.LeftOutBefore = Value.substr(0, Value.size() - 7);
        } else {
            digits.Drawn = PadZeros(8, Value).substr(0, 8);
            digits.LeftOutAfter = After(Value, 8);
        }
        return digits;
    case bcCodeEAN13:
        // The check digit goes after the whole padded value; only the first 13 are drawn.
        digits.Drawn =
            (modulo10 ? AppendMod10(PadZeros(12, Value)) : PadZeros(13, Value)).substr(0, 13);
        digits.LeftOutAfter = After(Value, 13);
        return digits;
    case bcCodeUPC_A:
        return UPCDigits(Value, CheckSum, 11);
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
        // The check digit of the six digits themselves, not of the UPC-A expansion.
        return UPCDigits(Value, CheckSum, 6);
    case bcCodeUPC_Supp2:
        digits.Drawn = PadZeros(2, Value).substr(0, 2);
        digits.LeftOutAfter = After(Value, 2);
        return digits;
    case bcCodeUPC_Supp5:
        digits.Drawn = PadZeros(5, Value).substr(0, 5);
        digits.LeftOutAfter = After(Value, 5);
        return digits;
    default:
        return digits;
    }
}

bool HasGS1CheckDigit(TBarType Type) {
    return Type == bcCodeEAN8 || Type == bcCodeEAN13 || Type == bcCodeUPC_A ||
           Type == bcCodeUPC_E0 || Type == bcCodeUPC_E1;
}

char UPCENumberSystem(TBarType Type) {
    return Type == bcCodeUPC_E1 ? '1' : '0';
}

std::string ExpandUPCE(const std::string& Six, char NumberSystem) {
    if (Six.size() != 6)
        throw Exception(InternalErrorMessage);
    const char last = Six[5];
    std::string body;
    if (last <= '2')
        body = Six.substr(0, 2) + last + "0000" + Six.substr(2, 3);
    else if (last == '3')
        body = Six.substr(0, 3) + "00000" + Six.substr(3, 2);
    else if (last == '4')
        body = Six.substr(0, 4) + "00000" + Six[4];
    else
        body = Six.substr(0, 5) + "0000" + last;
    return NumberSystem + body;
}

char GS1CheckDigit(TBarType Type, std::string_view Data) {
    if (Type == bcCodeUPC_E0 || Type == bcCodeUPC_E1)
        return Mod10CheckDigit(ExpandUPCE(std::string(Data.substr(0, 6)), UPCENumberSystem(Type)));
    return Mod10CheckDigit(Data);
}

std::string CompleteCheckDigit(TBarType Type, const std::string& Value) {
    if (const std::optional<TAddOnSplit> split = SplitAddOn(Type, Value))
        return CompleteCheckDigit(Type, split->Main) + split->Separator + split->AddOn;
    // Non-digits go on to the engine, which refuses them with its own message.
    if (Value.empty() || !AllDigits(Value))
        return Value;
    if (Type == bcCodePostNet)
        return CompletePostNet(Value);
    if (!HasGS1CheckDigit(Type))
        return Value;
    if (Type == bcCodeUPC_E0 || Type == bcCodeUPC_E1)
        return CompleteUPCE(Type, Value);
    const std::size_t full = Type == bcCodeEAN8 ? 8 : Type == bcCodeEAN13 ? 13 : 12;
    if (Value.size() + 1 == full)
        return Value + GS1CheckDigit(Type, Value);
    if (Value.size() == full)
        Check(Type, Value, std::string_view(Value).substr(0, full - 1));
    return Value;
}

} // namespace quillmark
