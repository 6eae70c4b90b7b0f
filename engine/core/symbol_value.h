// A value encoded once: its modules, what its symbol carries and its retail look, for every
// later step (refusal, layouts, checks, drawing) to read instead of encoding it again.
#pragma once

#include <quillmark/quillmark_engine_export.h>

#include <quillmark/engine.h>
#include <quillmark/module_grid.h>
#include <quillmark/retail_look.h>

#include <exception>
#include <memory>
#include <optional>
#include <string>

namespace quillmark {

class QUILLMARK_ENGINE_EXPORT TSymbolValue {
public:
    // Encodes Value; never raises for a value the engine refuses, which keeps the refusal
    // for the steps that need a symbol (Symbol) and still says what it would carry.
    TSymbolValue(TBarType Type, std::string Value, TCheckSum CheckSum);
    // The same for any type: a two-dimensional one gets its grid from Encoder (the matrix
    // library's), chosen by Options; without an Encoder such a value is refused.
    TSymbolValue(TBarType Type, std::string Value, TCheckSum CheckSum, TMatrixOptions Options,
                 TGridEncoder Encoder);

    TBarType Type() const { return type_; }
    const std::string& Value() const { return value_; }
    TCheckSum CheckSum() const { return checkSum_; }
    const TMatrixOptions& Options() const { return options_; }
    // Whether this is the value of Type, Value and CheckSum (and Options, for a type drawn
    // from a grid).
    bool Holds(TBarType Type, const std::string& Value, TCheckSum CheckSum) const;
    bool Holds(TBarType Type, const std::string& Value, TCheckSum CheckSum,
               const TMatrixOptions& Options) const;
    // A two-dimensional symbol's modules; none for a row of bars or a refused value.
    const std::shared_ptr<const TModuleGrid>& Grid() const { return grid_; }

    bool Refused() const { return static_cast<bool>(refusal_); }
    // Raises the engine's error for a refused value; returns otherwise.
    void RaiseRefusal() const;
    // What the bars hold beside the value typed (the engine's Carried), raising what it
    // raises.
    const TCarried& Carried() const;
    // The EAN/UPC look (RetailLook), none for the other symbologies. Raises as RetailLook
    // does for a value whose digits it can't take.
    const std::optional<TRetailLook>& RetailLook() const;

    // The symbol at Modul and Ratio (clamped for the symbology) as MakeSymbol makes it, with
    // its errors in MakeSymbol's order: the widths' first, then the value's.
    TSymbol Symbol(int Modul, double Ratio) const;

private:
    void EncodeGrid(TGridEncoder Encoder);

    TBarType type_;
    std::string value_;
    TCheckSum checkSum_;
    TMatrixOptions options_;
    std::shared_ptr<const TModuleGrid> grid_;
    std::string pattern_; // one character per bar or space; the widths come at Symbol
    std::string text_;
    std::string above_; // the line printed above the symbol, where its standard prints one
    TCarried carried_;
    std::optional<TRetailLook> look_;
    // The errors met encoding, working out what it carries and its look, raised by the
    // steps that read them.
    std::exception_ptr refusal_;
    std::exception_ptr carriedRefusal_;
    std::exception_ptr lookRefusal_;
};

} // namespace quillmark
