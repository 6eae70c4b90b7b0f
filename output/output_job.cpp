#include "output_job.h"

#include "decimal_text.h"
#include "error_messages.h"
#include "gs1.h"
#include "print_fit.h"
#include "standards_check.h"

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
    RefuseSilentChanges(Description, TSymbolValue(s.BarType, s.BarCode, s.CheckSum));
}

void RefuseBrokenPairings(const TBarcodeDescription& Description) {
    const TSymbolLook& s = Description.Barcode;
    if (s.BarType != bcCodeGS1_128)
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
    if (!value_ || !value_->Holds(s.BarType, s.BarCode, s.CheckSum))
        value_ = std::make_shared<const TSymbolValue>(s.BarType, s.BarCode, s.CheckSum);
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
    return Format == TFileFormat::Png ? Raster() : Vector();
}

std::vector<std::string> TPreparedSymbol::Findings(TFileFormat Format) {
    return CheckStandard(description_, LayoutFor(Format));
}

QByteArray TPreparedSymbol::Render(TFileFormat Format) {
    return RenderFile(LayoutFor(Format), Format);
}

TSink FileSink(const std::string& FileName, TDurability Durability) {
    return [FileName, Durability](const QByteArray& Bytes) {
        WriteFileAtomically(FileName, Bytes, Durability);
    };
}

TSink FileSink(const QString& FileName, TDurability Durability) {
    return [FileName, Durability](const QByteArray& Bytes) {
        WriteFileAtomically(FileName, Bytes, Durability);
    };
}

namespace {

// The description with its X-dimension on the nearest whole pixels in the permitted range.
TBarcodeDescription FittedToDevice(const TBarcodeDescription& Description,
                                   std::vector<std::string>& Told) {
    TBarcodeDescription fitted = Description;
    const TBarType type = Description.Barcode.BarType;
    const std::optional<int> pixels = FitToDevice(type, XDimensionOf(Description), Description.Dpi);
    if (!pixels)
        throw Exception(NoFitMessage(type, Description.Dpi));
    fitted.XDimensionMM = *pixels * MMPerInch / Description.Dpi;
    Told.push_back("fitted to " + std::to_string(*pixels) + " pixels at " +
                   std::to_string(Description.Dpi) + " dpi: X-dimension " +
                   DecimalText(fitted.XDimensionMM, 3) + " mm");
    return fitted;
}

} // namespace

TOutputResult RunOutputJob(const TOutputJob& Job, const std::string& Value, const TSink& Write) {
    std::vector<std::string> fitted;
    TPreparedSymbol symbol(Job.FitToDevice ? FittedToDevice(Job.Description, fitted)
                                           : Job.Description,
                           Value, Job.CheckDigits, Job.Lenient);
    TOutputResult result = RunOutputJob(Job, symbol, Write);
    result.Report.insert(result.Report.begin(), fitted.begin(), fitted.end());
    return result;
}

TOutputResult RunOutputJob(const TOutputJob& Job, TPreparedSymbol& Symbol, const TSink& Write) {
    TOutputResult result;
    if (Job.GS1Pairings)
        RefuseBrokenPairings(Symbol.Description());
    result.Findings = Symbol.Findings(Job.Format);
    if (Job.Report)
        for (std::string& line :
             ReportLines(PrintFit(Symbol.Description(), Symbol.LayoutFor(Job.Format))))
            result.Report.push_back(std::move(line));
    if (Job.Gate && !Job.Gate(result.Findings))
        return result;
    // A PNG is read back from the pixels it was written from, which no image reader's limit
    // can refuse; vector files from a raster of the same description, at its resolution.
    const bool png = Job.Format == TFileFormat::Png;
    QImage picture;
    if (png || Job.Verifier)
        picture = RenderImage(Symbol.Raster());
    const QByteArray bytes = png ? EncodePng(picture, Symbol.Raster()) : Symbol.Render(Job.Format);
    if (Job.Verifier) {
        if (std::optional<std::string> note = Job.Verifier(picture, Symbol.Description()))
            result.Notes.push_back(std::move(*note));
    }
    Write(bytes);
    result.Written = true;
    return result;
}

} // namespace quillmark
