// EAN and UPC family. Not encoded yet.
#include "encoders.h"

namespace quillmark {

namespace {
[[noreturn]] void NotYet(TBarType Type) {
    throw Exception(BarTypeName(Type) + " : Symbology not available yet.");
}
} // namespace

void EncodeCodeEAN8(const std::string&, TCheckSum, std::string&) {
    NotYet(bcCodeEAN8);
}
void EncodeCodeEAN13(const std::string&, TCheckSum, std::string&) {
    NotYet(bcCodeEAN13);
}
void EncodeCodeUPC_A(const std::string&, TCheckSum, std::string&, std::string&) {
    NotYet(bcCodeUPC_A);
}
void EncodeCodeUPC_E0(const std::string&, TCheckSum, std::string&, std::string&) {
    NotYet(bcCodeUPC_E0);
}
void EncodeCodeUPC_E1(const std::string&, TCheckSum, std::string&, std::string&) {
    NotYet(bcCodeUPC_E1);
}
void EncodeCodeUPC_Supp2(const std::string&, TCheckSum, std::string&, std::string&) {
    NotYet(bcCodeUPC_Supp2);
}
void EncodeCodeUPC_Supp5(const std::string&, TCheckSum, std::string&, std::string&) {
    NotYet(bcCodeUPC_Supp5);
}

} // namespace quillmark
