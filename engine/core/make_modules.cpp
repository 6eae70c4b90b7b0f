#include "element_widths.h"
#include "encode_modules.h"
#include "engine.h"

namespace quillmark {

void MakeModules(TBarType Type, const std::string& Value, int Modul, double& Ratio,
                 TCheckSum CheckSum, std::string& Text, std::string& Pattern) {
    const TBCdata* row = CatalogueRow(Type);
    ClampRatio(row, Ratio);
    SetElementWidths(Modul, Ratio);
    // The encoders write Pattern and Text while they read the value, so a value that is one
    // of them is copied first.
    if (&Value == &Text || &Value == &Pattern) {
        const std::string value = Value;
        EncodeModules(Type, value, CheckSum, Text, Pattern);
    } else {
        EncodeModules(Type, Value, CheckSum, Text, Pattern);
    }
}

TSymbol MakeSymbol(TBarType Type, const std::string& Value, int Modul, double Ratio,
                   TCheckSum CheckSum) {
    const TBCdata* row = CatalogueRow(Type);
    TSymbol symbol;
    ClampRatio(row, Ratio);
    symbol.Ratio = Ratio;
    symbol.Widths = MakeElementWidths(Modul, Ratio);
    symbol.Text = Value;
    EncodeModules(Type, Value, CheckSum, symbol.Text, symbol.Pattern);
    symbol.Width = MeasurePattern(symbol.Pattern, symbol.Widths, Value);
    return symbol;
}

int PatternWidth(TBarType Type, const std::string& Value, int Modul, double Ratio,
                 TCheckSum CheckSum) {
    // The widths are left set for the caller's walk of the pattern, even when the value
    // is refused, as MakeModules leaves them.
    ClampRatio(CatalogueRow(Type), Ratio);
    SetElementWidths(Modul, Ratio);
    return MakeSymbol(Type, Value, Modul, Ratio, CheckSum).Width;
}

} // namespace quillmark
