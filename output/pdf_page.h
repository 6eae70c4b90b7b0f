// A page's content stream in the layout's units: filled rectangles, lines of text and
// stroked outlines in their colours, in the order given, as QPainter would paint them.
#pragma once

#include "pdf_type3_font.h"
#include <quillmark/symbol_types.h>

#include <QFont>
#include <QPainterPath>
#include <QRect>
#include <QString>
#include <QTransform>

#include <optional>
#include <string>
#include <vector>

namespace quillmark::pdf {

class TPage {
public:
    // A page Height points high whose content is drawn PointsPerUnit points a unit, y down
    // from the top-left corner as in Qt. HeightText is the page height as the media box
    // writes it, so that the content's top meets the page's exactly. The glyphs it shows
    // take their codes in Fonts, which may serve many pages.
    TPage(TType3Fonts& Fonts, double PointsPerUnit, const std::string& HeightText);
    void Fill(const QRect& Rect, TColor Color);
    void Fill(const QRectF& Rect, TColor Color);
    // What follows, up to the matching End, is drawn in the units of Place, a transform
    // from them to the present ones.
    void Begin(const QTransform& Place);
    void End();
    // Path's outline, Width units wide, in Color.
    void Stroke(const QPainterPath& Path, double Width, TColor Color);
    // Text in Font, its baseline starting at (0, Ascent) under Turn, like QPainter's
    // drawText there; on a Width x Height box of Box's colour under the same turn if given.
    void Text(const QString& Text, const QFont& Font, const QTransform& Turn, int Ascent,
              TColor Ink, std::optional<TColor> Box = std::nullopt, int Width = 0, int Height = 0);
    // The content stream; the fonts it shows are in the Fonts given.
    std::string Finish();

private:
    void SetColor(TColor Color);
    std::string out_;
    std::optional<TColor> color_; // the fill colour now set, none at the start of a block
    std::vector<std::optional<TColor>> outer_; // the fill colours of the blocks Begin opened
    TType3Fonts& fonts_;
};

} // namespace quillmark::pdf
