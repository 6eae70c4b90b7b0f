#include "symbol_job.h"

#include "text_bytes.h"
#include <quillmark/matrix.h>
#include <quillmark/verify.h>

#include <new>

#include <unistd.h>

namespace quillmark::cli {

namespace {

std::optional<std::string> ReadBack(const QImage& Picture, const TBarcodeDescription& D) {
    const QImage grey = Picture.convertToFormat(QImage::Format_Grayscale8);
    const TGreyImage image{grey.constBits(), grey.width(), grey.height(),
                           static_cast<int>(grey.bytesPerLine())};
    const TSymbolLook& s = D.Barcode;
    const auto symbol = MakeSymbolValue(s.BarType, s.BarCode, s.CheckSum, s.Matrix);
    if (VerifySymbol(image, *symbol, IsHorizontal(s.Orientation)) == TVerified::ScansUncompared)
        return "the symbol scans, but its Code 128 function characters can't be compared with "
               "the value";
    return std::nullopt;
}

} // namespace

TOutputJob MakeJob(const TOptions& Options) {
    TOutputJob job{.Description = Options.Description,
                   .CheckDigits = Options.CheckDigits,
                   .Format = OutputFormat(Options),
                   .Lenient = Options.Lenient,
                   .GS1Pairings = Options.GS1Strict,
                   .Report = Options.Report,
                   .GainMM = Options.GainMM,
                   .FitToDevice = Options.Fit,
                   .ZplForm = Options.ZplForm};
    if (Options.Strict)
        StopOnFindings(job);
    if (Options.Verify)
        ReadBackSymbols(job, Options.Records.TypeColumn.has_value());
    return job;
}

void StopOnFindings(TOutputJob& Job) {
    Job.Gate = [](const std::vector<std::string>& Findings) { return Findings.empty(); };
}

void ReadBackSymbols(TOutputJob& Job, bool EachOwnType) {
    // A sheet's one job draws every type a type column names: those zxing-cpp can't read are
    // drawn unverified, with a note.
    if (EachOwnType)
        Job.Verifier = [](const QImage& Picture,
                          const TBarcodeDescription& D) -> std::optional<std::string> {
            const TBarType type = D.Barcode.BarType;
            if (!CanRead(type))
                return "zxing-cpp can't read " + BarTypeName(type) + ", so it is unverified";
            return ReadBack(Picture, D);
        };
    else if (CanRead(Job.Description.Barcode.BarType))
        Job.Verifier = ReadBack;
}

void AddResult(TSymbolOutcome& Outcome, const TOutputResult& Result, bool Strict) {
    for (const std::string& finding : Result.Findings)
        Outcome.Messages.push_back({!Strict, Latin1ForTerminal(finding)});
    for (const std::string& line : Result.Report)
        Outcome.Messages.push_back({false, line});
    for (const std::string& note : Result.Notes)
        Outcome.Messages.push_back({true, note});
    Outcome.Failed = !Result.Written;
}

void AddFailure(TSymbolOutcome& Outcome, const std::exception_ptr& Error,
                const std::string& Value) {
    std::string text;
    try {
        std::rethrow_exception(Error);
    } catch (const EWriteError& e) {
        text = Utf8ForTerminal(e.Message());
    } catch (const Exception& e) {
        // The whole message: what() ends at the first NUL byte of a quoted value.
        text = Latin1ForTerminal(WithValueShortened(e.Message(), Value));
    } catch (const std::bad_alloc&) {
        text = "out of memory";
    } catch (const std::exception& e) {
        text = Latin1ForTerminal(e.what());
    }
    Outcome.Messages.push_back({false, std::move(text)});
    Outcome.Failed = true;
}

namespace {

TSymbolOutcome RunSymbolTo(const TOutputJob& Job, bool Strict, const std::string& Value,
                           const TSink& Write) {
    TSymbolOutcome outcome;
    try {
        AddResult(outcome, RunOutputJob(Job, Value, Write), Strict);
    } catch (...) {
        AddFailure(outcome, std::current_exception(), Value);
    }
    return outcome;
}

} // namespace

TSymbolOutcome RunSymbol(const TOutputJob& Job, bool Strict, const std::string& Value,
                         const std::string& Target) {
    const TSink write =
        Target == "-"
            ? TSink([](const QByteArray& Bytes) { WriteAllTo(STDOUT_FILENO, Bytes, "stdout"); })
            : FileSink(Target, TDurability::None);
    return RunSymbolTo(Job, Strict, Value, write);
}

TSymbolOutcome RunSymbolForStream(const TOutputJob& Job, bool Strict, const std::string& Value) {
    QByteArray kept;
    TSymbolOutcome outcome =
        RunSymbolTo(Job, Strict, Value, [&kept](const QByteArray& Bytes) { kept = Bytes; });
    outcome.Bytes = std::move(kept);
    return outcome;
}

} // namespace quillmark::cli
