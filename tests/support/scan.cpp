#include "scan.h"

#include <quillmark/read_symbol.h>

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

Raster RasteriseGrid(const TModuleGrid& Grid, int PixelsPerModule) {
    Raster image;
    image.Width = (Grid.Columns + 2 * Grid.QuietZone) * PixelsPerModule;
    image.Height = (Grid.Rows + 2 * Grid.QuietZone) * PixelsPerModule;
    image.Pixels.assign(static_cast<std::size_t>(image.Width) * image.Height, 255);
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x) {
            const int column = x / PixelsPerModule - Grid.QuietZone;
            const int row = y / PixelsPerModule - Grid.QuietZone;
            if (column >= 0 && column < Grid.Columns && row >= 0 && row < Grid.Rows &&
                Grid.IsDark(column, row))
                image.Pixels[static_cast<std::size_t>(y) * image.Width + x] = 0;
        }
    return image;
}

TModuleGrid GridOfRows(const std::vector<std::string>& Rows, const std::vector<int>& Heights,
                       int QuietZone) {
    TModuleGrid grid;
    grid.Columns = Rows.empty() ? 0 : static_cast<int>(Rows.front().size());
    grid.QuietZone = QuietZone;
    for (std::size_t i = 0; i < Rows.size(); ++i)
        for (int line = 0; line < Heights[i]; ++line, ++grid.Rows)
            for (const char module : Rows[i])
                grid.Dark.push_back(module == '1' ? 1 : 0);
    return grid;
}

namespace {

std::optional<ScanResult> Read(const std::uint8_t* Pixels, int Width, int Height, int RowStride,
                               const TReadHints& Hints) {
    const std::optional<TReading> reading =
        ReadSymbol(TGreyImage{Pixels, Width, Height, RowStride}, Hints);
    if (!reading)
        return std::nullopt;
    return ScanResult{reading->Text, reading->Format, reading->SymbologyId,
                      std::vector<std::uint8_t>(reading->Bytes.begin(), reading->Bytes.end())};
}

} // namespace

std::optional<ScanResult> Scan(const std::uint8_t* Pixels, int Width, int Height, int RowStride) {
    return Read(Pixels, Width, Height, RowStride, {});
}

std::optional<ScanResult> ScanWithEanAddOn(const Raster& Image) {
    TReadHints hints;
    hints.EanAddOn = true;
    return Read(Image.Pixels.data(), Image.Width, Image.Height, Image.Width, hints);
}

std::optional<ScanResult> Scan(const Raster& Image) {
    return Scan(Image.Pixels.data(), Image.Width, Image.Height, Image.Width);
}

std::optional<ScanResult> Scan(const Raster& Image, const ScanHints& Hints) {
    TReadHints hints;
    hints.Code39Extended = Hints.Code39Extended;
    hints.Code39CheckDigit = Hints.Code39CheckDigit;
    return Read(Image.Pixels.data(), Image.Width, Image.Height, Image.Width, hints);
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
