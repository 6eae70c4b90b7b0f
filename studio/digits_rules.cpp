#include "digits_rules.h"

#include <quillmark/ean_upc.h>
#include <quillmark/itf14.h>
#include <quillmark/matrix.h>

#include <algorithm>
#include <string_view>

namespace quillmark::studio {
namespace {

// GS1 DataBar's GTIN-14 without its check digit.
constexpr std::size_t GtinDataDigits = 13;

bool AllDigits(const std::string& Text) {
    return std::all_of(Text.begin(), Text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// Digits with their check digit as the engine completes them; raises the engine's message
// for a wrong one.
std::string Completed(TBarType Type, const std::string& Digits) {
    if (HasGS1CheckDigit(Type))
        return CompleteCheckDigit(Type, Digits);
    if (Type == bcCodeITF14)
        return ITF14Value(Digits);
    // GS1 DataBar completes a GTIN of 13 digits itself; the editor shows the digit it adds,
    // the GS1 check digit over any length being EAN-13's.
    if (Digits.size() == GtinDataDigits && AllDigits(Digits))
        return Digits + GS1CheckDigit(bcCodeEAN13, Digits);
    return Digits;
}

std::string WithAddOn(TBarType Type, const std::string& Main, const std::string& AddOn) {
    return AddOn.empty() || !TakesAddOn(Type) ? Main : Main + '+' + AddOn;
}

} // namespace

bool CarriesAsLike(TBarType Type, TBarType Like) {
    return std::string_view(BarTypeData(Type).Characters) == BarTypeData(Like).Characters;
}

bool TakesGtinDigits(TBarType Type) {
    // ITF-14 and the GS1 DataBar types but Expanded carry a GTIN alone.
    return HasGS1CheckDigit(Type) || CarriesAsLike(Type, bcCodeITF14);
}

bool TakesAddOn(TBarType Type) {
    return HasGS1CheckDigit(Type);
}

TDigitsCheck CheckDigits(TBarType Type, const std::string& Digits, const std::string& AddOn,
                         TCheckDigits Mode) {
    TDigitsCheck check;
    std::string completed = Digits;
    std::string wrongCheckDigit;
    try {
        completed = Completed(Type, Digits);
    } catch (const Exception& refused) {
        wrongCheckDigit = refused.Message();
    }
    const bool completes = Mode == TCheckDigits::Auto;
    check.Value = WithAddOn(Type, completes ? completed : Digits, AddOn);
    check.Problem = completes && !wrongCheckDigit.empty()
                        ? wrongCheckDigit
                        : SymbolProblem(Type, check.Value, {}, Mode);
    if (check.Problem.empty() && !completed.empty()) {
        check.CheckDigit = completed.back();
        check.Added = completed.size() > Digits.size();
    }
    return check;
}

std::string SymbolProblem(TBarType Type, const std::string& Value, const TMatrixOptions& Options,
                          TCheckDigits Mode) {
    try {
        TBarcodeDescription base;
        base.Barcode.BarType = Type;
        const TSymbolLook described = DescribeValue(base, Value, Mode).Barcode;
        const std::shared_ptr<const TSymbolValue> symbol =
            MakeSymbolValue(Type, described.BarCode, described.CheckSum, Options);
        symbol->RaiseRefusal();
        const TCarried& carried = symbol->Carried();
        return carried.Departures.empty() ? std::string() : carried.Departures.front();
    } catch (const Exception& refused) {
        return refused.Message();
    }
}

std::string CarriesSentence(TBarType Type) {
    const TBCdata& row = BarTypeData(Type);
    return std::string(row.Label) + " carries " + row.Characters + ".";
}

} // namespace quillmark::studio
