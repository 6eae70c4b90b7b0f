// Numbers as text with a decimal point whatever the C locale says: Qt applications take
// the user's LC_NUMERIC, under which printf would write decimal commas into a PDF.
#pragma once

#include <charconv>
#include <string>

namespace quillmark {

inline std::string DecimalText(double Value, int Decimals) {
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, Value, std::chars_format::fixed, Decimals);
    return std::string(text, result.ptr);
}

} // namespace quillmark
