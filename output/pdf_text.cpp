#include "pdf_text.h"

#include <QGlyphRun>
#include <QTextLayout>

#include <optional>

namespace quillmark::pdf {

namespace {

// Which characters each glyph draws, the slow way: the glyphs of each character in turn.
// Only needed where shaping joined or split characters (a ligature) or drew a character
// with no glyph (a soft hyphen), which the plain character map can't tell. The glyphs are
// matched in order, not by position: past a character without a glyph, Qt places a single
// character's glyph apart from where the whole line has it.
void AssignByCharacter(QTextLayout& Layout, const QString& Text, std::vector<TShapedRun>& Runs) {
    for (TShapedRun& run : Runs)
        for (TShapedGlyph& glyph : run.Glyphs)
            glyph.Text.clear();
    std::size_t run = 0;
    std::size_t next = 0;        // the first glyph of Runs[run] not yet matched
    std::optional<QPointF> last; // where the last matched character's glyph stood
    TShapedGlyph* lastGlyph = nullptr;
    for (qsizetype i = 0; i < Text.size(); ++i)
        for (const QGlyphRun& piece : Layout.glyphRuns(static_cast<int>(i), 1)) {
            if (piece.glyphIndexes().isEmpty())
                continue;
            const quint32 index = piece.glyphIndexes().front();
            const QPointF at = piece.positions().front();
            // Characters of one ligature share its glyph, at one place.
            if (lastGlyph && last == at && lastGlyph->Index == index) {
                lastGlyph->Text += Text[i];
                continue;
            }
            for (std::size_t r = run, g = next; r < Runs.size(); ++r, g = 0) {
                if (Runs[r].Font != piece.rawFont())
                    continue;
                std::vector<TShapedGlyph>& glyphs = Runs[r].Glyphs;
                while (g < glyphs.size() && glyphs[g].Index != index)
                    ++g;
                if (g == glyphs.size())
                    continue;
                glyphs[g].Text += Text[i];
                lastGlyph = &glyphs[g];
                last = at;
                run = r;
                next = g + 1;
                break;
            }
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
        AssignByCharacter(layout, Text, runs);
    return runs;
}

} // namespace quillmark::pdf
