// What the standards fix for each symbology: the most data any symbol holds and the levels
// of each Micro QR version (the versions and light margins are the engine's, in
// module_grid.h).
#pragma once

#include <quillmark/module_grid.h>

#include <array>
#include <cstddef>

namespace quillmark {

// The most characters any symbol holds, digits at the lowest level: QR Code version 40-L
// (ISO/IEC 18004, data capacity table) and Data Matrix 144x144 (ISO/IEC 16022, Table 7).
// Longer data is refused before the libraries, which take its length as an int, see it.
inline constexpr std::size_t LargestQrData = 7089;
inline constexpr std::size_t LargestDataMatrixData = 3116;

// How many error correction levels, from L up, each Micro QR version M1-M4 has: M1 detects
// errors only (counted as L), M2 and M3 have L and M, M4 L, M and Q.
inline constexpr std::array<int, LargestMicroVersion> MicroLevelCounts{1, 2, 2, 3};

} // namespace quillmark
