// The check digits of numbered values: a sequence counts through the digits a check digit is
// computed over, so each of its values needs its own, as a person typing one would add it.
#pragma once

#include <quillmark/engine.h>

#include <string>
#include <string_view>

namespace quillmark {

// The GS1 modulo-10 check digit of Digits (weights 3 and 1 from the right), as GTINs, SSCCs
// and GLNs end in.
char GS1Mod10(std::string_view Digits);

// Value with the check digits Type's symbol carries appended where its data is one digit
// short: an EAN/UPC value's main digits (an add-on kept), a GTIN of ITF-14 and GS1 DataBar
// (alone or after (01)), and in GS1 element strings the data of (00), (01), (02), (410) to
// (417), (8017) and (8018). Anything else (a full length, whose check digit the engine checks
// as it would a value typed in; letters, other lengths, UPC-E's seven digits, the other
// types) is left as it is for the engine to take or refuse.
std::string WithCheckDigits(TBarType Type, std::string_view Value);

} // namespace quillmark
