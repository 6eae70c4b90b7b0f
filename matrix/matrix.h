// Two-dimensional symbols as module grids: QR Code and Micro QR Code through libqrencode,
// Data Matrix ECC 200 (and GS1 DataMatrix) through libdmtx. No Qt.
#pragma once

#include <quillmark/quillmark_matrix_export.h>

#include <quillmark/module_grid.h>
#include <quillmark/symbol_value.h>

#include <memory>
#include <string>
#include <string_view>

namespace quillmark {

struct TQrOptions {
    TQrLevel Level = TQrLevel::M;
    int Version = 0;    // 0 automatic (the smallest that holds the data); 1-40, or 1-4 for Micro
    bool Micro = false; // Micro QR Code, versions M1-M4
};

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

// The grid of a two-dimensional Type for Data, as a symbol value asks it (a TGridEncoder):
// QR Code, Micro QR Code and GS1 Digital Link QR through EncodeQR, Data Matrix and GS1
// DataMatrix through EncodeDataMatrix.
QUILLMARK_MATRIX_EXPORT TModuleGrid EncodeMatrixSymbol(TBarType Type, std::string_view Data,
                                                       const TMatrixOptions& Options);

// A value of any type encoded once, its grid from EncodeMatrixSymbol where it has one: the
// symbol value every layer above draws, checks and writes.
QUILLMARK_MATRIX_EXPORT std::shared_ptr<const TSymbolValue>
MakeSymbolValue(TBarType Type, std::string Value, TCheckSum CheckSum,
                const TMatrixOptions& Options = {});

} // namespace quillmark
