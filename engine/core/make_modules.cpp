#include "ean_upc.h"
#include "element_widths.h"
#include "encoders.h"
#include "engine.h"
#include "error_messages.h"

namespace quillmark {

namespace {

// The catalogue row, or none for a type beyond it: such a type is refused only after the
// ratio is clamped and the widths are set, so those happen first for every type.
const TBCdata* RowOf(TBarType Type) {
    return static_cast<int>(Type) < BarTypeCount ? &BarTypeData(Type) : nullptr;
}

// Clamps Ratio for the symbologies whose standards bound the wide-to-narrow ratio. Each
// bound is tested by itself, lower first; a NaN fails the lower test and so becomes it.
void ClampRatio(const TBCdata* Row, double& Ratio) {
    if (Row == nullptr || Row->RatioLower == 0)
        return;
    if (!(Ratio >= Row->RatioLower))
        Ratio = Row->RatioLower;
    if (Ratio > Row->RatioUpper)
        Ratio = Row->RatioUpper;
}

[[noreturn, gnu::noinline]] void RaiseNotNumeric(const std::string& Value) {
    throw Exception(Quoting(Value, NotNumericMessage));
}

// Checks the value and runs the symbology's encoder: the one encoding step of every entry.
void Encode(const TBCdata* Row, TBarType Type, const std::string& Value, TCheckSum CheckSum,
            std::string& Text, std::string& Pattern) {
    if (Row == nullptr)
        throw Exception(WrongTypeMessage);
    if (Row->DigitsOnly && !AllDigits(Value) && !SplitAddOn(Type, Value))
        RaiseNotNumeric(Value);
    Row->Encoder(Type, Value, CheckSum, Text, Pattern);
}

} // namespace

void MakeModules(TBarType Type, const std::string& Value, int Modul, double& Ratio,
                 TCheckSum CheckSum, std::string& Text, std::string& Pattern) {
    const TBCdata* row = RowOf(Type);
    ClampRatio(row, Ratio);
    SetElementWidths(Modul, Ratio);
    // The encoders write Pattern and Text while they read the value, so a value that is one
    // of them is copied first.
    if (&Value == &Text || &Value == &Pattern) {
        const std::string value = Value;
        Encode(row, Type, value, CheckSum, Text, Pattern);
    } else {
        Encode(row, Type, Value, CheckSum, Text, Pattern);
    }
}

TSymbol MakeSymbol(TBarType Type, const std::string& Value, int Modul, double Ratio,
                   TCheckSum CheckSum) {
    const TBCdata* row = RowOf(Type);
    TSymbol symbol;
    ClampRatio(row, Ratio);
    symbol.Ratio = Ratio;
    symbol.Widths = MakeElementWidths(Modul, Ratio);
    symbol.Text = Value;
    Encode(row, Type, Value, CheckSum, symbol.Text, symbol.Pattern);
    symbol.Width = MeasurePattern(symbol.Pattern, symbol.Widths, Value);
    return symbol;
}

int PatternWidth(TBarType Type, const std::string& Value, int Modul, double Ratio,
                 TCheckSum CheckSum) {
    // The widths are left set for the caller's walk of the pattern, even when the value
    // is refused, as MakeModules leaves them.
    ClampRatio(RowOf(Type), Ratio);
    SetElementWidths(Modul, Ratio);
    return MakeSymbol(Type, Value, Modul, Ratio, CheckSum).Width;
}

} // namespace quillmark
