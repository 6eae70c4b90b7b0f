#include "read_symbol.h"

#include <quillmark/engine.h>
#include <quillmark/symbol_value.h>

#include <ZXing/ReadBarcode.h>

namespace quillmark {

namespace {

ZXing::BarcodeFormat FormatOf(TBarType Type) {
    using ZXing::BarcodeFormat;
    // ITF-14 reads as Interleaved 2 of 5, a book number as EAN-13.
    if (const std::optional<TBarType> drawnAs = BarTypeData(Type).DrawnAs)
        return FormatOf(*drawnAs);
    if (IsCode128(Type))
        return BarcodeFormat::Code128;
    switch (Type) {
    case bcCode39:
    case bcCode39Extended:
        return BarcodeFormat::Code39;
    case bcCode93:
    case bcCode93Extended:
        return BarcodeFormat::Code93;
    case bcCode_2_5_interleaved:
        return BarcodeFormat::ITF;
    case bcCodeCodabar:
        return BarcodeFormat::Codabar;
    case bcCodeEAN8:
        return BarcodeFormat::EAN8;
    case bcCodeEAN13:
        return BarcodeFormat::EAN13;
    case bcCodeUPC_A:
        return BarcodeFormat::UPCA;
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
        return BarcodeFormat::UPCE;
    case bcCodeQR:
    case bcCodeGS1DigitalLinkQR:
        return BarcodeFormat::QRCode;
    case bcCodeMicroQR:
        return BarcodeFormat::MicroQRCode;
    case bcCodeDataMatrix:
    case bcCodeGS1DataMatrix:
        return BarcodeFormat::DataMatrix;
    // zxing-cpp 1.4 reads GS1 DataBar Limited not at all.
    case bcCodeDataBar:
    case bcCodeDataBarTruncated:
    case bcCodeDataBarStacked:
    case bcCodeDataBarStackedOmni:
        return BarcodeFormat::DataBar;
    case bcCodeDataBarExpanded:
    case bcCodeDataBarExpandedStacked:
        return BarcodeFormat::DataBarExpanded;
    default:
        return BarcodeFormat::None;
    }
}

// The bytes a GS1 DataBar symbol carries, from zxing-cpp 1.4's reading of it: the GTIN
// without its AI, or Expanded's AIs in parentheses, which the engine takes as a value of
// its own and carries as the symbol does. A reading the engine refuses stays as read.
std::string DataBarBytes(ZXing::BarcodeFormat Format, const std::string& Read) {
    const TBarType type =
        Format == ZXing::BarcodeFormat::DataBar ? bcCodeDataBar : bcCodeDataBarExpanded;
    return TSymbolValue(type, Read, csNone).Carried().Data.value_or(Read);
}

} // namespace

bool CanRead(TBarType Type) {
    return FormatOf(Type) != ZXing::BarcodeFormat::None;
}

std::string FormatName(TBarType Type) {
    return ZXing::ToString(FormatOf(Type));
}

std::optional<TReading> ReadSymbol(const TGreyImage& Image, const TReadHints& Hints) {
    ZXing::DecodeHints hints;
    hints.setFormats(Hints.Only ? ZXing::BarcodeFormats(FormatOf(*Hints.Only))
                                : ZXing::BarcodeFormat::LinearCodes);
    hints.setTryHarder(true);
    hints.setTryRotate(Hints.TryRotate);
    hints.setTryCode39ExtendedMode(Hints.Code39Extended);
    hints.setValidateCode39CheckSum(Hints.Code39CheckDigit);
    if (Hints.EanAddOn)
        hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Require);
    const ZXing::ImageView view(Image.Pixels, Image.Width, Image.Height, ZXing::ImageFormat::Lum,
                                Image.Stride);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return std::nullopt;
    TReading reading;
    reading.Text = result.text();
    reading.Bytes.assign(result.bytes().begin(), result.bytes().end());
    if (result.format() == ZXing::BarcodeFormat::DataBar ||
        result.format() == ZXing::BarcodeFormat::DataBarExpanded)
        reading.Bytes = DataBarBytes(result.format(), reading.Bytes);
    reading.Format = ZXing::ToString(result.format());
    reading.SymbologyId = result.symbologyIdentifier();
    return reading;
}

} // namespace quillmark
