#include "symbol_value.h"

#include "element_widths.h"
#include "encode_modules.h"

#include <utility>

namespace quillmark {

TSymbolValue::TSymbolValue(TBarType Type, std::string Value, TCheckSum CheckSum)
    : type_(Type), value_(std::move(Value)), checkSum_(CheckSum), text_(value_) {
    try {
        EncodeModules(type_, value_, checkSum_, text_, pattern_);
    } catch (const Exception&) {
        refusal_ = std::current_exception();
    }
    try {
        carried_ = quillmark::Carried(type_, value_, checkSum_);
    } catch (const Exception&) {
        carriedRefusal_ = std::current_exception();
    }
    if (refusal_)
        return;
    try {
        look_ = quillmark::RetailLook(type_, value_, checkSum_);
    } catch (const Exception&) {
        lookRefusal_ = std::current_exception();
    }
}

const TCarried& TSymbolValue::Carried() const {
    if (carriedRefusal_)
        std::rethrow_exception(carriedRefusal_);
    return carried_;
}

bool TSymbolValue::Holds(TBarType Type, const std::string& Value, TCheckSum CheckSum) const {
    return Type == type_ && CheckSum == checkSum_ && Value == value_;
}

void TSymbolValue::RaiseRefusal() const {
    if (refusal_)
        std::rethrow_exception(refusal_);
}

const std::optional<TRetailLook>& TSymbolValue::RetailLook() const {
    RaiseRefusal();
    if (lookRefusal_)
        std::rethrow_exception(lookRefusal_);
    return look_;
}

TSymbol TSymbolValue::Symbol(int Modul, double Ratio) const {
    TSymbol symbol;
    ClampRatio(CatalogueRow(type_), Ratio);
    symbol.Ratio = Ratio;
    symbol.Widths = MakeElementWidths(Modul, Ratio);
    RaiseRefusal();
    symbol.Pattern = pattern_;
    symbol.Text = text_;
    symbol.Width = MeasurePattern(symbol.Pattern, symbol.Widths, value_);
    return symbol;
}

} // namespace quillmark
