// What each family of symbologies carries for a value: the Carry of its catalogue rows.
#pragma once

#include "engine.h"

namespace quillmark {

// The value as it stands: every character reaches the bars and a reader gives it back.
TCarried CarryAsTyped(TBarType Type, const std::string& Value, TCheckSum CheckSum);
// Interleaved 2 of 5: digits in pairs, an odd last one left out.
TCarried CarryInterleaved(TBarType Type, const std::string& Value, TCheckSum CheckSum);
// Code 39: characters outside its set left out; "*" read as start or stop.
TCarried CarryCode39(TBarType Type, const std::string& Value, TCheckSum CheckSum);
// The full-ASCII forms: bytes 128 to 255 left out.
TCarried CarryFullAscii(TBarType Type, const std::string& Value, TCheckSum CheckSum);
// Code 93: its four shift characters read as shifts.
TCarried CarryCode93(TBarType Type, const std::string& Value, TCheckSum CheckSum);
// Codabar: A to D read as start or stop characters.
TCarried CarryCodabar(TBarType Type, const std::string& Value, TCheckSum CheckSum);
// Code 128 and EAN-128 in their one code set.
TCarried CarryCode128(TBarType Type, const std::string& Value, TCheckSum CheckSum);
// GS1-128: the element strings, or the reason they are refused.
TCarried CarryGS1_128(TBarType Type, const std::string& Value, TCheckSum CheckSum);
// The two-dimensional symbols: the bytes MatrixData gives, or the reason they are refused.
TCarried CarryMatrix(TBarType Type, const std::string& Value, TCheckSum CheckSum);
// PostNet: 5, 9 or 11 digits and their correction digit.
TCarried CarryPostNet(TBarType Type, const std::string& Value, TCheckSum CheckSum);
// EAN-8, EAN-13, UPC-A and UPC-E: the digits drawn.
TCarried CarryEANUPC(TBarType Type, const std::string& Value, TCheckSum CheckSum);

} // namespace quillmark
