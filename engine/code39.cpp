// Code 39 and its full-ASCII form. Not encoded yet.
#include "encoders.h"

namespace quillmark {

void EncodeCode39(const std::string&, TCheckSum, std::string&) {
    throw Exception("Code39 : Symbology not available yet.");
}

void EncodeCode39Extended(const std::string&, TCheckSum, std::string&) {
    throw Exception("Code39 Extended : Symbology not available yet.");
}

} // namespace quillmark
