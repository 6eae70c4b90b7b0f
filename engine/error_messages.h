// Messages that more than one place raises, each written once. The engine's errors quote
// their subject as "subject : message".
#pragma once

#include <string>

namespace quillmark {

inline constexpr char NotNumericMessage[] = "Barcode must be numeric.";
inline constexpr char WrongTypeMessage[] = "Wrong barcode type.";
inline constexpr char InternalErrorMessage[] = "Internal Error.";
inline constexpr char TooLongMessage[] = "Barcode too long to draw.";
inline constexpr char TooLargeMessage[] = "Barcode too large to draw.";
inline constexpr char EmptyValueMessage[] =
    "The value is empty: a symbol of start and stop characters alone carries nothing a reader "
    "finds.";
inline constexpr char TextTooLargeMessage[] = "Text too large to draw; choose a smaller font size.";

// "Subject : Message", the engine's form of an error about a value or a size.
inline std::string Quoting(const std::string& Subject, const char* Message) {
    return Subject + " : " + Message;
}

} // namespace quillmark
