// Code 93 and its full-ASCII form. Not encoded yet.
#include "encoders.h"

namespace quillmark {

void EncodeCode93(const std::string&, std::string&) {
    throw Exception("Code93 : Symbology not available yet.");
}

void EncodeCode93Extended(const std::string&, std::string&) {
    throw Exception("Code93 Extended : Symbology not available yet.");
}

} // namespace quillmark
