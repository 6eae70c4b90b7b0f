// Values are byte strings that the engine reads as Latin-1; text arrives as UTF-8 (command
// lines, files, Qt's strings) and leaves as UTF-8 for terminals and Qt.
#pragma once

#include "quillmark_engine_export.h"

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

// A Latin-1 byte as a message shows it: a printable one quoted ("'é'"), a control character
// by name ("line feed (0x0A)").
QUILLMARK_ENGINE_EXPORT std::string CharacterName(char Ch);

// Latin-1 bytes as UTF-8.
QUILLMARK_ENGINE_EXPORT std::string Utf8FromLatin1(std::string_view Latin1);

} // namespace quillmark
