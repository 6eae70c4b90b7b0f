// A PNG of a picture drawn in a few flat colours, written straight from its rows: a palette
// of 1, 2, 4 or 8 bits a pixel, each row that repeats the one above filtered to zeros, and
// one deflate call for the whole picture. Bars cross every row alike, so most rows repeat.
#pragma once

#include <quillmark/layout.h>

#include <QByteArray>
#include <QImage>

#include <optional>
#include <vector>

namespace quillmark {

// The PNG of Image (a 32-bit picture) in Palette's colours, at most 256, with its
// resolution recorded; none for another kind of picture or when a pixel is not in the
// palette.
std::optional<QByteArray> EncodePalettePng(const QImage& Image, const std::vector<QRgb>& Palette);

// The PNG of a two-colour grid with no text, written from its fills without a picture in
// memory: the same bytes EncodePalettePng gives for its RenderImage. None for any other
// layout.
std::optional<QByteArray> GridPng(const TOutputLayout& Layout);

// The PNG of a row of bars in two colours, its text (if any) in the bars' colour and not
// turned, written from its fills with only the text's rows drawn as a picture: the same
// bytes EncodePalettePng gives for its RenderImage. None for any other layout.
std::optional<QByteArray> BarsPng(const TOutputLayout& Layout);

} // namespace quillmark
