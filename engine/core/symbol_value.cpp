#include "symbol_value.h"

#include "element_widths.h"
#include "encode_modules.h"

#include <utility>

namespace quillmark {

TSymbolValue::TSymbolValue(TBarType Type, std::string Value, TCheckSum CheckSum)
    : TSymbolValue(Type, std::move(Value), CheckSum, {}, nullptr) {}

TSymbolValue::TSymbolValue(TBarType Type, std::string Value, TCheckSum CheckSum,
                           TMatrixOptions Options, TGridEncoder Encoder)
    : type_(Type), value_(std::move(Value)), checkSum_(CheckSum), options_(std::move(Options)),
      text_(value_) {
    if (static_cast<int>(type_) < BarTypeCount && IsDrawnFromGrid(type_)) {
        EncodeGrid(Encoder);
        return;
    }
    if (static_cast<int>(type_) < BarTypeCount && BarTypeData(type_).Above != nullptr) {
        try {
            above_ = BarTypeData(type_).Above(value_);
        } catch (const Exception&) {
            // The encoder refuses the value with the same message.
        }
    }
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

void TSymbolValue::EncodeGrid(TGridEncoder Encoder) {
    if (const TRowsEncoder rows = BarTypeData(type_).Rows) {
        try {
            TRowsSymbol symbol = rows(type_, value_, options_);
            text_ = std::move(symbol.Text);
            grid_ = std::make_shared<const TModuleGrid>(std::move(symbol.Grid));
            carried_.Data = std::move(symbol.Data);
        } catch (const Exception& refused) {
            refusal_ = std::current_exception();
            carried_.Departures.push_back(refused.Message());
        }
        return;
    }
    try {
        std::string data = MatrixData(type_, value_, options_);
        text_ = MatrixText(type_, value_);
        if (Encoder == nullptr)
            throw Exception(BarTypeName(type_) + " needs the matrix library to draw its modules.");
        grid_ = std::make_shared<const TModuleGrid>(Encoder(type_, data, options_));
        carried_.Data = std::move(data);
    } catch (const Exception& refused) {
        refusal_ = std::current_exception();
        carried_.Departures.push_back(refused.Message());
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

bool TSymbolValue::Holds(TBarType Type, const std::string& Value, TCheckSum CheckSum,
                         const TMatrixOptions& Options) const {
    return Holds(Type, Value, CheckSum) && (static_cast<int>(Type) >= BarTypeCount ||
                                            !IsDrawnFromGrid(Type) || Options == options_);
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
    symbol.Text = text_;
    symbol.Above = above_;
    if (grid_) {
        symbol.Grid = grid_;
        // At most 177 columns of MaxElementWidth: far inside int.
        symbol.Width = grid_->Columns * symbol.Widths.Narrow;
        return symbol;
    }
    symbol.Pattern = pattern_;
    symbol.Width = MeasurePattern(symbol.Pattern, symbol.Widths, value_);
    return symbol;
}

} // namespace quillmark
