// Two-dimensional symbols as the engine knows them: a grid of modules and the options that
// choose the symbol. The grids themselves come from the matrix library, which the engine
// doesn't depend on: a symbol value is handed its encoder (TGridEncoder).
#pragma once

#include <quillmark/digital_link.h>
#include <quillmark/engine.h>

#include <cstdint>
#include <memory>
#include <string>
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

// The light margin each standard asks on every side, in modules: ISO/IEC 18004 (QR Code 4X,
// Micro QR Code 2X) and ISO/IEC 16022 (Data Matrix 1X).
inline constexpr int QrQuietZone = 4;
inline constexpr int MicroQrQuietZone = 2;
inline constexpr int DataMatrixQuietZone = 1;

// The versions there are: QR Code 1-40, Micro QR Code M1-M4 (ISO/IEC 18004).
inline constexpr int LargestQrVersion = 40;
inline constexpr int LargestMicroVersion = 4;

enum class TQrLevel : std::uint8_t { L, M, Q, H };
// The error correction levels, L, M, Q and H.
inline constexpr int QrLevelCount = static_cast<int>(TQrLevel::H) + 1;

enum class TDataMatrixShape : std::uint8_t { Square, Rectangle, Any };
inline constexpr int DataMatrixShapeCount = static_cast<int>(TDataMatrixShape::Any) + 1;

// What chooses a two-dimensional symbol beside its value; the one-dimensional ones ignore it.
struct TMatrixOptions {
    TQrLevel QrLevel = TQrLevel::M;
    int QrVersion = 0; // 0: the smallest that holds the data; 1-40, or 1-4 for Micro QR Code
    TDataMatrixShape DataMatrixShape = TDataMatrixShape::Square; // for an automatic size
    int DataMatrixRows = 0;                                      // a fixed size when both are set
    int DataMatrixColumns = 0; // 0 and 0: the smallest symbol of the shape that holds the data
    std::string DigitalLinkDomain{DigitalLinkDomainDefault};

    bool operator==(const TMatrixOptions&) const = default;
};

// Makes the grid of a two-dimensional Type that carries Data (the bytes MatrixData gives).
using TGridEncoder = TModuleGrid (*)(TBarType Type, std::string_view Data,
                                     const TMatrixOptions& Options);

// Whether Type is drawn as a grid of modules rather than a row of bars.
QUILLMARK_ENGINE_EXPORT bool IsTwoDimensional(TBarType Type);

// The bytes a two-dimensional symbol of Value carries: the value itself for QR Code and
// Data Matrix, the element strings with a GS after each variable-length one but the last for
// GS1 DataMatrix, the URI for GS1 Digital Link QR. Raises for GS1 data that fails its checks.
QUILLMARK_ENGINE_EXPORT std::string MatrixData(TBarType Type, const std::string& Value,
                                               const TMatrixOptions& Options);

// The human-readable text of a two-dimensional symbol: the AIs in parentheses for the GS1
// types, the value for the others. Raises as MatrixData does.
QUILLMARK_ENGINE_EXPORT std::string MatrixText(TBarType Type, const std::string& Value);

} // namespace quillmark
