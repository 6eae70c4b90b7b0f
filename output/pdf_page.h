// A page's content stream in the layout's units: filled rectangles, lines of text and
// stroked outlines in their inks, in the order given, as QPainter would paint them. RGB
// inks are written as RGB (rg, RG), CMYK ones as CMYK (k, K).
#pragma once

#include "layout_canvas.h"
#include "pdf_type3_font.h"
#include <quillmark/inks.h>

#include <QFont>
#include <QPainterPath>
#include <QRect>
#include <QString>
#include <QTransform>

#include <optional>
#include <string>
#include <vector>

namespace quillmark::pdf {

class TPage final : public TLayoutCanvas {
public:
    // A page Height points high whose content is drawn PointsPerUnit points a unit, y down
    // from the top-left corner as in Qt. HeightText is the page height as the media box
    // writes it, so that the content's top meets the page's exactly. The glyphs it shows
    // take their codes in Fonts, which may serve many pages.
    TPage(TType3Fonts& Fonts, double PointsPerUnit, const std::string& HeightText);
    void Fill(const QRectF& Rect, const TInk& Ink) override;
    // What follows, up to the matching End, is drawn in the units of Place, a transform
    // from them to the present ones.
    void Begin(const QTransform& Place);
    void End();
    // Path's outline, Width units wide, in Color.
    void Stroke(const QPainterPath& Path, double Width, TColor Color);
    void Text(const QString& Text, const QFont& Font, const QTransform& Turn, int Ascent,
              const TInk& Ink, const std::optional<TInk>& Box = std::nullopt, int Width = 0,
              int Height = 0) override;
    // The content stream; the fonts it shows are in the Fonts given.
    std::string Finish();

private:
    void SetColor(const TInk& Ink);
    std::string out_;
    std::optional<TInk> color_; // the fill colour now set, none at the start of a block
    std::vector<std::optional<TInk>> outer_; // the fill colours of the blocks Begin opened
    TType3Fonts& fonts_;
};

} // namespace quillmark::pdf
