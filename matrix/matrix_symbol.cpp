// The matrix encoders behind a symbol value: the one place a two-dimensional type meets
// its library.
#include "matrix.h"

namespace quillmark {

TModuleGrid EncodeMatrixSymbol(TBarType Type, std::string_view Data,
                               const TMatrixOptions& Options) {
    switch (Type) {
    case bcCodeDataMatrix:
    case bcCodeGS1DataMatrix:
        return EncodeDataMatrix(Data, {Options.DataMatrixShape, Options.DataMatrixRows,
                                       Options.DataMatrixColumns, Type == bcCodeGS1DataMatrix});
    case bcCodeMicroQR:
        return EncodeQR(Data, {Options.QrLevel, Options.QrVersion, true});
    case bcCodeQR:
    case bcCodeGS1DigitalLinkQR:
        return EncodeQR(Data, {Options.QrLevel, Options.QrVersion, false});
    default:
        throw Exception(BarTypeName(Type) + " is not a two-dimensional symbol.");
    }
}

std::shared_ptr<const TSymbolValue> MakeSymbolValue(TBarType Type, std::string Value,
                                                    TCheckSum CheckSum,
                                                    const TMatrixOptions& Options) {
    return std::make_shared<const TSymbolValue>(Type, std::move(Value), CheckSum, Options,
                                                EncodeMatrixSymbol);
}

} // namespace quillmark
