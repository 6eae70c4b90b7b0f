// Element strings read from the bracketed text, for symbols other than GS1-128.
#pragma once

#include "gs1.h"

#include <string_view>
#include <vector>

namespace quillmark {

// ParseGS1 without GS1-128's limit of 48 data characters: each element checked against its
// AI, for a carrier (a GS1 Digital Link URI in a QR code) that holds more.
std::vector<TGS1Element> ReadGS1Elements(std::string_view Value);

} // namespace quillmark
