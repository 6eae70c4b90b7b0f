#include "drawn_as.h"

namespace quillmark {

std::optional<TDrawnValue> DrawnValue(TBarType Type, const std::string& Value) {
    const TBCdata& row = BarTypeData(Type);
    if (!row.DrawnAs || row.Convert == nullptr)
        return std::nullopt;
    return TDrawnValue{*row.DrawnAs, row.Convert(Value)};
}

void EncodeConverted(TBarType Type, const std::string& Value, TCheckSum, std::string& Text,
                     std::string& Pattern) {
    // The converted value has its check digit: the drawing symbology adds none.
    TDrawnValue drawn = *DrawnValue(Type, Value);
    Text = drawn.Value;
    BarTypeData(drawn.Type).Encoder(drawn.Type, drawn.Value, csNone, Text, Pattern);
}

TCarried CarryConverted(TBarType Type, const std::string& Value, TCheckSum) {
    std::optional<TDrawnValue> drawn;
    try {
        drawn = DrawnValue(Type, Value);
    } catch (const Exception& refused) {
        TCarried carried;
        carried.Departures.push_back(refused.Message());
        return carried;
    }
    return Carried(drawn->Type, drawn->Value, csNone);
}

} // namespace quillmark
