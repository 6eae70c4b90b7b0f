// The lengths every physical size converts between: millimetres, inches and typographic
// points.
#pragma once

#include <cmath>

namespace quillmark {

inline constexpr double MMPerInch = 25.4;
inline constexpr double PointsPerInch = 72.0;
inline constexpr double MMPerPoint = MMPerInch / PointsPerInch;
inline constexpr double PointsPerMM = PointsPerInch / MMPerInch;

// A resolution as PNG's pHYs and QImage record it: pixels per metre, rounded.
inline int DotsPerMeter(int Dpi) {
    return static_cast<int>(std::lround(Dpi / (MMPerInch / 1000)));
}

} // namespace quillmark
