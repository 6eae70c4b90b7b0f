#include "pdf_page.h"

#include "ink_operands.h"
#include "pdf_text.h"
#include <quillmark/engine.h>
#include <quillmark/error_messages.h>

#include <cmath>

namespace quillmark::pdf {

namespace {

// Positions in units, a hundredth of a module in vector layouts: four decimals are far
// below anything a reader shows.
constexpr int UnitDecimals = 4;
// The layout's scale to points, precise to well under a thousandth of a point on the
// largest page.
constexpr int ScaleDecimals = 12;
// Shifts between glyphs smaller than this, in thousandths of the font size, are the
// shaper's rounding rather than kerning; the pen keeps count, so they never add up.
constexpr double LeastShift = 0.05;

std::string Matrix(const QTransform& T) {
    return Number(T.m11(), ScaleDecimals) + ' ' + Number(T.m12(), ScaleDecimals) + ' ' +
           Number(T.m21(), ScaleDecimals) + ' ' + Number(T.m22(), ScaleDecimals) + ' ' +
           Number(T.dx(), UnitDecimals) + ' ' + Number(T.dy(), UnitDecimals);
}

// The operator setting Ink for fills: rg or k; for strokes, Stroke: RG or K.
std::string ColourOperator(const TInk& Ink, bool Stroke) {
    const char* op = Ink.Cmyk ? (Stroke ? " K\n" : " k\n") : (Stroke ? " RG\n" : " rg\n");
    return InkOperands(Ink) + op;
}

std::string Rectangle(double X, double Y, double Width, double Height) {
    return Number(X, UnitDecimals) + ' ' + Number(Y, UnitDecimals) + ' ' +
           Number(Width, UnitDecimals) + ' ' + Number(Height, UnitDecimals) + " re f\n";
}

// A text showing in progress: one TJ array of hex strings and shifts.
class TShowing {
public:
    explicit TShowing(std::string& Out) : out_(Out) {}
    void Code(unsigned char Code) {
        constexpr char hex[] = "0123456789ABCDEF";
        if (!inHex_)
            out_ += '<';
        inHex_ = true;
        out_ += hex[Code >> 4];
        out_ += hex[Code & 0xF];
    }
    // A shift in thousandths of the font size, leftwards.
    void Shift(double Thousandths) {
        CloseHex();
        out_ += Number(Thousandths, 3) + ' ';
    }
    void Close() {
        CloseHex();
        out_ += "] TJ\n";
    }

private:
    void CloseHex() {
        if (inHex_)
            out_ += "> ";
        inHex_ = false;
    }
    std::string& out_;
    bool inHex_ = false;
};

} // namespace

TPage::TPage(TType3Fonts& Fonts, double PointsPerUnit, const std::string& HeightText)
    : fonts_(Fonts) {
    out_ = "q " + Number(PointsPerUnit, ScaleDecimals) + " 0 0 " +
           Number(-PointsPerUnit, ScaleDecimals) + " 0 " + HeightText + " cm\n";
}

void TPage::SetColor(const TInk& Ink) {
    if (color_ == Ink)
        return;
    color_ = Ink;
    out_ += ColourOperator(Ink, false);
}

void TPage::Fill(const QRectF& Rect, const TInk& Ink) {
    SetColor(Ink);
    out_ += Rectangle(Rect.x(), Rect.y(), Rect.width(), Rect.height());
}

void TPage::Begin(const QTransform& Place) {
    outer_.push_back(color_);
    out_ += "q " + Matrix(Place) + " cm\n";
}

void TPage::End() {
    if (outer_.empty())
        throw Exception(InternalErrorMessage);
    out_ += "Q\n";
    // The colour set inside the block is forgotten at its end.
    color_ = outer_.back();
    outer_.pop_back();
}

void TPage::Stroke(const QPainterPath& Path, double Width, TColor Color) {
    std::string path;
    for (int i = 0; i < Path.elementCount(); ++i) {
        const QPainterPath::Element e = Path.elementAt(i);
        path += Number(e.x, UnitDecimals) + ' ' + Number(e.y, UnitDecimals);
        // A curve is its two control points and its end, written as one operator.
        const bool curvePart =
            e.type == QPainterPath::CurveToElement ||
            (e.type == QPainterPath::CurveToDataElement && i + 1 < Path.elementCount() &&
             Path.elementAt(i + 1).type == QPainterPath::CurveToDataElement);
        path += e.isMoveTo() ? " m\n" : e.isLineTo() ? " l\n" : curvePart ? " " : " c\n";
    }
    // The stroke's colour and width stay inside the block; the fill colour is untouched.
    out_ += "q " + Number(Width, UnitDecimals) + " w " +
            ColourOperator(TInk{Color, std::nullopt}, true) + path + "S\nQ\n";
}

void TPage::Text(const QString& Text, const QFont& Font, const QTransform& Turn, int Ascent,
                 const TInk& Ink, const std::optional<TInk>& Box, int Width, int Height) {
    const std::vector<TShapedRun> runs = ShapeText(Text, Font);
    // The colour set inside the block is forgotten at its end.
    const std::optional<TInk> outer = color_;
    out_ += "q " + Matrix(Turn) + " cm\n";
    // The whole line is what a reader extracts, characters that draw no glyph (a soft
    // hyphen) included; the fonts' character maps serve readers that ignore it.
    out_ += "/Span << /ActualText " + TextString(Text) + " >> BDC\n";
    if (Box) {
        SetColor(*Box);
        out_ += Rectangle(0, 0, Width, Height);
    }
    std::optional<TShowing> showing;
    int font = 0;
    double size = 0;
    double pen = 0;  // where the glyphs shown so far have taken the reader's pen
    double line = 0; // the baseline they stand on
    for (const TShapedRun& run : runs)
        for (const TShapedGlyph& glyph : run.Glyphs) {
            const TType3Fonts::TCode code = fonts_.Use(run.Font, glyph.Index, glyph.Text);
            const QPointF at = glyph.Position + QPointF(0, Ascent);
            const double runSize = run.Font.pixelSize();
            if (!showing) {
                SetColor(Ink);
                out_ += "BT\n";
            }
            if (!showing || code.Font != font || runSize != size || at.y() != line) {
                if (showing)
                    showing->Close();
                if (code.Font != font || runSize != size)
                    out_ += "/F" + std::to_string(code.Font) + ' ' + Number(runSize, UnitDecimals) +
                            " Tf\n";
                font = code.Font;
                size = runSize;
                // Text space y up, so that the glyphs stand upright in the y-down units.
                out_ += "1 0 0 -1 " + Number(at.x(), UnitDecimals) + ' ' +
                        Number(at.y(), UnitDecimals) + " Tm [";
                showing.emplace(out_);
                pen = at.x();
                line = at.y();
            } else if (const double shift = (pen - at.x()) * 1000 / size;
                       std::abs(shift) >= LeastShift) {
                showing->Shift(shift);
                pen = at.x();
            }
            showing->Code(code.Code);
            pen += code.Advance * size / GlyphUnits;
        }
    if (showing) {
        showing->Close();
        out_ += "ET\n";
    }
    out_ += "EMC\nQ\n";
    color_ = outer;
}

std::string TPage::Finish() {
    return out_ + "Q\n";
}

} // namespace quillmark::pdf
