#include "symbol_job.h"

#include "file_writer.h"
#include "standards_check.h"
#include "text_bytes.h"
#include "verify.h"

#include <new>

namespace quillmark::cli {

namespace {

// The description of one symbol, with auto check digits applied.
TBarcodeDescription DescribeSymbol(const TJobSettings& Settings, const std::string& Value) {
    TBarcodeDescription description = Settings.Description;
    TBarcodeSettings& barcode = description.Barcode;
    barcode.CheckSum = EngineCheckSum(Settings.CheckDigits);
    barcode.BarCode = Settings.CheckDigits == TCheckDigits::Auto
                          ? WithAutoCheckDigit(barcode.BarType, Value)
                          : Value;
    return description;
}

// Everything up to the bytes of the file; Latin-1 errors as the engine raises them.
QByteArray Render(const TJobSettings& Settings, const TBarcodeDescription& Description,
                  TSymbolOutcome& Outcome) {
    for (const std::string& finding : CheckStandard(Description)) {
        Outcome.Messages.push_back({!Settings.Strict, Latin1ForTerminal(finding)});
        Outcome.Failed = Outcome.Failed || Settings.Strict;
    }
    if (Outcome.Failed)
        return {};
    QByteArray bytes = RenderFile(Description, Settings.Format);
    if (Settings.Verify && CanVerify(Description.Barcode.BarType)) {
        // The PNG is read back from its own bytes; vector files from a raster of the same
        // description, at its resolution.
        const QImage image = Settings.Format == TFileFormat::Png ? QImage::fromData(bytes, "PNG")
                                                                 : RenderImage(Description);
        if (VerifyImage(image, Description) == TVerified::ScansUncompared)
            Outcome.Messages.push_back(
                {true, "the symbol scans, but its Code 128 function characters can't be "
                       "compared with the value"});
    }
    return bytes;
}

} // namespace

TSymbolOutcome RunSymbol(const TJobSettings& Settings, const std::string& Value,
                         const std::string& Target) {
    TSymbolOutcome outcome;
    const auto fail = [&outcome](std::string Text) {
        outcome.Messages.push_back({false, std::move(Text)});
        outcome.Failed = true;
        return outcome;
    };
    QByteArray bytes;
    try {
        const TBarcodeDescription description = DescribeSymbol(Settings, Value);
        bytes = Render(Settings, description, outcome);
        if (outcome.Failed)
            return outcome;
    } catch (const Exception& e) {
        return fail(Latin1ForTerminal(WithValueShortened(e.what(), Value)));
    } catch (const std::bad_alloc&) {
        return fail("out of memory");
    } catch (const std::exception& e) {
        return fail(Latin1ForTerminal(e.what()));
    }
    try {
        if (Target == "-")
            WriteToStdout(bytes);
        else
            WriteFileAtomically(Target, bytes);
    } catch (const std::exception& e) {
        return fail(Utf8ForTerminal(e.what()));
    }
    return outcome;
}

} // namespace quillmark::cli
