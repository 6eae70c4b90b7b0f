#include "element_widths.h"
#include "encoders.h"
#include "engine.h"

#include <climits>

namespace quillmark {

namespace {

// Clamps Ratio for the symbologies whose standards bound the wide-to-narrow ratio. A NaN
// fails the lower test and so becomes the lower bound.
void ClampRatio(TBarType Type, double& Ratio) {
    double lower = 0;
    switch (Type) {
    case bcCode_2_5_matrix:
        lower = 2.25;
        break;
    case bcCode_2_5_interleaved:
    case bcCode_2_5_industrial:
    case bcCode39:
    case bcCode39Extended:
    case bcCodeCodabar:
    case bcCodeEAN8:
    case bcCodeEAN13:
    case bcCodeUPC_A:
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
    case bcCodeUPC_Supp2:
    case bcCodeUPC_Supp5:
        lower = 2.0;
        break;
    default:
        return;
    }
    if (!(Ratio >= lower))
        Ratio = lower;
    if (Ratio > 3.0)
        Ratio = 3.0;
}

void CheckDigits(const std::string& Value) {
    for (const char ch : Value)
        if (ch < '0' || ch > '9')
            throw Exception(Value + " : Barcode must be numeric.");
}

void Dispatch(TBarType Type, const std::string& Value, TCheckSum CheckSum, std::string& Text,
              std::string& Pattern) {
    switch (Type) {
    case bcCode_2_5_interleaved:
        return EncodeCode_2_5_interleaved(Value, Pattern);
    case bcCode_2_5_industrial:
        return EncodeCode_2_5_industrial(Value, Pattern);
    case bcCode_2_5_matrix:
        return EncodeCode_2_5_matrix(Value, Pattern);
    case bcCode39:
        return EncodeCode39(Value, CheckSum, Pattern);
    case bcCode39Extended:
        return EncodeCode39Extended(Value, CheckSum, Pattern);
    case bcCode128A:
    case bcCode128B:
    case bcCode128C:
    case bcCodeEAN128A:
    case bcCodeEAN128B:
    case bcCodeEAN128C:
        return EncodeCode128(Type, Value, CheckSum, Text, Pattern);
    case bcCode93:
        return EncodeCode93(Value, Pattern);
    case bcCode93Extended:
        return EncodeCode93Extended(Value, Pattern);
    case bcCodeMSI:
        return EncodeCodeMSI(Value, Pattern);
    case bcCodePostNet:
        return EncodeCodePostNet(Value, Pattern);
    case bcCodeCodabar:
        return EncodeCodeCodabar(Value, Pattern);
    case bcCodeEAN8:
        return EncodeCodeEAN8(Value, CheckSum, Pattern);
    case bcCodeEAN13:
        return EncodeCodeEAN13(Value, CheckSum, Pattern);
    case bcCodeUPC_A:
        return EncodeCodeUPC_A(Value, CheckSum, Text, Pattern);
    case bcCodeUPC_E0:
        return EncodeCodeUPC_E0(Value, CheckSum, Text, Pattern);
    case bcCodeUPC_E1:
        return EncodeCodeUPC_E1(Value, CheckSum, Text, Pattern);
    case bcCodeUPC_Supp2:
        return EncodeCodeUPC_Supp2(Value, CheckSum, Text, Pattern);
    case bcCodeUPC_Supp5:
        return EncodeCodeUPC_Supp5(Value, CheckSum, Text, Pattern);
    }
    throw Exception("Wrong barcode type.");
}

} // namespace

void MakeModules(TBarType Type, const std::string& Value, int Modul, double& Ratio,
                 TCheckSum CheckSum, std::string& Text, std::string& Pattern) {
    ClampRatio(Type, Ratio);
    SetElementWidths(Modul, Ratio);
    const std::string value = Value;
    if (BarTypeData(Type).DigitsOnly)
        CheckDigits(value);
    Dispatch(Type, value, CheckSum, Text, Pattern);
}

int PatternWidth(TBarType Type, const std::string& Value, int Modul, double Ratio,
                 TCheckSum CheckSum) {
    std::string text;
    std::string pattern;
    MakeModules(Type, Value, Modul, Ratio, CheckSum, text, pattern);
    long long total = 0;
    for (const char ch : pattern) {
        int width = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, width, kind);
        total += width;
        if (total > INT_MAX)
            throw Exception(Value + " : Barcode too long to draw.");
    }
    return static_cast<int>(total);
}

} // namespace quillmark
