// Code 128 and EAN-128. Not encoded yet.
#include "encoders.h"

namespace quillmark {

void EncodeCode128(TBarType BarType, const std::string&, TCheckSum, std::string&, std::string&) {
    throw Exception(BarTypeName(BarType) + " : Symbology not available yet.");
}

} // namespace quillmark
