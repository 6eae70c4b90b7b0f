#include "element_widths.h"
#include "encoders.h"
#include "engine.h"

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
    throw Exception(Value + " : Barcode must be numeric.");
}

void CheckDigits(const std::string& Value) {
    if (!AllDigits(Value))
        RaiseNotNumeric(Value);
}

// Checks the value and runs the symbology's encoder.
void Encode(const TBCdata* Row, TBarType Type, const std::string& Value, TCheckSum CheckSum,
            std::string& Text, std::string& Pattern) {
    if (Row == nullptr)
        throw Exception("Wrong barcode type.");
    if (Row->DigitsOnly)
        CheckDigits(Value);
    Row->Encoder(Type, Value, CheckSum, Text, Pattern);
}

// The last encoding MakeModules made on this thread. Callers measure a pattern right after
// making it (MakeModules, then PatternWidth with the same arguments), and PatternWidth then
// measures this copy instead of encoding the value a second time. A pattern depends on the
// type, value and check-digit mode only; the widths come in when it is measured.
struct TLastEncoding {
    bool Valid = false;
    TBarType Type = bcCode39;
    TCheckSum CheckSum = csNone;
    std::string Value;
    std::string Pattern;

    bool Matches(TBarType OtherType, const std::string& OtherValue, TCheckSum OtherCheckSum) const {
        return Valid && Type == OtherType && CheckSum == OtherCheckSum && Value == OtherValue;
    }
};

thread_local TLastEncoding LastEncoding;

void Remember(TBarType Type, const std::string& Value, TCheckSum CheckSum,
              const std::string& Pattern) {
    LastEncoding.Type = Type;
    LastEncoding.CheckSum = CheckSum;
    LastEncoding.Value.assign(Value);
    LastEncoding.Pattern.assign(Pattern);
    LastEncoding.Valid = true;
}

} // namespace

void MakeModules(TBarType Type, const std::string& Value, int Modul, double& Ratio,
                 TCheckSum CheckSum, std::string& Text, std::string& Pattern) {
    LastEncoding.Valid = false;
    const TBCdata* row = RowOf(Type);
    ClampRatio(row, Ratio);
    SetElementWidths(Modul, Ratio);
    // The encoders write Pattern and Text while they read the value, so a value that is one
    // of them is copied first. A Text that is the Pattern leaves no pattern to remember.
    if (&Value == &Text || &Value == &Pattern) {
        const std::string value = Value;
        Encode(row, Type, value, CheckSum, Text, Pattern);
        if (&Text != &Pattern)
            Remember(Type, value, CheckSum, Pattern);
    } else {
        Encode(row, Type, Value, CheckSum, Text, Pattern);
        if (&Text != &Pattern)
            Remember(Type, Value, CheckSum, Pattern);
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
    const TBCdata* row = RowOf(Type);
    ClampRatio(row, Ratio);
    SetElementWidths(Modul, Ratio);
    if (LastEncoding.Matches(Type, Value, CheckSum))
        return MeasurePattern(LastEncoding.Pattern, CurrentElementWidths(), Value);
    // Only the length is wanted: the pattern and text are written into this thread's
    // scratch strings, whose storage serves call after call.
    thread_local std::string text;
    thread_local std::string pattern;
    Encode(row, Type, Value, CheckSum, text, pattern);
    return MeasurePattern(pattern, CurrentElementWidths(), Value);
}

} // namespace quillmark
