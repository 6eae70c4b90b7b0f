// Digit, parity and guard tables of the EAN/UPC family (ISO/IEC 15420), the digits written
// as element widths and turned into module-pattern characters at compile time.
#pragma once

#include "element_notation.h"
#include "encoders.h"
#include "engine.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace quillmark {

using EANDigitSet = std::array<std::string_view, 10>;

// ISO/IEC 15420:2009 Table 1, number sets A, B and C: each digit's widths in modules, in the
// order drawn. A and B, in the left half, start with a space; C, in the right half, with a bar.
inline constexpr EANDigitSet EANSetA{"3211", "2221", "2122", "1411", "1132",
                                     "1231", "1114", "1312", "1213", "3112"};
inline constexpr EANDigitSet EANSetB{"1123", "1222", "2212", "1141", "2311",
                                     "1321", "4111", "2131", "3121", "2113"};
inline constexpr EANDigitSet EANSetC{"3211", "2221", "2122", "1411", "1132",
                                     "1231", "1114", "1312", "1213", "3112"};

// Every digit is two bars and two spaces, 7 modules, with an odd number of them in the bars
// in set A and an even number in B and C. C is A with bars and spaces exchanged, the same
// widths, and B is C read backwards.
static_assert([] {
    for (std::size_t digit = 0; digit < 10; ++digit) {
        const std::string_view a = EANSetA[digit];
        const std::string_view b = EANSetB[digit];
        const std::string_view c = EANSetC[digit];
        for (const std::string_view widths : {a, b, c})
            if (!IsWritten(widths, 4, "1234") || ModuleCount(widths) != 7)
                return false;
        if (ModulesFrom(a, 1) % 2 != 1 || ModulesFrom(b, 1) % 2 != 0 || a != c ||
            !std::equal(b.begin(), b.end(), c.rbegin(), c.rend()))
            return false;
    }
    return AllDistinct(EANSetA, [](std::string_view Digit) { return Digit; }) &&
           AllDistinct(EANSetB, [](std::string_view Digit) { return Digit; });
}());

// A digit set as pattern characters in rows of fixed size, which a pattern writer copies
// without a call.
using EANDigitRows = std::array<std::array<char, 4>, 10>;
constexpr EANDigitRows RowsOf(const EANDigitSet& Set, bool BarFirst) {
    EANDigitRows rows{};
    for (std::size_t digit = 0; digit < rows.size(); ++digit)
        rows[digit] = ModulesOf<4>(Set[digit], BarFirst);
    return rows;
}
inline constexpr EANDigitRows EANRowsA = RowsOf(EANSetA, false);
inline constexpr EANDigitRows EANRowsB = RowsOf(EANSetB, false);
inline constexpr EANDigitRows EANRowsC = RowsOf(EANSetC, true);

// ISO/IEC 15420:2009 Table 2: the sets of the six left-half digits of an EAN-13, which carry
// its leading digit, one row of six per leading digit.
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

// UPC-E parity of number system 0 by check digit, as ISO/IEC 15420:2009 gives it: 'E' even
// (set B), 'o' odd (set A). Letters 2..6 of a row are also the five-digit add-on's parity for
// that check digit.
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

// Ten distinct rows of six, each with Count of the letter Counted from row First on: three
// digits in set B in every EAN-13 row but leading digit 0's, three even digits in every
// UPC-E row.
constexpr bool IsParityTable(std::string_view Table, std::string_view Sets, char Counted, int Count,
                             std::size_t First) {
    std::array<std::string_view, 10> rows{};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        rows[row] = Table.substr(6 * row, 6);
        if (!IsWritten(rows[row], 6, Sets) ||
            (row >= First && CountOf(rows[row], Counted) != Count))
            return false;
    }
    return Table.size() == 60 && AllDistinct(rows, [](std::string_view Row) { return Row; });
}
// An EAN-13's first left-half digit is always in set A, and leading digit 0 is all set A.
static_assert(IsParityTable(EAN13Parity, "AB", 'B', 3, 1) && EAN13Parity.starts_with("AAAAAA") &&
              [] {
                  for (std::size_t row = 0; row < 10; ++row)
                      if (EAN13Parity[6 * row] != 'A')
                          return false;
                  return true;
              }());
static_assert(IsParityTable(UPCEParity, "Eo", 'E', 3, 0));

// Two-digit add-on parity by the add-on's value modulo 4, as ISO/IEC 15420:2009 gives it.
inline constexpr std::array<std::string_view, 4> UPCSupp2Parity{"oo", "oE", "Eo", "EE"};

// The guards, checked against their modules as the standard draws them, 1 dark.
inline constexpr std::string_view EANGuard = "505";
inline constexpr std::string_view EANCentreGuard = "05050";
inline constexpr std::string_view UPCEEndGuard = "050505";
inline constexpr std::string_view UPCSuppStart = "506";
inline constexpr std::string_view UPCSuppDelineator = "05";
// The space between a main symbol and its add-on: 9 modules, within the 7 to 12 X of
// ISO/IEC 15420 and the GS1 general standard (5.2) and the 9 X asked after UPC-A. Narrow
// spaces, so that it is 9 modules at any ratio.
inline constexpr std::string_view AddOnGap = "000000000";
static_assert(DrawsModules(EANGuard, "101") && DrawsModules(EANCentreGuard, "01010") &&
              DrawsModules(UPCEEndGuard, "010101") && DrawsModules(UPCSuppStart, "1011") &&
              DrawsModules(UPCSuppDelineator, "01") && DrawsModules(AddOnGap, "000000000"));

// Appends the row of Set for the digit character Digit.
void AppendEANDigit(std::string& Pattern, const EANDigitRows& Set, char Digit);

// EAN-8 and UPC-A: guard, the first Half digits in set A, centre guard, the next Half
// digits in set C, guard, written into Pattern. Raises the digit conversion's error for the
// first of those digits that is not one, leaving Pattern as it was.
void GuardedSetAAndC(const std::string& Digits, std::size_t Half, std::string& Pattern);

// Parity row Row (0..9) of a 60-letter table.
std::string_view ParityRow(std::string_view Table, int Row);

} // namespace quillmark
