// Data Matrix ECC 200 and GS1 DataMatrix through libdmtx.
#include "matrix.h"
#include "matrix_messages.h"
#include "symbol_limits.h"

#include <quillmark/engine.h>

#include <dmtx.h>

#include <memory>
#include <new>
#include <optional>
#include <string>

namespace quillmark {
namespace {

// The byte that stands for FNC1 in GS1 data, as element strings separate their fields.
constexpr unsigned char GroupSeparator = 0x1D;
// libdmtx's symbol sizes are numbered from 10x10 up to the last rectangle, 16x48.
constexpr int SymbolSizeCount = DmtxSymbol16x48 + 1;

struct DmtxEncodeDeleter {
    void operator()(DmtxEncode* Encode) const { dmtxEncodeDestroy(&Encode); }
};
using DmtxEncodePtr = std::unique_ptr<DmtxEncode, DmtxEncodeDeleter>;

int SymbolRows(int SizeIndex) {
    return dmtxGetSymbolAttribute(DmtxSymAttribSymbolRows, SizeIndex);
}
int SymbolColumns(int SizeIndex) {
    return dmtxGetSymbolAttribute(DmtxSymAttribSymbolCols, SizeIndex);
}

std::optional<int> SizeIndexOf(int Rows, int Columns) {
    for (int index = 0; index < SymbolSizeCount; ++index)
        if (SymbolRows(index) == Rows && SymbolColumns(index) == Columns)
            return index;
    return std::nullopt;
}

int AutomaticSize(TDataMatrixShape Shape) {
    switch (Shape) {
    case TDataMatrixShape::Square:
        return DmtxSymbolSquareAuto;
    case TDataMatrixShape::Rectangle:
        return DmtxSymbolRectAuto;
    case TDataMatrixShape::Any:
        break;
    }
    return DmtxSymbolShapeAuto;
}

std::string ShapeName(TDataMatrixShape Shape) {
    switch (Shape) {
    case TDataMatrixShape::Square:
        return "square";
    case TDataMatrixShape::Rectangle:
        return "rectangular";
    case TDataMatrixShape::Any:
        break;
    }
    return "square or rectangular";
}

// The symbol as libdmtx draws it at one pixel a module and no margin: dark pixels are 0.
TModuleGrid GridOf(DmtxEncode& Encode) {
    TModuleGrid grid;
    grid.Rows = SymbolRows(Encode.region.sizeIdx);
    grid.Columns = SymbolColumns(Encode.region.sizeIdx);
    grid.QuietZone = DataMatrixQuietZone;
    grid.Dark.resize(static_cast<std::size_t>(grid.Rows) * grid.Columns);
    for (int row = 0; row < grid.Rows; ++row)
        for (int column = 0; column < grid.Columns; ++column) {
            int value = 0;
            // libdmtx's images count rows from the bottom.
            dmtxImageGetPixelValue(Encode.image, column, grid.Rows - 1 - row, 0, &value);
            grid.Dark[static_cast<std::size_t>(row) * grid.Columns + column] = value == 0;
        }
    return grid;
}

} // namespace

TModuleGrid EncodeDataMatrix(std::string_view Bytes, const TDataMatrixOptions& Options) {
    if (Bytes.empty())
        throw Exception(NoDataMessage);
    const bool fixed = Options.Rows != 0 || Options.Columns != 0;
    if (Bytes.size() > LargestDataMatrixData)
        throw Exception(fixed ? DataMatrixTooMuchFixed(Options.Rows, Options.Columns, Bytes.size())
                              : DataMatrixTooMuchAutomatic(ShapeName(Options.Shape), Bytes.size()));
    const std::optional<int> fixedIndex = SizeIndexOf(Options.Rows, Options.Columns);
    if (fixed && !fixedIndex)
        throw Exception(DataMatrixSizeMissing(Options.Rows, Options.Columns));
    if (fixedIndex == DmtxSymbol144x144)
        throw Exception(DataMatrixLargestMissing(Bytes.size()));

    // GS1 data opens with FNC1; libdmtx writes FNC1 for each byte equal to its Fnc1 value.
    std::string data;
    if (Options.GS1)
        data.push_back(static_cast<char>(GroupSeparator));
    data.append(Bytes);

    DmtxEncodePtr encode(dmtxEncodeCreate());
    if (!encode)
        throw std::bad_alloc();
    dmtxEncodeSetProp(encode.get(), DmtxPropModuleSize, 1);
    dmtxEncodeSetProp(encode.get(), DmtxPropMarginSize, 0);
    // The best mix of ASCII, C40, Text, X12, EDIFACT and Base 256: capitals in C40 take a
    // size or two less than ASCII throughout.
    dmtxEncodeSetProp(encode.get(), DmtxPropScheme, DmtxSchemeAutoBest);
    dmtxEncodeSetProp(encode.get(), DmtxPropSizeRequest,
                      fixed ? *fixedIndex : AutomaticSize(Options.Shape));
    if (Options.GS1)
        dmtxEncodeSetProp(encode.get(), DmtxPropFnc1, GroupSeparator);
    if (dmtxEncodeDataMatrix(encode.get(), static_cast<int>(data.size()),
                             reinterpret_cast<unsigned char*>(data.data())) != DmtxPass) {
        if (fixed)
            throw Exception(DataMatrixTooMuchFixed(Options.Rows, Options.Columns, Bytes.size()));
        throw Exception(DataMatrixTooMuchAutomatic(ShapeName(Options.Shape), Bytes.size()));
    }
    // libdmtx 0.7.7 spreads the 144x144 symbol's codewords over its ten blocks in a way
    // readers reject (the standard has two of them one codeword shorter).
    if (encode->region.sizeIdx == DmtxSymbol144x144)
        throw Exception(DataMatrixLargestMissing(Bytes.size()));
    return GridOf(*encode);
}

} // namespace quillmark
