// Element strings read from the bracketed text, for symbols other than GS1-128.
#pragma once

#include "engine.h"
#include "gs1.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

// ParseGS1 without GS1-128's limit of 48 data characters: each element checked against its
// AI, for a carrier (a GS1 Digital Link URI in a QR code, GS1 DataBar Expanded) that holds
// more. Text that isn't element strings is refused naming Carrier.
std::vector<TGS1Element> ReadGS1Elements(std::string_view Value, TBarType Carrier = bcCodeGS1_128);

// An FNC1 follows each element string that is neither of predefined length nor the last; a
// reader gives it back as GS, a byte no element string holds.
inline constexpr char GroupSeparator = '\x1D';

// The element strings as a reader gives them back: AI and data, a GS after each one of
// variable length that isn't last.
std::string SeparatedElementString(const std::vector<TGS1Element>& Elements);

} // namespace quillmark
