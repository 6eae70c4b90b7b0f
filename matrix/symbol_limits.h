// What the standards fix for each symbology: the light margin, in modules, asked around the
// symbol, and the versions there are.
#pragma once

#include <array>

namespace quillmark {

inline constexpr int QrQuietZone = 4;
inline constexpr int MicroQrQuietZone = 2;
inline constexpr int DataMatrixQuietZone = 1;

inline constexpr int LargestQrVersion = 40;
inline constexpr int LargestMicroVersion = 4;

// How many error correction levels, from L up, each Micro QR version M1-M4 has: M1 detects
// errors only (counted as L), M2 and M3 have L and M, M4 L, M and Q.
inline constexpr std::array<int, LargestMicroVersion> MicroLevelCounts{1, 2, 2, 3};

} // namespace quillmark
