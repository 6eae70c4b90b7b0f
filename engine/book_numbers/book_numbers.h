// ISBN, ISMN and ISSN as the EAN-13 symbols books, printed music and serials carry: the
// thirteen digits drawn and the line printed above the symbol.
#pragma once

#include <quillmark/quillmark_engine_export.h>

#include <string>

namespace quillmark {

enum class TBookNumberKind { ISBN, ISMN, ISSN };

struct TBookNumber {
    std::string EAN13;   // the 13 digits drawn, GS1 check digit last
    std::string AddOn;   // 2 or 5 digits after the symbol; empty for none
    char Separator = 0;  // '+' or ' ', as typed before the add-on
    std::string Printed; // above the symbol: "ISBN 978-0-306-40615-7", "ISSN 0317-8471"
};

// A book number as users type it, as EAN-13:
// - ISBN: 13 digits (978 or 979, not 979-0), or 10 with an X allowed as check character,
//   whose EAN-13 is 978, the first nine and a new check digit (ISO 2108);
// - ISMN: 13 digits beginning 979-0, or the older M and nine digits, M standing for 979-0
//   (ISO 10957);
// - ISSN: seven digits and a check character (X allowed), with a hyphen in the middle or
//   none, then an optional two-digit variant (00 when not given) directly or after a
//   hyphen; its EAN-13 is 977, the seven digits, the variant and the GS1 check digit
//   (ISO 3297).
// Hyphens are optional; where given, their number and places are checked (ISBN-13 and
// ISMN in five parts, ISBN-10 and the older ISMN in four, the last one the check
// character). A 2- or 5-digit add-on may follow after '+' or a space, as for EAN-13.
// Printed keeps the hyphens as typed (an ISBN-10 or older ISMN given 979-0 or 978 in
// front), adds none the user left out, and always writes an ISSN as two groups of four.
// Raises Exception naming what is wrong, and the right check character for a wrong one.
QUILLMARK_ENGINE_EXPORT TBookNumber BookNumberAsEAN13(TBookNumberKind Kind,
                                                      const std::string& Typed);

// What an EAN-13 symbol takes for Number: its digits, then the add-on after its separator.
QUILLMARK_ENGINE_EXPORT std::string EAN13Value(const TBookNumber& Number);

} // namespace quillmark
