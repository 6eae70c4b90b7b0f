// What a two-dimensional symbol carries and prints, worked out in the engine so that every
// layer reads it from one place; the grid comes from the matrix library.
#include "carry.h"
#include "digital_link.h"
#include "gs1.h"
#include "gs1_elements.h"
#include "module_grid.h"

namespace quillmark {

namespace {

bool IsGS1Matrix(TBarType Type) {
    return Type == bcCodeGS1DataMatrix || Type == bcCodeGS1DigitalLinkQR;
}

// GS1 DataMatrix holds far more than GS1-128's 48 characters, so the element strings are
// read without that limit.
std::vector<TGS1Element> Elements(TBarType Type, const std::string& Value) {
    return ReadGS1Elements(Value, Type);
}

} // namespace

bool IsTwoDimensional(TBarType Type) {
    return BarTypeData(Type).TwoDimensional;
}

bool IsDrawnFromGrid(TBarType Type) {
    const TBCdata& row = BarTypeData(Type);
    return row.TwoDimensional || row.Rows != nullptr;
}

std::string MatrixData(TBarType Type, const std::string& Value, const TMatrixOptions& Options) {
    if (Type == bcCodeGS1DataMatrix)
        return SeparatedElementString(Elements(Type, Value));
    if (Type == bcCodeGS1DigitalLinkQR) {
        Elements(Type, Value); // the symbology's own message for data without AIs
        return DigitalLinkURI(Value, Options.DigitalLinkDomain);
    }
    return Value;
}

std::string MatrixText(TBarType Type, const std::string& Value) {
    return IsGS1Matrix(Type) ? GS1Text(Elements(Type, Value)) : Value;
}

TCarried CarryMatrix(TBarType Type, const std::string& Value, TCheckSum) {
    TCarried carried;
    try {
        carried.Data = MatrixData(Type, Value, {});
    } catch (const Exception& refused) {
        carried.Departures.push_back(refused.Message());
    }
    return carried;
}

} // namespace quillmark
