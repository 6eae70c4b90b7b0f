// Two-dimensional symbols as module grids: QR Code and Micro QR Code through libqrencode,
// Data Matrix ECC 200 (and GS1 DataMatrix) through libdmtx. No Qt.
#pragma once

#include <quillmark/quillmark_matrix_export.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace quillmark {

// A symbol's modules, without its quiet zone.
struct TModuleGrid {
    int Columns = 0;
    int Rows = 0;
    std::vector<std::uint8_t> Dark; // row-major, 1 = dark
    int QuietZone = 0;              // modules of light margin the symbology asks on each side

    bool IsDark(int Column, int Row) const { return Dark[Row * Columns + Column] != 0; }
};

enum class TQrLevel { L, M, Q, H };

struct TQrOptions {
    TQrLevel Level = TQrLevel::M;
    int Version = 0;    // 0 automatic (the smallest that holds the data); 1-40, or 1-4 for Micro
    bool Micro = false; // Micro QR Code, versions M1-M4
};

enum class TDataMatrixShape { Square, Rectangle, Any };

struct TDataMatrixOptions {
    TDataMatrixShape Shape = TDataMatrixShape::Square; // for an automatic size
    int Rows = 0;     // a fixed size when both are set: one of the standard's symbols
    int Columns = 0;  // 0 and 0: the smallest symbol of Shape that holds the data
    bool GS1 = false; // FNC1 first, and each GS byte (0x1D) of the data as FNC1
};

// The symbol that carries Bytes (any byte values, NUL included). Raises Exception when the
// data does not fit or the options name no symbol, saying what to change.
QUILLMARK_MATRIX_EXPORT TModuleGrid EncodeQR(std::string_view Bytes, const TQrOptions& Options);
QUILLMARK_MATRIX_EXPORT TModuleGrid EncodeDataMatrix(std::string_view Bytes,
                                                     const TDataMatrixOptions& Options);

} // namespace quillmark
