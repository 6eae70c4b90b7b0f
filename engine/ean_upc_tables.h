// Digit, parity and guard tables of the EAN/UPC family (ISO/IEC 15420), written as
// module-pattern characters: a space of 1..4 modules is '0'..'3', a bar '5'..'8'.
#pragma once

#include "encoders.h"
#include "engine.h"

#include <array>
#include <string>
#include <string_view>

namespace quillmark {

using EANDigitSet = std::array<std::string_view, 10>;

// Number set A: odd parity, left half; space first.
inline constexpr EANDigitSet EANSetA{"2605", "1615", "1516", "0805", "0526",
                                     "0625", "0508", "0706", "0607", "2506"};
// Number set B: even parity, left half; each row is set C's read backwards.
inline constexpr EANDigitSet EANSetB{"0517", "0616", "1606", "0535", "1705",
                                     "0715", "3505", "1525", "2515", "1507"};
// Number set C: right half; bar first.
inline constexpr EANDigitSet EANSetC{"7150", "6160", "6061", "5350", "5071",
                                     "5170", "5053", "5251", "5152", "7051"};

// A digit set as rows of fixed size, which a pattern writer copies without a call.
using EANDigitRows = std::array<std::array<char, 4>, 10>;
constexpr EANDigitRows RowsOf(const EANDigitSet& Set) {
    EANDigitRows rows{};
    for (std::size_t digit = 0; digit < rows.size(); ++digit)
        for (std::size_t i = 0; i < 4; ++i)
            rows[digit][i] = Set[digit][i];
    return rows;
}
inline constexpr EANDigitRows EANRowsA = RowsOf(EANSetA);
inline constexpr EANDigitRows EANRowsB = RowsOf(EANSetB);
inline constexpr EANDigitRows EANRowsC = RowsOf(EANSetC);

// Sets of the six left-half digits of an EAN-13, one row of six per leading digit.
inline constexpr std::string_view EAN13Parity = "AAAAAA"  // 0
                                                "AABABB"  // 1
                                                "AABBAB"  // 2
                                                "AABBBA"  // 3
                                                "ABAABB"  // 4
                                                "ABBAAB"  // 5
                                                "ABBBAA"  // 6
                                                "ABABAB"  // 7
                                                "ABABBA"  // 8
                                                "ABBABA"; // 9

// UPC-E parity of number system 0 by check digit: 'E' even (set B), 'o' odd (set A).
// Letters 2..6 of a row are also the five-digit add-on's parity for that check digit.
inline constexpr std::string_view UPCEParity = "EEEooo"  // 0
                                               "EEoEoo"  // 1
                                               "EEooEo"  // 2
                                               "EEoooE"  // 3
                                               "EoEEoo"  // 4
                                               "EooEEo"  // 5
                                               "EoooEE"  // 6
                                               "EoEoEo"  // 7
                                               "EoEooE"  // 8
                                               "EooEoE"; // 9

// Two-digit add-on parity by the add-on's value modulo 4.
inline constexpr std::array<std::string_view, 4> UPCSupp2Parity{"oo", "oE", "Eo", "EE"};

inline constexpr std::string_view EANGuard = "505";         // 101
inline constexpr std::string_view EANCentreGuard = "05050"; // 01010
inline constexpr std::string_view UPCEEndGuard = "050505";  // 010101
inline constexpr std::string_view UPCSuppStart = "506";     // 1011
inline constexpr std::string_view UPCSuppDelineator = "05"; // 01

// Appends the row of Set for the digit character Digit.
void AppendEANDigit(std::string& Pattern, const EANDigitSet& Set, char Digit);

// EAN-8 and UPC-A: guard, the first Half digits in set A, centre guard, the next Half
// digits in set C, guard, written into Pattern. Raises the digit conversion's error for the
// first of those digits that is not one, leaving Pattern as it was.
void GuardedSetAAndC(const std::string& Digits, std::size_t Half, std::string& Pattern);

// Parity row Row (0..9) of a 60-letter table.
std::string_view ParityRow(std::string_view Table, int Row);

} // namespace quillmark
