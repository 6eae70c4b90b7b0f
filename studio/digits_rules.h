// What the digits editor shows, worked out by the engine: the check digit a GTIN type's
// symbol will carry, and for free text its length and what the symbology carries.
#pragma once

#include <quillmark/description.h>
#include <quillmark/engine.h>
#include <quillmark/module_grid.h>

#include <string>

namespace quillmark::studio {

// Whether the catalogue says Type carries what Like carries ("a GTIN's digits only").
bool CarriesAsLike(TBarType Type, TBarType Like);

// Whether Type's value is a GTIN's digits with a GS1 check digit (EAN/UPC, ITF-14, GS1
// DataBar but Expanded), edited as digits alone.
bool TakesGtinDigits(TBarType Type);

// Whether Type's symbol may have a 2- or 5-digit add-on beside it.
bool TakesAddOn(TBarType Type);

struct TDigitsCheck {
    std::string Value;   // as the window hands it on: "+" and the add-on after the digits
    char CheckDigit = 0; // the one the symbol carries; 0 until the digits are enough
    bool Added = false;  // completed from digits one short, rather than typed and checked
    std::string Problem; // the engine's refusal, empty when it makes the symbol
};

// The digits typed for Type and its add-on, checked by the engine under Mode. Under Auto the
// value carries the check digit as the engine completes it; under the others the digits go
// as typed, the engine adding (Mod10) or taking (None) the check digit.
TDigitsCheck CheckDigits(TBarType Type, const std::string& Digits, const std::string& AddOn,
                         TCheckDigits Mode = DefaultCheckDigits);

// The engine's refusal of Value for Type, described as the window describes it under Mode,
// or else the first way its symbol would carry other than Value as typed; empty when it
// makes the symbol of Value as it stands.
std::string SymbolProblem(TBarType Type, const std::string& Value,
                          const TMatrixOptions& Options = {},
                          TCheckDigits Mode = DefaultCheckDigits);

// What Type carries, as the catalogue says it: "Code 39 carries upper case, digits, ...".
std::string CarriesSentence(TBarType Type);

} // namespace quillmark::studio
