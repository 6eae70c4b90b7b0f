#include "prepared_symbol.h"

#include "standards_check.h"
#include <quillmark/error_messages.h>
#include <quillmark/gs1.h>
#include <quillmark/matrix.h>

#include <utility>

namespace quillmark {

void RefuseSilentChanges(const TSymbolValue& Value, const TAdvice& Advice) {
    // A value the engine refuses fails with the engine's own error, as it always has.
    Value.RaiseRefusal();
    const TCarried& carried = Value.Carried();
    if (!carried.Departures.empty())
        throw Exception(Quoting(Value.Value(),
                                (Advice ? Advice(carried) : carried.Departures.front()).c_str()));
}

void RefuseSilentChanges(const TBarcodeDescription& Description, const TSymbolValue& Value) {
    // Start and stop characters alone: a symbol no reader finds anything in.
    if (Description.Barcode.BarCode.empty())
        throw Exception(EmptyValueMessage);
    // Sizes the output can't draw at all fail first, as the engine checks them.
    Value.Symbol(1, OutputRatio(Description));
    RefuseSilentChanges(Value);
}

void RefuseSilentChanges(const TBarcodeDescription& Description) {
    const TSymbolLook& s = Description.Barcode;
    RefuseSilentChanges(Description, *MakeSymbolValue(s.BarType, s.BarCode, s.CheckSum, s.Matrix));
}

void RefuseBrokenPairings(const TBarcodeDescription& Description) {
    const TSymbolLook& s = Description.Barcode;
    // GS1 Digital Link QR refuses its pairings as it builds its URI.
    if (s.BarType != bcCodeGS1_128 && s.BarType != bcCodeGS1DataMatrix)
        return;
    const std::vector<std::string> problems = GS1PairingProblems(ParseGS1(s.BarCode));
    if (!problems.empty())
        throw Exception(Quoting(s.BarCode, problems.front().c_str()));
}

namespace {

// Under Lenient a check digit that can't be completed (a wrong one, an ambiguous UPC-E)
// leaves the value as it is, for the engine to draw and the findings to name.
TBarcodeDescription Described(const TBarcodeDescription& Base, const std::string& Value,
                              TCheckDigits Mode, bool Lenient) {
    if (!Lenient)
        return DescribeValue(Base, Value, Mode);
    try {
        return DescribeValue(Base, Value, Mode);
    } catch (const Exception&) {
        return DescribeValue(Base, Value, TCheckDigits::None);
    }
}

} // namespace

TPreparedSymbol::TPreparedSymbol(const TBarcodeDescription& Base, const std::string& Value,
                                 TCheckDigits Mode, bool Lenient,
                                 std::shared_ptr<const TSymbolValue> Encoded)
    : description_(Described(Base, Value, Mode, Lenient)), value_(std::move(Encoded)) {
    const TSymbolLook& s = description_.Barcode;
    if (!value_ || !value_->Holds(s.BarType, s.BarCode, s.CheckSum, s.Matrix))
        value_ = MakeSymbolValue(s.BarType, s.BarCode, s.CheckSum, s.Matrix);
    if (!Lenient)
        RefuseSilentChanges(description_, *value_);
}

const TOutputLayout& TPreparedSymbol::Raster() {
    if (!raster_)
        raster_ = RasterLayout(description_, value_);
    return *raster_;
}

const TOutputLayout& TPreparedSymbol::Vector() {
    if (!vector_)
        vector_ = VectorLayout(description_, value_);
    return *vector_;
}

const TOutputLayout& TPreparedSymbol::LayoutFor(TFileFormat Format) {
    return IsRasterFormat(Format) ? Raster() : Vector();
}

std::vector<std::string> TPreparedSymbol::Findings(TFileFormat Format) {
    return CheckStandard(description_, LayoutFor(Format));
}

} // namespace quillmark
