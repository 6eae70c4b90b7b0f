// A symbol on its way out, before any file: its description, its value encoded once, its
// layouts, its findings, and the refusal of a value the symbol would change.
#pragma once

#include <quillmark/quillmark_layout_export.h>

#include <quillmark/description.h>
#include <quillmark/file_formats.h>
#include <quillmark/layout.h>
#include <quillmark/symbol_value.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillmark {

// One symbol on its way out: described once, and its layout built once for each kind of
// output it is drawn in (raster for PNG, vector for SVG, PDF and printing), however many
// steps read it. Not for sharing between threads.
class QUILLMARK_LAYOUT_EXPORT TPreparedSymbol {
public:
    // Base with Value under Mode (DescribeValue); raises its errors. Unless Lenient, a value
    // the symbol would carry other than as given is refused too (RefuseSilentChanges).
    // Encoded, the same value encoded for an earlier description, spares encoding it again
    // where it holds the described type, value and check mode.
    TPreparedSymbol(const TBarcodeDescription& Base, const std::string& Value, TCheckDigits Mode,
                    bool Lenient = false, std::shared_ptr<const TSymbolValue> Encoded = nullptr);

    const TBarcodeDescription& Description() const { return description_; }
    // The description's value, encoded once for every step.
    const TSymbolValue& Value() const { return *value_; }
    const std::shared_ptr<const TSymbolValue>& SharedValue() const { return value_; }
    // Raises the engine's errors for a refused value, and Exception for a size that can't
    // be drawn.
    const TOutputLayout& Raster();
    const TOutputLayout& Vector();
    const TOutputLayout& LayoutFor(TFileFormat Format);
    // The standards check on the layout Format draws from.
    std::vector<std::string> Findings(TFileFormat Format);

private:
    TBarcodeDescription description_;
    std::shared_ptr<const TSymbolValue> value_;
    std::optional<TOutputLayout> raster_;
    std::optional<TOutputLayout> vector_;
};

// Raises the engine's error for a value it refuses, and otherwise Exception "Value :
// sentence" for the first way the described symbol would carry something other than its value (a
// character dropped or replaced, an odd Interleaved 2 of 5 digit, a padded or wrong EAN/UPC value,
// a start, stop or shift character as data): the rule wherever a symbol leaves the program.
QUILLMARK_LAYOUT_EXPORT void RefuseSilentChanges(const TBarcodeDescription& Description);
// The same for the description's value already encoded.
QUILLMARK_LAYOUT_EXPORT void RefuseSilentChanges(const TBarcodeDescription& Description,
                                                 const TSymbolValue& Value);

// The sentence a refusal gives for what a symbol carries, in place of its first departure.
using TAdvice = std::function<std::string(const TCarried& Carried)>;

// The one rule under both: raises the engine's error for a value it refuses, and Exception
// "Value : sentence" for its first departure (Advice's sentence, where given).
QUILLMARK_LAYOUT_EXPORT void RefuseSilentChanges(const TSymbolValue& Value,
                                                 const TAdvice& Advice = {});

// Raises Exception "Value : sentence" for the first AI of a GS1-128 or GS1 DataMatrix
// description that lacks
// the partner the GS1 Barcode Syntax Dictionary requires or appears with one it excludes.
QUILLMARK_LAYOUT_EXPORT void RefuseBrokenPairings(const TBarcodeDescription& Description);

} // namespace quillmark
