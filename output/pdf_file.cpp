// PDF written straight from the layout: one page of the symbol's exact size, filled with
// the space colour, then the layout's fills and texts in PaintLayout's order, the text as
// real text in Type 3 fonts of the glyphs' outlines. Nothing in it varies from run to run.
#include "files.h"

#include "pdf_objects.h"
#include "pdf_page.h"
#include <quillmark/units.h>

namespace quillmark {

QByteArray RenderPdf(const TOutputLayout& Layout) {
    const double pointsPerUnit = PointsPerMM / Layout.UnitsPerMM;
    const std::string width = pdf::Number(Layout.Size.width() * pointsPerUnit);
    const std::string height = pdf::Number(Layout.Size.height() * pointsPerUnit);

    pdf::TType3Fonts fonts;
    pdf::TPage page(fonts, pointsPerUnit, height);
    DrawLayout(page, Layout);

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
    const std::string fontEntries = fonts.Write(document);
    document.Add(pageObject,
                 "<< /Type /Page /Parent " + std::to_string(pages) + ref + " /MediaBox [0 0 " +
                     width + ' ' + height + "] /Contents " + std::to_string(content) + ref +
                     " /Resources << /ProcSet [/PDF /Text] /Font << " + fontEntries + ">> >> >>");
    document.Add(info, "<< /Title " + pdf::LiteralString(BarTypeName(Layout.Type)) +
                           " /Creator (Quillmark) >>");
    return document.Finish(catalog, info);
}

QByteArray RenderPdf(const TBarcodeDescription& Description) {
    return RenderPdf(VectorLayout(Description));
}

} // namespace quillmark
