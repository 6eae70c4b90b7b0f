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
    // Each row's height in modules, for symbols whose rows differ (GS1 DataBar's rows and
    // their separators); empty where every row is one module high.
    std::vector<int> RowHeights;

    bool IsDark(int Column, int Row) const { return Dark[Row * Columns + Column] != 0; }
    int RowHeight(int Row) const { return RowHeights.empty() ? 1 : RowHeights[Row]; }
    // The symbol's height in modules.
    int Height() const {
        int height = 0;
        for (int row = 0; row < Rows; ++row)
            height += RowHeight(row);
        return height;
    }
};

// A symbol drawn as rows of modules (TRowsEncoder): its rows, the text printed with it and
// the bytes a reader gives back.
struct TRowsSymbol {
    TModuleGrid Grid;
    std::string Text;
    std::string Data;
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

// GS1 DataBar Expanded Stacked's segments per row when none are chosen, and the range
// ISO/IEC 24724 allows (even numbers only).
inline constexpr int ExpandedSegmentsDefault = 4;
inline constexpr int ExpandedSegmentsLeast = 2;
inline constexpr int ExpandedSegmentsMost = 22;

// What chooses a symbol beside its type and value: the two-dimensional symbols' options and
// GS1 DataBar Expanded Stacked's segments per row; the other symbols ignore it.
struct TMatrixOptions {
    TQrLevel QrLevel = TQrLevel::M;
    int QrVersion = 0; // 0: the smallest that holds the data; 1-40, or 1-4 for Micro QR Code
    TDataMatrixShape DataMatrixShape = TDataMatrixShape::Square; // for an automatic size
    int DataMatrixRows = 0;                                      // a fixed size when both are set
    int DataMatrixColumns = 0; // 0 and 0: the smallest symbol of the shape that holds the data
    std::string DigitalLinkDomain{DigitalLinkDomainDefault};
    int DataBarSegments = ExpandedSegmentsDefault; // per row of GS1 DataBar Expanded Stacked

    bool operator==(const TMatrixOptions&) const = default;
};

// Makes the grid of a two-dimensional Type that carries Data (the bytes MatrixData gives).
using TGridEncoder = TModuleGrid (*)(TBarType Type, std::string_view Data,
                                     const TMatrixOptions& Options);

// Whether Type is a two-dimensional symbol, drawn as a grid of modules.
QUILLMARK_ENGINE_EXPORT bool IsTwoDimensional(TBarType Type);

// Whether Type is drawn from a TModuleGrid rather than a pattern of bars: the
// two-dimensional symbols and those drawn as rows of modules (GS1 DataBar).
QUILLMARK_ENGINE_EXPORT bool IsDrawnFromGrid(TBarType Type);

// The bytes a two-dimensional symbol of Value carries: the value itself for QR Code and
// Data Matrix, the element strings with a GS after each variable-length one but the last for
// GS1 DataMatrix, the URI for GS1 Digital Link QR. Raises for GS1 data that fails its checks.
QUILLMARK_ENGINE_EXPORT std::string MatrixData(TBarType Type, const std::string& Value,
                                               const TMatrixOptions& Options);

// The human-readable text of a two-dimensional symbol: the AIs in parentheses for the GS1
// types, the value for the others. Raises as MatrixData does.
QUILLMARK_ENGINE_EXPORT std::string MatrixText(TBarType Type, const std::string& Value);

} // namespace quillmark
