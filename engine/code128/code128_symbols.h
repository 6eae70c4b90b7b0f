// Code 128 symbol values as ISO/IEC 15417 numbers them, and writing a run of them as modules;
// shared by the single-set encoders and the one that chooses its own code sets.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace quillmark {

namespace code128 {

// ISO/IEC 15417 Table 1 (values 96 to 106): the function characters and code set changes,
// whose value in sets A and B differs for CODE A/B and FNC4.
inline constexpr int Shift = 98;
inline constexpr int CodeC = 99;
inline constexpr int CodeB = 100; // in sets A and C; FNC4 in set B
inline constexpr int CodeA = 101; // in sets B and C; FNC4 in set A
inline constexpr int FNC4InA = 101;
inline constexpr int FNC4InB = 100;
inline constexpr int FNC1 = 102;
inline constexpr int StartA = 103;
inline constexpr int StartB = 104;
inline constexpr int StartC = 105;

} // namespace code128

// Writes Values (a start character first, then the data's symbol values) as the module
// pattern of a whole symbol: the values, their modulo-103 check character and the stop.
void WriteCode128(std::span<const int> Values, std::string& Pattern);

// The symbol values of the shortest Code 128 symbol for Units (bytes 0 to 255, or
// Code128FNC1Unit for an FNC1), start character first, without check and stop. With
// LeadingFNC1 an FNC1 follows the start, as GS1-128 opens.
inline constexpr int Code128FNC1Unit = 256;
std::vector<int> ShortestCode128(std::span<const int> Units, bool LeadingFNC1);

} // namespace quillmark
