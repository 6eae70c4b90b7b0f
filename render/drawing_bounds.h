// How large a drawn symbol may be, shared by the files, the widget and the QML item so that
// none of them draws what the others refuse.
#pragma once

#include <quillmark/quillmark_render_export.h>

#include <quillmark/engine.h>

#include <cstddef>
#include <string>

namespace quillmark {

// The largest pictures that image viewers and Qt's own reader load: 16384 pixels a side
// (ImageMagick's default policy) and 32 million pixels (Qt's 128 MB image reader limit at four
// bytes a pixel).
inline constexpr long long MaxRasterSide = 16384;
inline constexpr long long MaxRasterPixels = 32000000;
// The bounds above as refusals word them: "16384 pixels a side and 32 million".
QUILLMARK_RENDER_EXPORT std::string RasterBoundText();

// How many characters of a long value are measured before all of it.
inline constexpr std::size_t PrefixCharacters = 4096;

// True when Value is longer than PrefixCharacters and its first PrefixCharacters characters
// already make a symbol longer than Longest pixels: symbols only grow with more characters,
// so the whole value is too long without encoding the rest. A start the engine refuses
// proves nothing here (false); the whole value's encoding says why.
QUILLMARK_RENDER_EXPORT bool StartTooLong(TBarType Type, const std::string& Value, int Modul,
                                          double Ratio, TCheckSum CheckSum, long long Longest);

} // namespace quillmark
