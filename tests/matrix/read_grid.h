// Draws module grids as greyscale pictures and reads them back with zxing-cpp, an
// independent decoder, for the matrix library's tests.
#pragma once

#include <quillmark/matrix.h>

#include <optional>
#include <string>

namespace quillmark::testing {

struct MatrixReading {
    std::string Bytes;       // the decoded content, bytes as the symbol carries them
    std::string SymbologyId; // "]Q1" for QR Code, "]d2" for GS1 DataMatrix, ...
    std::string Format;      // zxing-cpp's name of the symbology
};

// Reads Grid drawn at PixelsPerModule with its quiet zone around it.
std::optional<MatrixReading> ReadGrid(const TModuleGrid& Grid, int PixelsPerModule = 4);

} // namespace quillmark::testing
