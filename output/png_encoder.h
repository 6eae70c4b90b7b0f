// A PNG of a picture drawn in a few flat colours, written straight from its rows: a palette
// of 1, 2, 4 or 8 bits a pixel, each row that repeats the one above filtered to zeros, and
// one deflate call for the whole picture. Bars cross every row alike, so most rows repeat.
#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>
#include <vector>

namespace quillmark {

// The PNG of Image (a 32-bit picture) in Palette's colours, at most 256, with its
// resolution recorded; none for another kind of picture or when a pixel is not in the
// palette.
std::optional<QByteArray> EncodePalettePng(const QImage& Image, const std::vector<QRgb>& Palette);

} // namespace quillmark
