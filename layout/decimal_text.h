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

// The shortest text that reads back as Value: "0.33", "300", "3.175".
inline std::string ShortestText(double Value) {
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, Value).ptr);
}

} // namespace quillmark
