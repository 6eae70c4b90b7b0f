// PDF written straight from the layout: one page of the symbol's exact size, filled with
// the space colour, then the layout's fills and texts in PaintLayout's order, the text as
// real text in Type 3 fonts of the glyphs' outlines. Nothing in it varies from run to run.
#include "files.h"

#include "pdf_objects.h"
#include "pdf_page.h"
#include <quillmark/units.h>

namespace quillmark {

namespace {

QString Latin1(const std::string& Text) {
    return QString::fromLatin1(Text.data(), static_cast<qsizetype>(Text.size()));
}

void DrawText(pdf::TPage& Page, const TOutputLayout& Layout, const TTextRun& Run) {
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

QByteArray RenderPdf(const TOutputLayout& Layout) {
    const double pointsPerUnit = PointsPerMM / Layout.UnitsPerMM;
    const std::string width = pdf::Number(Layout.Size.width() * pointsPerUnit);
    const std::string height = pdf::Number(Layout.Size.height() * pointsPerUnit);

    pdf::TPage page(pointsPerUnit, height);
    page.Fill(QRect(QPoint(0, 0), Layout.Size), Layout.Space);
    for (const TBarFill& fill : Layout.Bars)
        page.Fill(fill.Rect, fill.Bar ? Layout.Bar : Layout.Space);
    if (Layout.Text)
        DrawText(page, Layout, *Layout.Text);
    for (const TPlacedText& text : Layout.Placed)
        page.Text(Latin1(text.Text), text.Font, text.Cell.Rotation, text.Cell.Ascent,
                  Layout.TextInk);

    pdf::TDocument document;
    const int catalog = document.Reserve();
    const int pages = document.Reserve();
    const int pageObject = document.Reserve();
    const int content = document.Reserve();
    const int info = document.Reserve();
    const std::string ref = " 0 R";
    document.Add(catalog, "<< /Type /Catalog /Pages " + std::to_string(pages) + ref + " >>");
    document.Add(pages,
                 "<< /Type /Pages /Kids [" + std::to_string(pageObject) + ref + "] /Count 1 >>");
    document.AddStream(content, {}, {page.Finish(), false});
    const std::string fonts = page.Fonts().Write(document);
    document.Add(pageObject,
                 "<< /Type /Page /Parent " + std::to_string(pages) + ref + " /MediaBox [0 0 " +
                     width + ' ' + height + "] /Contents " + std::to_string(content) + ref +
                     " /Resources << /ProcSet [/PDF /Text] /Font << " + fonts + ">> >> >>");
    document.Add(info, "<< /Title " + pdf::LiteralString(BarTypeName(Layout.Type)) +
                           " /Creator (Quillmark) >>");
    return document.Finish(catalog, info);
}

QByteArray RenderPdf(const TBarcodeDescription& Description) {
    return RenderPdf(VectorLayout(Description));
}

} // namespace quillmark
