#include "pdf_layout.h"

namespace quillmark::pdf {

namespace {

QString Latin1(const std::string& Text) {
    return QString::fromLatin1(Text.data(), static_cast<qsizetype>(Text.size()));
}

void DrawText(TPage& Page, const TOutputLayout& Layout, const TTextRun& Run) {
    const QString text = Latin1(Run.Text);
    // Placed as DrawBarText places it, from the font's own metrics.
    const std::optional<TTextCell> cell =
        PlaceBarText(QFontMetrics(Run.Font), text, Layout.Box.Left, Layout.Box.Top,
                     Layout.Symbol.Width, Layout.Box.Height, Layout.Box.Angle, Run.Position);
    if (cell)
        Page.Text(text, Run.Font, cell->Rotation, cell->Ascent, Run.Ink, Run.Box, cell->Width,
                  cell->Height);
}

} // namespace

void DrawLayout(TPage& Page, const TOutputLayout& Layout) {
    if (!Layout.Transparent)
        Page.Fill(QRect(QPoint(0, 0), Layout.Size), Layout.Space);
    for (std::size_t i = 0; i < Layout.Bars.size(); ++i)
        Page.Fill(DrawnRect(Layout, i), Layout.Bars[i].Bar ? Layout.Bar : Layout.Space);
    if (Layout.Text)
        DrawText(Page, Layout, *Layout.Text);
    for (const TPlacedText& text : Layout.Placed)
        Page.Text(Latin1(text.Text), text.Font, text.Cell.Rotation, text.Cell.Ascent,
                  Layout.TextInk);
}

} // namespace quillmark::pdf
