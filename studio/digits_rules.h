// What the digits editor shows, worked out by the engine: the check digit a GTIN type's
// symbol will carry, and for free text its length and what the symbology carries.
#pragma once

#include <quillmark/engine.h>
#include <quillmark/module_grid.h>

#include <string>

namespace quillmark::studio {

// Whether Type's value is a GTIN's digits with a GS1 check digit (EAN/UPC, ITF-14, GS1
// DataBar but Expanded), edited as digits alone.
bool TakesGtinDigits(TBarType Type);

// Whether Type's symbol may have a 2- or 5-digit add-on beside it.
bool TakesAddOn(TBarType Type);

struct TDigitsCheck {
    std::string Value;   // as the engine takes it: check digit in place, "+" and the add-on
    char CheckDigit = 0; // the one the symbol carries; 0 until the digits are enough
    bool Added = false;  // completed from digits one short, rather than typed and checked
    std::string Problem; // the engine's refusal, empty when it makes the symbol
};

// The digits typed for Type and its add-on, completed and checked by the engine.
TDigitsCheck CheckDigits(TBarType Type, const std::string& Digits, const std::string& AddOn);

// The engine's refusal of Value for Type, or else the first way its symbol would carry
// other than Value as typed; empty when it makes the symbol of Value as it stands.
std::string SymbolProblem(TBarType Type, const std::string& Value,
                          const TMatrixOptions& Options = {});

// What Type carries, as the catalogue says it: "Code 39 carries upper case, digits, ...".
std::string CarriesSentence(TBarType Type);

} // namespace quillmark::studio
