#include "layout_canvas.h"

namespace quillmark {

namespace {

QString Latin1(const std::string& Text) {
    return QString::fromLatin1(Text.data(), static_cast<qsizetype>(Text.size()));
}

void DrawText(TLayoutCanvas& Canvas, const TOutputLayout& Layout, const TTextRun& Run) {
    const QString text = Latin1(Run.Text);
    // Placed as DrawBarText places it, from the font's own metrics.
    const std::optional<TTextCell> cell =
        PlaceBarText(QFontMetrics(Run.Font), text, Layout.Box.Left, Layout.Box.Top,
                     Layout.Symbol.Width, Layout.Box.Height, Layout.Box.Angle, Run.Position);
    if (cell)
        Canvas.Text(text, Run.Font, cell->Rotation, cell->Ascent, TInk{Run.Ink, Run.InkCmyk},
                    Run.Box ? std::optional(TInk{*Run.Box, Run.BoxCmyk}) : std::nullopt,
                    cell->Width, cell->Height);
}

} // namespace

void DrawLayout(TLayoutCanvas& Canvas, const TOutputLayout& Layout) {
    const TInk space{Layout.Space, Layout.SpaceCmyk};
    const TInk bar{Layout.Bar, Layout.BarCmyk};
    if (!Layout.Transparent)
        Canvas.Fill(QRectF(QPoint(0, 0), Layout.Size), space);
    for (std::size_t i = 0; i < Layout.Bars.size(); ++i)
        Canvas.Fill(DrawnRect(Layout, i), Layout.Bars[i].Bar ? bar : space);
    if (Layout.Text)
        DrawText(Canvas, Layout, *Layout.Text);
    for (const TPlacedText& text : Layout.Placed)
        Canvas.Text(Latin1(text.Text), text.Font, text.Cell.Rotation, text.Cell.Ascent,
                    TInk{Layout.TextInk, Layout.TextInkCmyk});
}

} // namespace quillmark
