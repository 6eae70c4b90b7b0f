// The digits of EAN/UPC symbols: which digits a symbol draws for a value, and the GS1
// check digit, with UPC-E's expansion to UPC-A that it is computed over.
#pragma once

#include "quillmark_engine_export.h"

#include "engine.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillmark {

// The digits an EAN-8, EAN-13, UPC-A, UPC-E or add-on symbol draws for Value, and where the
// value's other digits went; the encoders draw exactly these.
struct TEANUPCDigits {
    std::string Drawn;         // check digit last; UPC-E without its number system
    std::string LeftOutBefore; // the value's digits before those drawn, not drawn
    std::string LeftOutAfter;  // the value's digits after those drawn, not drawn
    // The check digit stands where the value's last digit was (a short value padded first).
    bool LastOverwritten = false;
};

// Raises the digit conversion's error where a check digit is computed over a non-digit;
// an empty Drawn for the other symbologies. A value with an add-on gives its main symbol's.
QUILLMARK_ENGINE_EXPORT TEANUPCDigits EANUPCDigits(TBarType Type, const std::string& Value,
                                                   TCheckSum CheckSum);

// An EAN/UPC value with an add-on: the main symbol's digits and the add-on's, as typed.
struct TAddOnSplit {
    std::string Main;
    std::string AddOn;  // 2 or 5 digits
    char Separator = 0; // '+' or ' '
};

// Value split as MAIN '+' ADDON or MAIN ' ' ADDON, MAIN digits and ADDON exactly 2 or 5
// digits, for EAN-8, EAN-13, UPC-A and UPC-E; none for other types or shapes.
QUILLMARK_ENGINE_EXPORT std::optional<TAddOnSplit> SplitAddOn(TBarType Type,
                                                              const std::string& Value);

// Whether Type is EAN-8, EAN-13, UPC-A or UPC-E, the symbologies with a GS1 check digit.
QUILLMARK_ENGINE_EXPORT bool HasGS1CheckDigit(TBarType Type);

// The number system UPC-E0 ('0') or UPC-E1 ('1') fixes.
QUILLMARK_ENGINE_EXPORT char UPCENumberSystem(TBarType Type);

// The UPC-A form (number system first, no check digit) of a UPC-E symbol's six digits under
// NumberSystem ('0' or '1'), whose check digit the UPC-E symbol takes (the GS1 general
// standard's zero suppression).
QUILLMARK_ENGINE_EXPORT std::string ExpandUPCE(const std::string& Six, char NumberSystem);

// The GS1 modulo-10 check digit of an EAN-8, EAN-13 or UPC-A symbol's data digits (7, 12 or
// 11), or of a UPC-E symbol's six digits, computed over their UPC-A expansion (GS1 general
// standard 7.9.1).
QUILLMARK_ENGINE_EXPORT char GS1CheckDigit(TBarType Type, std::string_view Data);

// A value as users of barcode tools type it, with its GS1 check digit: EAN-13, UPC-A and
// EAN-8 values one digit short of full length get their check digit appended; full-length
// ones have it checked. UPC-E (its number system fixed by the symbology): 6 digits get the
// check digit of their UPC-A expansion; 7 digits are checked when the first differs from
// the number system, and are otherwise ambiguous (the number system and 6 digits, or 6
// digits and a check digit) and refused with both readings; 8 digits are the number system,
// 6 digits and the check digit, checked, and returned without the number system. PostNet:
// 5, 9 or 11 digits get their correction digit, 6, 10 or 12 are checked. Every other value
// passes unchanged; an add-on is kept after its main symbol's. Raises Exception naming the
// right digit for a wrong one.
QUILLMARK_ENGINE_EXPORT std::string CompleteCheckDigit(TBarType Type, const std::string& Value);

} // namespace quillmark
