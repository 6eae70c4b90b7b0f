#include "verify.h"

#include "encoders.h"
#include "standards_check.h"

#include <ZXing/ReadBarcode.h>

#include <algorithm>

namespace quillmark::cli {

namespace {

ZXing::BarcodeFormat FormatOf(TBarType Type) {
    using ZXing::BarcodeFormat;
    switch (Type) {
    case bcCode39:
    case bcCode39Extended:
        return BarcodeFormat::Code39;
    case bcCode93:
    case bcCode93Extended:
        return BarcodeFormat::Code93;
    case bcCode128A:
    case bcCode128B:
    case bcCode128C:
    case bcCodeEAN128A:
    case bcCodeEAN128B:
    case bcCodeEAN128C:
        return BarcodeFormat::Code128;
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
    default:
        return BarcodeFormat::None;
    }
}

bool IsCode128(TBarType Type) {
    return FormatOf(Type) == ZXing::BarcodeFormat::Code128;
}

bool UsesSetC(TBarType Type) {
    return Type == bcCode128C || Type == bcCodeEAN128C;
}

std::optional<std::string> Code128Text(TBarType Type, std::string Value, TCheckSum CheckSum) {
    if (Type >= bcCodeEAN128A)
        Value = ApplyCheckSum(CheckSum, Value);
    std::string text;
    if (UsesSetC(Type)) {
        if (Value.size() % 2 != 0)
            Value.insert(Value.begin(), '0');
        for (std::size_t i = 0; i < Value.size(); i += 2) {
            const std::string pair = Value.substr(i, 2);
            const int v = FindCode128Pair(pair);
            if (v >= 100) // CODE B, CODE A, FNC1
                return std::nullopt;
            text += v < 0 ? "00" : pair;
        }
        return text;
    }
    for (const char ch : Value) {
        // Escape bytes 196 to 202 name function characters and code set changes.
        const int v = FindCode128Char(ch, Type);
        if (v > 95)
            return std::nullopt;
        if (v == 95) // DEL in set B, US in set A, from an escape byte
            text += Type == bcCode128A || Type == bcCodeEAN128A ? '\x1F' : '\x7F';
        else
            text += v < 0 ? ' ' : ch;
    }
    return text;
}

// The digits an EAN/UPC encoder draws, as a reader gives them (UPC-E with its number
// system first).
std::string EANUPCText(TBarType Type, const std::string& Value, TCheckSum CheckSum) {
    const std::string drawn = DrawnEANUPCDigits(Type, Value, CheckSum);
    if (Type == bcCodeUPC_E0 || Type == bcCodeUPC_E1)
        return (Type == bcCodeUPC_E0 ? "0" : "1") + drawn;
    return drawn;
}

std::string Kept(const std::string& Value, bool (*Keep)(char)) {
    std::string text;
    std::copy_if(Value.begin(), Value.end(), std::back_inserter(text), Keep);
    return text;
}

std::string Quoted(const std::string& Text) {
    constexpr std::size_t Longest = 60;
    return "'" + (Text.size() > Longest ? Text.substr(0, Longest) + "..." : Text) + "'";
}

} // namespace

bool CanVerify(TBarType Type) {
    return FormatOf(Type) != ZXing::BarcodeFormat::None;
}

std::optional<std::string> CarriedText(TBarType Type, const std::string& Value,
                                       TCheckSum CheckSum) {
    const auto ascii = [](char ch) { return static_cast<unsigned char>(ch) < 128; };
    switch (Type) {
    case bcCode39:
        return Kept(Value, [](char ch) { return FindCode39Char(ch) >= 0; });
    case bcCode39Extended:
    case bcCode93Extended:
        return Kept(Value, ascii);
    case bcCode_2_5_interleaved:
        // An odd last digit has no partner and is left out.
        return Value.substr(0, Value.size() - Value.size() % 2);
    case bcCodeEAN8:
    case bcCodeEAN13:
    case bcCodeUPC_A:
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
        return EANUPCText(Type, Value, CheckSum);
    default:
        if (IsCode128(Type))
            return Code128Text(Type, Value, CheckSum);
        return Value;
    }
}

TVerified VerifyImage(const QImage& Image, const TBarcodeDescription& Description) {
    const TBarcodeSettings& settings = Description.Barcode;
    const TBarType type = settings.BarType;
    ZXing::DecodeHints hints;
    hints.setFormats(FormatOf(type));
    hints.setTryHarder(true);
    hints.setTryRotate(!IsHorizontal(settings.Orientation));
    hints.setTryCode39ExtendedMode(type == bcCode39Extended);
    // The engine's check character of Code 39 is read, checked and dropped.
    hints.setValidateCode39CheckSum(settings.CheckSum != csNone);

    const QImage grey = Image.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    const std::string& value = settings.BarCode;
    if (!result.isValid())
        throw Exception(value + " : Verification failed: zxing-cpp finds no " +
                        ZXing::ToString(FormatOf(type)) + " symbol in the image.");
    const std::optional<std::string> expected = CarriedText(type, value, settings.CheckSum);
    if (!expected)
        return TVerified::ScansUncompared;
    const std::string read(result.bytes().begin(), result.bytes().end());
    if (read != *expected)
        throw Exception(value + " : Verification failed: the symbol reads " + Quoted(read) +
                        ", not " + Quoted(*expected) + ".");
    return TVerified::Matches;
}

} // namespace quillmark::cli
