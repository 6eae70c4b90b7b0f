// A line of text as QPainter::drawText lays it out: its glyphs, in the faces that draw
// them (fallbacks included), at their shaped positions, with the characters each stands
// for so that a reader can extract the text again.
#pragma once

#include <QFont>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <vector>

namespace quillmark::pdf {

struct TShapedGlyph {
    quint32 Index = 0;
    QPointF Position; // from the start of the baseline, y down, in the font's pixels
    QString Text;     // the characters it draws; empty for a glyph that adds to another's
};

struct TShapedRun {
    QRawFont Font; // at the size it is drawn
    std::vector<TShapedGlyph> Glyphs;
};

std::vector<TShapedRun> ShapeText(const QString& Text, const QFont& Font);

} // namespace quillmark::pdf
