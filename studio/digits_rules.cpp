#include "digits_rules.h"

#include <quillmark/ean_upc.h>
#include <quillmark/itf14.h>
#include <quillmark/matrix.h>

#include <algorithm>
#include <array>

namespace quillmark::studio {
namespace {

// Beside EAN/UPC (the engine's HasGS1CheckDigit), the types that carry a GTIN alone.
constexpr std::array DataBarGtinTypes{bcCodeDataBar, bcCodeDataBarTruncated, bcCodeDataBarStacked,
                                      bcCodeDataBarStackedOmni, bcCodeDataBarLimited};

// GS1 DataBar's GTIN-14 without and with its check digit.
constexpr std::size_t GtinDataDigits = 13;

bool IsDataBarGtin(TBarType Type) {
    return std::find(DataBarGtinTypes.begin(), DataBarGtinTypes.end(), Type) !=
           DataBarGtinTypes.end();
}

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

} // namespace

bool TakesGtinDigits(TBarType Type) {
    return HasGS1CheckDigit(Type) || Type == bcCodeITF14 || IsDataBarGtin(Type);
}

bool TakesAddOn(TBarType Type) {
    return HasGS1CheckDigit(Type);
}

TDigitsCheck CheckDigits(TBarType Type, const std::string& Digits, const std::string& AddOn) {
    TDigitsCheck check;
    std::string main = Digits;
    try {
        main = Completed(Type, Digits);
    } catch (const Exception& refused) {
        check.Problem = refused.Message();
    }
    check.Value = AddOn.empty() || !TakesAddOn(Type) ? main : main + '+' + AddOn;
    if (check.Problem.empty())
        check.Problem = SymbolProblem(Type, check.Value);
    if (check.Problem.empty() && !main.empty()) {
        check.CheckDigit = main.back();
        check.Added = main.size() > Digits.size();
    }
    return check;
}

std::string SymbolProblem(TBarType Type, const std::string& Value, const TMatrixOptions& Options) {
    const std::shared_ptr<const TSymbolValue> symbol =
        MakeSymbolValue(Type, Value, csNone, Options);
    try {
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
