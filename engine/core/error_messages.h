// Messages that more than one place raises, each written once. The engine's errors quote
// their subject as "subject : message".
#pragma once

#include <cstddef>
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

// A value as messages and labels quote it: whole up to QuotedValueLimit characters, beyond
// that its first QuotedValueHead characters, an ellipsis and its length, so that a value of
// megabytes still gives a sentence a person can read.
inline constexpr std::size_t QuotedValueLimit = 60;
inline constexpr std::size_t QuotedValueHead = 40;
inline std::string Shortened(const std::string& Value) {
    if (Value.size() <= QuotedValueLimit)
        return Value;
    return Value.substr(0, QuotedValueHead) + "... (" + std::to_string(Value.size()) +
           " characters)";
}

// Message with its first quotation of Value shortened, for a message about that value.
inline std::string ShortenedMessage(std::string Message, const std::string& Value) {
    if (Value.size() <= QuotedValueLimit)
        return Message;
    if (const std::size_t at = Message.find(Value); at != std::string::npos)
        Message.replace(at, Value.size(), Shortened(Value));
    return Message;
}

// "<Value> : Wrong check digit 4; the EAN13 check digit is 1.": a check character Given
// where the check of Name (what the symbology or number calls it, Kind) gives Expected.
inline std::string WrongCheckMessage(const std::string& Value, const std::string& Name,
                                     const std::string& Kind, char Given, char Expected) {
    return Value + " : Wrong " + Kind + " " + Given + "; the " + Name + " " + Kind + " is " +
           Expected + ".";
}

// "Subject : Message", the engine's form of an error about a value or a size.
inline std::string Quoting(const std::string& Subject, const char* Message) {
    return Subject + " : " + Message;
}

} // namespace quillmark
