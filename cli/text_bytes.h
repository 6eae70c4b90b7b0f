// Values are byte strings that the engine reads as Latin-1; input arrives in UTF-8 or as
// raw bytes, and messages leave for a UTF-8 terminal.
#pragma once

#include <quillmark/latin1.h>

#include <string>
#include <string_view>

namespace quillmark::cli {

// The value a line of input stands for: UTF-8 whose characters all fit in Latin-1 as
// Latin-1, so "café" is four bytes as the window would store it; raw bytes byte for byte.
// Raises ENotLatin1 for UTF-8 with a character beyond Latin-1, which no symbol carries.
std::string ValueFromInput(std::string_view Bytes);

// The refusal of Input (its message is UTF-8) for a terminal, a long input shortened.
std::string RefusalText(const ENotLatin1& Refusal, const std::string& Input);

// Latin-1 bytes (the engine's messages and values) as UTF-8 for a terminal, with control
// characters written as \xNN so that a value can't move the cursor or ring the bell.
std::string Latin1ForTerminal(std::string_view Latin1);

// UTF-8 text (file names, system messages) for a terminal: valid sequences kept, control
// characters and stray bytes written as \xNN.
std::string Utf8ForTerminal(std::string_view Utf8);

// Message with a long Value quoted in it cut down to its start and its length, so that a
// megabyte line gives a one-line error.
std::string WithValueShortened(std::string Message, const std::string& Value);

} // namespace quillmark::cli
