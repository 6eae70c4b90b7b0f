// Symbologies that another draws (the catalogue's DrawnAs and Convert): the book numbers as
// EAN-13, ITF-14 as Interleaved 2 of 5.
#pragma once

#include "engine.h"

#include <optional>
#include <string>

namespace quillmark {

// The symbology and value that draw Value of Type, where another draws Type; none otherwise.
// Raises the conversion's error.
struct TDrawnValue {
    TBarType Type;
    std::string Value;
};
std::optional<TDrawnValue> DrawnValue(TBarType Type, const std::string& Value);

// The catalogue's Encoder and Carry for such a type: the drawing symbology's, on the value
// converted. Text becomes the converted value.
void EncodeConverted(TBarType Type, const std::string& Value, TCheckSum CheckSum, std::string& Text,
                     std::string& Pattern);
TCarried CarryConverted(TBarType Type, const std::string& Value, TCheckSum CheckSum);

} // namespace quillmark
