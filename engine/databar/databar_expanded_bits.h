// The bits GS1 DataBar Expanded carries for a set of element strings: the shortest of the
// standard's encodation methods, then general-purpose compaction in its cheapest modes.
#pragma once

#include "gs1.h"

#include <string>
#include <vector>

namespace quillmark {

// The bits of one data character.
inline constexpr int ExpandedCharacterBits = 12;
// The data characters a symbol holds, its check character aside.
inline constexpr int ExpandedDataCharactersMost = 21;

// The data bits, '0' and '1', padded to whole 12-bit characters: at least MinimumCharacters,
// and one more where Fits refuses the count (a stacked form's last row of one character).
// Raises Exception saying by how many characters the data is over the symbol's capacity.
std::string ExpandedBits(const std::vector<TGS1Element>& Elements, bool (*Fits)(int, int),
                         int Segments);

} // namespace quillmark
