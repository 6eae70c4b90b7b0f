#include "read_grid.h"

#include <ZXing/ReadBarcode.h>

#include <cstdint>
#include <vector>

namespace quillmark::testing {

std::optional<MatrixReading> ReadGrid(const TModuleGrid& Grid, int PixelsPerModule) {
    const int width = (Grid.Columns + 2 * Grid.QuietZone) * PixelsPerModule;
    const int height = (Grid.Rows + 2 * Grid.QuietZone) * PixelsPerModule;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height, 255);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int column = x / PixelsPerModule - Grid.QuietZone;
            const int row = y / PixelsPerModule - Grid.QuietZone;
            if (column >= 0 && column < Grid.Columns && row >= 0 && row < Grid.Rows &&
                Grid.IsDark(column, row))
                pixels[static_cast<std::size_t>(y) * width + x] = 0;
        }
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode | ZXing::BarcodeFormat::MicroQRCode |
                     ZXing::BarcodeFormat::DataMatrix);
    hints.setIsPure(true);
    const ZXing::ImageView view(pixels.data(), width, height, ZXing::ImageFormat::Lum);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return std::nullopt;
    const auto& bytes = result.bytes();
    return MatrixReading{std::string(bytes.begin(), bytes.end()), result.symbologyIdentifier(),
                         ZXing::ToString(result.format())};
}

} // namespace quillmark::testing
