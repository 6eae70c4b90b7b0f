// Test support: draws module patterns as plain greyscale rasters and scans images with
// zxing-cpp, so that symbols can be checked by an independent decoder.
#pragma once

#include <quillmark/engine.h>
#include <quillmark/module_grid.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillmark::testing {

// A greyscale image, 0 black and 255 white, one byte per pixel, rows top to bottom.
struct Raster {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Pixels;
};

// Draws Pattern with the element widths of the last MakeModules call, bars black and
// spaces white, with a white quiet zone of QuietZone pixels on each side. Short bars
// cover the lower two fifths of the bar height.
Raster RasterisePattern(const std::string& Pattern, int BarHeight = 60, int QuietZone = 30);

// Draws Grid dark modules black on white at PixelsPerModule, with the quiet zone its
// symbology asks around it.
Raster RasteriseGrid(const TModuleGrid& Grid, int PixelsPerModule = 4);

// Rows of modules ('1' dark) of the given heights as a grid, with QuietZone around it: the
// stacked symbols' rows, which differ in height.
TModuleGrid GridOfRows(const std::vector<std::string>& Rows, const std::vector<int>& Heights,
                       int QuietZone = 10);

struct ScanResult {
    std::string Text;                // decoded text (UTF-8)
    std::string Format;              // zxing's name of the symbology
    std::string SymbologyId;         // "]C1" for GS1-128, for instance
    std::vector<std::uint8_t> Bytes; // raw decoded bytes
};

// Scans a greyscale image for any one-dimensional symbol.
std::optional<ScanResult> Scan(const Raster& Image);
std::optional<ScanResult> Scan(const std::uint8_t* Pixels, int Width, int Height, int RowStride);

// Decoder settings beyond those that Scan uses by default.
struct ScanHints {
    bool Code39Extended = false;   // read Code 39 full-ASCII pairs as one character
    bool Code39CheckDigit = false; // require a Code 39 modulo-43 check character and drop it
};
std::optional<ScanResult> Scan(const Raster& Image, const ScanHints& Hints);

// Scans for an EAN/UPC symbol that must be followed by a two- or five-digit add-on; the
// add-on's digits follow the main symbol's in the text.
std::optional<ScanResult> ScanWithEanAddOn(const Raster& Image);

// Encodes Value with MakeModules, rasterises the pattern and scans it.
std::optional<ScanResult> EncodeAndScan(TBarType Type, const std::string& Value, int Modul = 2,
                                        double Ratio = 2.0, TCheckSum CheckSum = csNone);
std::optional<ScanResult> EncodeAndScan(const ScanHints& Hints, TBarType Type,
                                        const std::string& Value, int Modul = 2, double Ratio = 2.0,
                                        TCheckSum CheckSum = csNone);

} // namespace quillmark::testing
