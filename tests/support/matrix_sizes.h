// Symbol sizes as steps of their symbology's table, for comparing two encoders' choices.
#pragma once

#include <array>
#include <cstddef>

namespace quillmark::testing {

// ISO/IEC 16022 Table 7's square sides.
inline constexpr std::array<int, 24> DataMatrixSquareSides{10, 12, 14, 16, 18,  20,  22,  24,
                                                           26, 32, 36, 40, 44,  48,  52,  64,
                                                           72, 80, 88, 96, 104, 120, 132, 144};

// Side's place among the square sides; -1 for a side that is none of them.
constexpr int DataMatrixSquareStep(int Side) {
    for (std::size_t i = 0; i < DataMatrixSquareSides.size(); ++i)
        if (DataMatrixSquareSides[i] == Side)
            return static_cast<int>(i);
    return -1;
}

// The QR Code version of Side: 21 modules at version 1, four more each version after.
constexpr int QrVersionOfSide(int Side) {
    return (Side - 17) / 4;
}

} // namespace quillmark::testing
