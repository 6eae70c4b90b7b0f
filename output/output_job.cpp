#include "output_job.h"

#include <quillmark/decimal_text.h>
#include <quillmark/print_fit.h>
#include <quillmark/standards_check.h>

#include <utility>

namespace quillmark {

QByteArray RenderFile(TPreparedSymbol& Symbol, TFileFormat Format) {
    return RenderFile(Symbol.LayoutFor(Format), Format);
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

bool CheckOutputSymbol(const TOutputJob& Job, TPreparedSymbol& Symbol, TFileFormat Format,
                       TOutputResult& Result) {
    if (Job.GS1Pairings)
        RefuseBrokenPairings(Symbol.Description());
    Result.Findings = Symbol.Findings(Format);
    if (Job.Report)
        for (std::string& line :
             ReportLines(PrintFit(Symbol.Description(), Symbol.LayoutFor(Format), Job.GainMM)))
            Result.Report.push_back(std::move(line));
    return !Job.Gate || Job.Gate(Result.Findings);
}

TOutputResult RunOutputJob(const TOutputJob& Job, TPreparedSymbol& Symbol, const TSink& Write) {
    TOutputResult result;
    if (!CheckOutputSymbol(Job, Symbol, Job.Format, result))
        return result;
    // A PNG is read back from the pixels it was written from, which no image reader's limit
    // can refuse; vector files from a raster of the same description, at its resolution.
    // Unread, a PNG needs no picture where it is written straight from a grid.
    const bool png = Job.Format == TFileFormat::Png;
    QImage picture;
    if (Job.Verifier)
        picture = RenderImage(Symbol.Raster());
    const bool native = Job.Format == TFileFormat::Zpl && Job.ZplForm == TZplForm::Native;
    const QByteArray bytes = native         ? NativeZpl(Symbol.Description(), Symbol.Raster())
                             : !png         ? RenderFile(Symbol, Job.Format)
                             : Job.Verifier ? EncodePng(picture, Symbol.Raster())
                                            : RenderPng(Symbol.Raster());
    if (Job.Verifier) {
        if (std::optional<std::string> note = Job.Verifier(picture, Symbol.Description()))
            result.Notes.push_back(std::move(*note));
    }
    Write(bytes);
    result.Written = true;
    return result;
}

} // namespace quillmark
