// The lengths every physical size converts between: millimetres, inches and typographic
// points.
#pragma once

namespace quillmark {

inline constexpr double MMPerInch = 25.4;
inline constexpr double PointsPerInch = 72.0;
inline constexpr double MMPerPoint = MMPerInch / PointsPerInch;
inline constexpr double PointsPerMM = PointsPerInch / MMPerInch;

} // namespace quillmark
