// Reads two-dimensional symbols back from pictures with zxing-cpp, an independent decoder:
// the bytes they carry and the symbology identifier.
#pragma once

#include <ZXing/ReadBarcode.h>

#include <QImage>

#include <optional>
#include <string>

namespace quillmark::testing {

// An X of whole pixels where the tests draw and rasterise grids, 0.02 in: 6 pixels at 300 dpi,
// 3 at 150 dpi; inside every range GS1 gives its grids.
inline constexpr double SharpXMM = 0.508;

struct TMatrixReading {
    std::string Bytes;
    std::string SymbologyId; // "]Q1" for QR Code, "]d2" for GS1 DataMatrix, ...
};

// The one symbol of Formats in Image, as zxing reads it; Pure where it stands upright alone on
// whole pixels a module, which reads fastest.
inline std::optional<TMatrixReading> ReadSymbolOf(const QImage& Image,
                                                  ZXing::BarcodeFormats Formats, bool Pure) {
    const QImage grey = Image.convertToFormat(QImage::Format_Grayscale8);
    ZXing::DecodeHints hints;
    hints.setFormats(Formats);
    hints.setIsPure(Pure);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return std::nullopt;
    const auto& bytes = result.bytes();
    return TMatrixReading{std::string(bytes.begin(), bytes.end()), result.symbologyIdentifier()};
}

// The one QR Code, Micro QR Code or Data Matrix symbol standing upright in Image, its
// modules whole pixels.
inline std::optional<TMatrixReading> ReadMatrix(const QImage& Image) {
    return ReadSymbolOf(Image,
                        ZXing::BarcodeFormat::QRCode | ZXing::BarcodeFormat::MicroQRCode |
                            ZXing::BarcodeFormat::DataMatrix,
                        true);
}

} // namespace quillmark::testing
