// How the standard prints an EAN/UPC symbol: the bars that descend below the others and the
// digits in groups under the shorter bars, or in a quiet zone, or above an add-on.
#pragma once

#include "quillmark_engine_export.h"

#include "engine.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quillmark {

enum class TDigitPlace : std::uint8_t {
    Under,  // below the elements FirstElement to EndElement, centred between them
    Before, // in the leading quiet zone
    After,  // in the trailing quiet zone; behind an add-on, after element EndElement
    Above,  // above the elements, as an add-on's digits stand
};

struct TDigitGroup {
    std::string Digits;
    int FirstElement = 0; // the elements [FirstElement, EndElement) of the pattern it spans
    int EndElement = 0;
    TDigitPlace Place = TDigitPlace::Under;
    bool Small = false; // UPC-A's and UPC-E's outer digits, in a smaller size
};

struct TRetailLook {
    // Element ranges [first, end) whose bars descend 5 modules below the others: the guards,
    // and UPC-A's first and last symbol characters.
    std::vector<std::pair<int, int>> LongElements;
    std::vector<TDigitGroup> Groups;
    // A value with an add-on: the add-on's elements [first, end), whose bars start below its
    // digits, which stand above them within the main symbol's height.
    std::optional<std::pair<int, int>> AddOnElements;
    // The quiet-zone marks the standard allows: '<' before EAN-8, '>' after EAN-13 and EAN-8
    // and after an add-on; empty where none stands.
    std::string LeadingMark;
    std::string TrailingMark;
};

// Modules the long bars descend below the others, and the gap between bars and digits.
inline constexpr int GuardDescentModules = 5;

// The look of an EAN-8, EAN-13, UPC-A, UPC-E or add-on symbol of Value as ISO/IEC 15420 and
// the GS1 general standard (section 5.2) draw it, its digits as the symbol draws them
// (EANUPCDigits), UPC-E's number system added before them, a main symbol's add-on after it;
// none for the other symbologies. Raises
// the digit conversion's error as EANUPCDigits does.
QUILLMARK_ENGINE_EXPORT std::optional<TRetailLook>
RetailLook(TBarType Type, const std::string& Value, TCheckSum CheckSum);

} // namespace quillmark
