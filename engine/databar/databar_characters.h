// The data characters GS1 DataBar's GTIN symbols are built of: their groups of values, as
// ISO/IEC 24724 tabulates them, and the widths of a value.
#pragma once

#include "databar_widths.h"

#include <span>
#include <vector>

namespace quillmark {

// One group of a character's values: its first value, how its odd and its even elements are
// made, and how many patterns of the side that takes the remainder it uses.
struct TCharacterGroup {
    int First;
    TWidthsGroup Odd;
    TWidthsGroup Even;
    int Divisor;
};

// Which of a group's two patterns the value's quotient chooses; the other takes the remainder.
enum class TQuotient : bool { Odd, Even };

// A kind of character: its groups in ascending order of value.
struct TCharacterSet {
    std::span<const TCharacterGroup> Groups;
    TQuotient Quotient;
};

// The element widths of Value in Set, odd element first; raises for a value beyond the set.
std::vector<int> CharacterWidths(int Value, const TCharacterSet& Set);

// Omnidirectional's outside characters of 16 modules and inside ones of 15; Limited's of 26.
extern const TCharacterSet OutsideCharacters;
extern const TCharacterSet InsideCharacters;
extern const TCharacterSet LimitedCharacters;
// Expanded's of 17 modules.
extern const TCharacterSet ExpandedCharacters;

// The sum of Widths weighted by Base to the powers FirstPower, FirstPower + 1, ... in turn,
// modulo Modulus.
int WeightedSum(const std::vector<int>& Widths, int FirstPower, int Base, int Modulus);

} // namespace quillmark
