// What a vector file draws a layout on, and the one drawing of a layout on it: the whole
// picture in the space ink, the fills, then the text in PaintLayout's order, in the layout's
// units. PDF pages (a symbol's own and a sheet's) and EPS files draw through it, so that
// they all match.
#pragma once

#include <quillmark/inks.h>
#include <quillmark/layout.h>

#include <QFont>
#include <QRect>
#include <QString>
#include <QTransform>

#include <optional>

namespace quillmark {

class TLayoutCanvas {
public:
    virtual ~TLayoutCanvas() = default;
    virtual void Fill(const QRectF& Rect, const TInk& Ink) = 0;
    // Text in Font, its baseline starting at (0, Ascent) under Turn, like QPainter's
    // drawText there; on a Width x Height box of Box's ink under the same turn if given.
    virtual void Text(const QString& Text, const QFont& Font, const QTransform& Turn, int Ascent,
                      const TInk& Ink, const std::optional<TInk>& Box = std::nullopt, int Width = 0,
                      int Height = 0) = 0;
};

void DrawLayout(TLayoutCanvas& Canvas, const TOutputLayout& Layout);

} // namespace quillmark
