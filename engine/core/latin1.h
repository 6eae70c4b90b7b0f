// Values are byte strings that the engine reads as Latin-1; text arrives as UTF-8 (command
// lines, files, Qt's strings) and leaves as UTF-8 for terminals and Qt.
#pragma once

#include "quillmark_engine_export.h"

#include "engine.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillmark {

// The code point of the UTF-8 sequence at Text[At], advancing At past it; none, with At
// unchanged, for a malformed, overlong or surrogate sequence.
QUILLMARK_ENGINE_EXPORT std::optional<char32_t> NextCodePoint(std::string_view Text,
                                                              std::size_t& At);

// The Latin-1 bytes of UTF-8 text whose characters all fit in Latin-1 ("café" is four
// bytes); none for text that isn't UTF-8 or holds a character beyond U+00FF.
QUILLMARK_ENGINE_EXPORT std::optional<std::string> Latin1FromUtf8(std::string_view Utf8);

// The same, with every character beyond Latin-1 and every malformed byte given as
// Replacement.
QUILLMARK_ENGINE_EXPORT std::string Latin1FromUtf8(std::string_view Utf8, char Replacement);

// Text that holds a character beyond Latin-1, which no symbology here carries. Unlike the
// engine's other messages, which are Latin-1, its message is UTF-8, so that it can show the
// character.
class QUILLMARK_ENGINE_EXPORT ENotLatin1 : public Exception {
public:
    using Exception::Exception;
};

// The value typed text stands for: UTF-8 whose characters all fit in Latin-1 as Latin-1
// ("café" is four bytes), and bytes that aren't UTF-8 as they are. Raises ENotLatin1 naming
// the first character beyond Latin-1, its code point and position, for UTF-8 that holds one.
QUILLMARK_ENGINE_EXPORT std::string ValueFromText(std::string_view Bytes);

// A Latin-1 byte as a message shows it: a printable one quoted ("'é'"), a control character
// by name ("line feed (0x0A)").
QUILLMARK_ENGINE_EXPORT std::string CharacterName(char Ch);

// Latin-1 bytes as UTF-8.
QUILLMARK_ENGINE_EXPORT std::string Utf8FromLatin1(std::string_view Latin1);

} // namespace quillmark
