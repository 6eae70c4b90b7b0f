#include "read_grid.h"

#include "scan.h"

#include <ZXing/ReadBarcode.h>

namespace quillmark::testing {

std::optional<MatrixReading> ReadGrid(const TModuleGrid& Grid, int PixelsPerModule) {
    const Raster image = RasteriseGrid(Grid, PixelsPerModule);
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode | ZXing::BarcodeFormat::MicroQRCode |
                     ZXing::BarcodeFormat::DataMatrix);
    hints.setIsPure(true);
    const ZXing::ImageView view(image.Pixels.data(), image.Width, image.Height,
                                ZXing::ImageFormat::Lum);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return std::nullopt;
    const auto& bytes = result.bytes();
    return MatrixReading{std::string(bytes.begin(), bytes.end()), result.symbologyIdentifier(),
                         ZXing::ToString(result.format())};
}

} // namespace quillmark::testing
