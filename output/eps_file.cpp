// EPS written from the same vector layout as PDF, at the symbol's true size in points: the
// fills as filled rectangles, the text as the outlines of its shaped glyphs, so that the
// file needs no font where it is placed. RGB inks are set with setrgbcolor, CMYK ones with
// setcmykcolor. Nothing in it varies from run to run.
#include "files.h"

#include "ink_operands.h"
#include "layout_canvas.h"
#include "path_operators.h"
#include "pdf_objects.h"
#include "pdf_text.h"
#include <quillmark/units.h>

#include <QPainterPath>

#include <cmath>

namespace quillmark {

namespace {

// Positions in layout units, a hundredth of a module in vector layouts.
constexpr int UnitDecimals = 4;
// Glyph outlines to a hundredth of a unit: far below the fonts' own grids at any size.
constexpr int OutlineDecimals = 2;
// The layout's scale to points and a text's turn, as precise as the PDF's.
constexpr int ScaleDecimals = 12;

// The operators the content uses, short and in a dictionary of their own so that the
// document placing the file keeps its names.
constexpr const char* Prolog = "%%BeginProlog\n"
                               "/QuillmarkDict 8 dict def\n"
                               "QuillmarkDict begin\n"
                               "/m /moveto load def\n"
                               "/l /lineto load def\n"
                               "/c /curveto load def\n"
                               "/f /fill load def\n"
                               "/r /rectfill load def\n"
                               "/rgb /setrgbcolor load def\n"
                               "/cmyk /setcmykcolor load def\n"
                               "end\n"
                               "%%EndProlog\n";

class TEpsCanvas final : public TLayoutCanvas {
public:
    void Fill(const QRectF& Rect, const TInk& Ink) override {
        SetInk(Ink);
        out_ += pdf::Number(Rect.x(), UnitDecimals) + ' ' + pdf::Number(Rect.y(), UnitDecimals) +
                ' ' + pdf::Number(Rect.width(), UnitDecimals) + ' ' +
                pdf::Number(Rect.height(), UnitDecimals) + " r\n";
    }

    void Text(const QString& Text, const QFont& Font, const QTransform& Turn, int Ascent,
              const TInk& Ink, const std::optional<TInk>& Box, int Width, int Height) override {
        // The ink set inside the block is forgotten at its end.
        const std::optional<TInk> outer = ink_;
        out_ += "gsave [" + pdf::Number(Turn.m11(), ScaleDecimals) + ' ' +
                pdf::Number(Turn.m12(), ScaleDecimals) + ' ' +
                pdf::Number(Turn.m21(), ScaleDecimals) + ' ' +
                pdf::Number(Turn.m22(), ScaleDecimals) + ' ' +
                pdf::Number(Turn.dx(), UnitDecimals) + ' ' + pdf::Number(Turn.dy(), UnitDecimals) +
                "] concat\n";
        if (Box)
            Fill(QRectF(0, 0, Width, Height), *Box);
        std::string outline;
        for (const pdf::TShapedRun& run : pdf::ShapeText(Text, Font))
            for (const pdf::TShapedGlyph& glyph : run.Glyphs)
                outline += PathOperators(run.Font.pathForGlyph(glyph.Index)
                                             .translated(glyph.Position + QPointF(0, Ascent)),
                                         OutlineDecimals, false);
        if (!outline.empty()) {
            SetInk(Ink);
            // Glyph outlines fill by the nonzero winding rule, as fill does.
            out_ += outline + "f\n";
        }
        out_ += "grestore\n";
        ink_ = outer;
    }

    std::string Finish() { return std::move(out_); }

private:
    void SetInk(const TInk& Ink) {
        if (ink_ == Ink)
            return;
        ink_ = Ink;
        out_ += InkOperands(Ink) + (Ink.Cmyk ? " cmyk\n" : " rgb\n");
    }

    std::string out_;
    std::optional<TInk> ink_; // the ink now set
};

} // namespace

QByteArray RenderEps(const TOutputLayout& Layout) {
    const double pointsPerUnit = PointsPerMM / Layout.UnitsPerMM;
    const double width = Layout.Size.width() * pointsPerUnit;
    const double height = Layout.Size.height() * pointsPerUnit;
    // The whole-point box holds the exact one; readers that know the exact one crop to it.
    const std::string box = "0 0 " + std::to_string(static_cast<long long>(std::ceil(width))) +
                            ' ' + std::to_string(static_cast<long long>(std::ceil(height)));
    // The page's height as the content's transform writes it, so that its top meets the box's.
    const std::string heightText = pdf::Number(height);

    TEpsCanvas canvas;
    DrawLayout(canvas, Layout);

    std::string out = "%!PS-Adobe-3.0 EPSF-3.0\n";
    out += "%%BoundingBox: " + box + '\n';
    out += "%%HiResBoundingBox: 0 0 " + pdf::Number(width) + ' ' + heightText + '\n';
    out += "%%Title: " + std::string(BarTypeName(Layout.Type)) + '\n';
    out += "%%Creator: Quillmark\n";
    out += "%%LanguageLevel: 2\n";
    out += "%%DocumentData: Clean7Bit\n";
    out += "%%EndComments\n";
    out += Prolog;
    out += "QuillmarkDict begin\ngsave\n";
    // Layout units, y down from the top-left corner as in Qt.
    out += "0 " + heightText + " translate " + pdf::Number(pointsPerUnit, ScaleDecimals) + ' ' +
           pdf::Number(-pointsPerUnit, ScaleDecimals) + " scale\n";
    out += canvas.Finish();
    out += "grestore\nend\nshowpage\n%%Trailer\n%%EOF\n";
    return QByteArray::fromStdString(out);
}

QByteArray RenderEps(const TBarcodeDescription& Description) {
    return RenderEps(VectorLayout(Description));
}

} // namespace quillmark
