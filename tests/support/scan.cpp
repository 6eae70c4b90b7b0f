#include "scan.h"

#include <ZXing/ReadBarcode.h>

namespace quillmark::testing {

Raster RasterisePattern(const std::string& Pattern, int BarHeight, int QuietZone) {
    int total = 0;
    for (const char ch : Pattern) {
        int width = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, width, kind);
        total += width;
    }
    Raster image;
    image.Width = total + 2 * QuietZone;
    image.Height = BarHeight + 2 * QuietZone;
    image.Pixels.assign(static_cast<std::size_t>(image.Width) * image.Height, 255);
    int x = QuietZone;
    for (const char ch : Pattern) {
        int width = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, width, kind);
        if (kind != lkSpace) {
            const int top = kind == lkShortBar ? (BarHeight * 3) / 5 : 0;
            for (int y = QuietZone + top; y < QuietZone + BarHeight; ++y)
                for (int i = 0; i < width; ++i)
                    image.Pixels[static_cast<std::size_t>(y) * image.Width + x + i] = 0;
        }
        x += width;
    }
    return image;
}

namespace {

ZXing::DecodeHints LinearHints() {
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::LinearCodes);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    return hints;
}

std::optional<ScanResult> ScanWithHints(const std::uint8_t* Pixels, int Width, int Height,
                                        int RowStride, const ZXing::DecodeHints& hints) {
    const ZXing::ImageView view(Pixels, Width, Height, ZXing::ImageFormat::Lum, RowStride);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return std::nullopt;
    ScanResult out;
    out.Text = result.text();
    out.Format = ZXing::ToString(result.format());
    out.SymbologyId = result.symbologyIdentifier();
    out.Bytes.assign(result.bytes().begin(), result.bytes().end());
    return out;
}

} // namespace

std::optional<ScanResult> Scan(const std::uint8_t* Pixels, int Width, int Height, int RowStride) {
    return ScanWithHints(Pixels, Width, Height, RowStride, LinearHints());
}

std::optional<ScanResult> ScanWithEanAddOn(const Raster& Image) {
    ZXing::DecodeHints hints = LinearHints();
    hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Require);
    return ScanWithHints(Image.Pixels.data(), Image.Width, Image.Height, Image.Width, hints);
}

std::optional<ScanResult> Scan(const Raster& Image) {
    return Scan(Image.Pixels.data(), Image.Width, Image.Height, Image.Width);
}

std::optional<ScanResult> Scan(const Raster& Image, const ScanHints& Hints) {
    ZXing::DecodeHints hints = LinearHints();
    hints.setTryCode39ExtendedMode(Hints.Code39Extended);
    hints.setValidateCode39CheckSum(Hints.Code39CheckDigit);
    return ScanWithHints(Image.Pixels.data(), Image.Width, Image.Height, Image.Width, hints);
}

std::optional<ScanResult> EncodeAndScan(TBarType Type, const std::string& Value, int Modul,
                                        double Ratio, TCheckSum CheckSum) {
    std::string text = Value;
    std::string pattern;
    MakeModules(Type, Value, Modul, Ratio, CheckSum, text, pattern);
    return Scan(RasterisePattern(pattern));
}

std::optional<ScanResult> EncodeAndScan(const ScanHints& Hints, TBarType Type,
                                        const std::string& Value, int Modul, double Ratio,
                                        TCheckSum CheckSum) {
    std::string text = Value;
    std::string pattern;
    MakeModules(Type, Value, Modul, Ratio, CheckSum, text, pattern);
    return Scan(RasterisePattern(pattern), Hints);
}

} // namespace quillmark::testing
