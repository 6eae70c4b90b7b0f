#include "read_symbol.h"

#include <quillmark/engine.h>

#include <ZXing/ReadBarcode.h>

namespace quillmark {

namespace {

ZXing::BarcodeFormat FormatOf(TBarType Type) {
    using ZXing::BarcodeFormat;
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
    default:
        return BarcodeFormat::None;
    }
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
    reading.Format = ZXing::ToString(result.format());
    reading.SymbologyId = result.symbologyIdentifier();
    return reading;
}

} // namespace quillmark
