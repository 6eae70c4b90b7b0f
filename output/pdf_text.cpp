#include "pdf_text.h"

#include <QGlyphRun>
#include <QTextLayout>

namespace quillmark::pdf {

namespace {

// Which characters each glyph draws, the slow way: the glyphs of each character in turn.
// Only needed where shaping joined or split characters (a ligature), which the plain
// character map can't tell.
void AssignByCharacter(QTextLayout& Layout, const QString& Text, qreal Baseline,
                       std::vector<TShapedRun>& Runs) {
    for (TShapedRun& run : Runs)
        for (TShapedGlyph& glyph : run.Glyphs)
            glyph.Text.clear();
    for (qsizetype i = 0; i < Text.size(); ++i)
        for (const QGlyphRun& piece : Layout.glyphRuns(static_cast<int>(i), 1)) {
            if (piece.glyphIndexes().isEmpty())
                continue;
            const quint32 index = piece.glyphIndexes().front();
            const QPointF at = piece.positions().front() - QPointF(0, Baseline);
            for (TShapedRun& run : Runs)
                if (run.Font == piece.rawFont())
                    for (TShapedGlyph& glyph : run.Glyphs)
                        if (glyph.Index == index && glyph.Position == at)
                            glyph.Text += Text[i];
        }
}

} // namespace

std::vector<TShapedRun> ShapeText(const QString& Text, const QFont& Font) {
    QTextLayout layout(Text, Font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) {
        layout.endLayout();
        return {};
    }
    line.setLineWidth(1e9);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    const qreal baseline = line.ascent();

    std::vector<TShapedRun> runs;
    bool oneToOne = true;
    qsizetype next = 0; // the character the next glyph draws when each draws one
    for (const QGlyphRun& glyphRun : layout.glyphRuns()) {
        TShapedRun run{glyphRun.rawFont(), {}};
        const QList<quint32> indexes = glyphRun.glyphIndexes();
        const QList<QPointF> positions = glyphRun.positions();
        // The characters this run covers if each glyph is its character's own glyph.
        const QString covered = Text.mid(next, indexes.size());
        const QList<quint32> mapped = run.Font.glyphIndexesForString(covered);
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            TShapedGlyph glyph{indexes[i], positions[i] - QPointF(0, baseline), {}};
            if (oneToOne && i < mapped.size() && mapped[i] == indexes[i])
                glyph.Text = covered[i];
            else
                oneToOne = false;
            run.Glyphs.push_back(std::move(glyph));
        }
        next += indexes.size();
        runs.push_back(std::move(run));
    }
    if (!oneToOne || next != Text.size())
        AssignByCharacter(layout, Text, baseline, runs);
    return runs;
}

} // namespace quillmark::pdf
