// SVG written straight from the layout: a rectangle for the background (none when it is
// transparent), one path of the bars, the text as text. Every attribute and text is escaped for
// XML, whatever a value or a font family holds.
#include "files.h"

#include <quillmark/latin1.h>
#include <quillmark/qt_colors.h>

#include <QFontInfo>

#include <charconv>
#include <cmath>
#include <utility>

namespace quillmark {

namespace {

// Units of the SVG: micrometres, so that its width and height in millimetres are exact to
// a thousandth.
constexpr double MicrometresPerMM = 1000;

// Appends the shortest decimal text that reads back as Value, with a decimal point whatever
// the locale. A whole number below 100,000 has no shorter form than its digits, and is
// written as an integer, which takes a quarter of the time: most of a file's numbers are.
void AppendNumber(std::string& Out, double Value) {
    char text[32];
    constexpr double Digits = 100000;
    const bool whole = Value > -Digits && Value < Digits && Value == std::trunc(Value);
    const auto result = whole ? std::to_chars(text, text + sizeof text, static_cast<long>(Value))
                              : std::to_chars(text, text + sizeof text, Value);
    Out.append(text, result.ptr);
}

std::string Number(double Value) {
    std::string text;
    AppendNumber(text, Value);
    return text;
}

// Text and attribute values as XML takes them: the five special characters as entities,
// and the control characters XML 1.0 has no place for left out.
std::string Escaped(std::string_view Utf8) {
    std::string out;
    out.reserve(Utf8.size());
    for (const char ch : Utf8) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            if (static_cast<unsigned char>(ch) >= 0x20 || ch == '\t' || ch == '\n' || ch == '\r')
                out += ch;
        }
    }
    return out;
}

std::string Colour(TColor Color) {
    return ToQColor(Color).name().toStdString();
}

std::string Rect(const QRect& R, TColor Color) {
    return "<rect x=\"" + std::to_string(R.x()) + "\" y=\"" + std::to_string(R.y()) +
           "\" width=\"" + std::to_string(R.width()) + "\" height=\"" + std::to_string(R.height()) +
           "\" fill=\"" + Colour(Color) + "\"/>\n";
}

// Every bar as one path of closed rectangles, "M x y h w v h h -w z" each: a third of the
// bytes of a rectangle element per bar.
std::string BarsPath(const TOutputLayout& Layout) {
    const std::vector<TBarFill>& fills = Layout.Bars;
    std::string d;
    d.reserve(fills.size() * 24);
    // Whole units where no bar width reduction leaves fractions, written as integers.
    const auto append = [&](char Command, double Value) {
        d += Command;
        AppendNumber(d, Value);
    };
    for (std::size_t i = 0; i < fills.size(); ++i) {
        if (!fills[i].Bar)
            continue; // the spaces are the background's colour, already under every fill
        const QRectF r = DrawnRect(Layout, i);
        append('M', r.x());
        append(' ', r.y());
        append('h', r.width());
        append('v', r.height());
        append('h', -r.width());
        d += 'z';
    }
    return d.empty() ? d : "<path fill=\"" + Colour(Layout.Bar) + "\" d=\"" + d + "\"/>\n";
}

std::string Matrix(const QTransform& T) {
    return "matrix(" + Number(T.m11()) + " " + Number(T.m12()) + " " + Number(T.m21()) + " " +
           Number(T.m22()) + " " + Number(T.dx()) + " " + Number(T.dy()) + ")";
}

// A family name as a CSS string.
std::string Quoted(const QString& Family) {
    std::string quoted = "'";
    for (const char ch : Family.toStdString()) {
        if (ch == '\'' || ch == '\\')
            quoted += '\\';
        quoted += ch;
    }
    return quoted + "'";
}

// Other names of a family that fonts of it are installed under.
constexpr std::pair<const char*, const char*> OtherNames[] = {
    {DigitFontFamily, "OCR-B"}, // as some OCR-B fonts name themselves
};

// The family the layout measured the text in, as the font matched it (not the one asked
// for, which may be missing), then its other names and the generic family nearest it, for
// a reader on a machine that lacks it.
std::string FontFamilies(const QFont& Font) {
    const QFontInfo drawn(Font);
    std::string families = Quoted(drawn.family());
    for (const auto& [family, other] : OtherNames)
        if (drawn.family().compare(QLatin1String(family), Qt::CaseInsensitive) == 0)
            families += ", " + Quoted(QLatin1String(other));
    return families + (drawn.fixedPitch() ? ", monospace" : ", sans-serif");
}

// Where the text's anchor stands in its cell, and how SVG names it.
std::pair<int, const char*> AnchorAt(TTextAnchor Anchor, int Width) {
    switch (Anchor) {
    case TTextAnchor::Middle:
        return {Width / 2, "middle"};
    case TTextAnchor::End:
        return {Width, "end"};
    default:
        return {0, nullptr};
    }
}

// The anchor of a text over the bars, from the side its position aligns it to.
TTextAnchor AnchorOf(TTextPosition Position) {
    switch (Position) {
    case tpTopCenter:
    case tpBottomCenter:
        return TTextAnchor::Middle;
    case tpTopRight:
    case tpBottomRight:
        return TTextAnchor::End;
    default:
        return TTextAnchor::Start;
    }
}

// A text in its cell: the cell's box when it has one, then the letters from the baseline,
// anchored where the layout aligned them, so that a reader measuring them in another font
// keeps them in place.
std::string Text(const std::string& Latin1Text, const QFont& Font, const TTextCell& Cell,
                 TTextAnchor Anchor, std::optional<TColor> Box, TColor Ink) {
    const QFont& font = Font;
    std::string svg = "<g transform=\"" + Matrix(Cell.Rotation) + "\">\n";
    if (Box)
        svg += Rect(QRect(0, 0, Cell.Width, Cell.Height), *Box);
    const auto [x, anchor] = AnchorAt(Anchor, Cell.Width);
    svg += "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(Cell.Ascent) + "\"";
    if (anchor)
        svg += std::string(" text-anchor=\"") + anchor + "\"";
    svg += " font-family=\"" + Escaped(FontFamilies(font)) + "\" font-size=\"" +
           std::to_string(font.pixelSize()) + "\"";
    if (font.weight() != QFont::Normal)
        svg += " font-weight=\"" + std::to_string(static_cast<int>(font.weight())) + "\"";
    if (font.italic())
        svg += " font-style=\"italic\"";
    svg += " fill=\"" + Colour(Ink) + "\" xml:space=\"preserve\">" +
           Escaped(Utf8FromLatin1(Latin1Text)) + "</text>\n</g>\n";
    return svg;
}

// The text over the bars, its cell as the renderer places it.
std::string Text(const TOutputLayout& Layout, const TTextRun& Run) {
    const QString text =
        QString::fromLatin1(Run.Text.data(), static_cast<qsizetype>(Run.Text.size()));
    const std::optional<TTextCell> cell =
        PlaceBarText(QFontMetrics(Run.Font), text, Layout.Box.Left, Layout.Box.Top,
                     Layout.Symbol.Width, Layout.Box.Height, Layout.Box.Angle, Run.Position);
    return cell ? Text(Run.Text, Run.Font, *cell, AnchorOf(Run.Position), Run.Box, Run.Ink)
                : std::string();
}

} // namespace

QByteArray RenderSvg(const TOutputLayout& Layout) {
    const double micrometresPerUnit = MicrometresPerMM / Layout.UnitsPerMM;
    const double width = std::round(Layout.Size.width() * micrometresPerUnit);
    const double height = std::round(Layout.Size.height() * micrometresPerUnit);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                      Number(width / MicrometresPerMM) + "mm\" height=\"" +
                      Number(height / MicrometresPerMM) + "mm\" viewBox=\"0 0 " + Number(width) +
                      " " + Number(height) + "\">\n<title>" +
                      Escaped(Utf8FromLatin1(BarTypeName(Layout.Type))) +
                      "</title>\n<desc>Barcode drawn by Quillmark</desc>\n";
    svg += "<g transform=\"scale(" + Number(micrometresPerUnit) +
           ")\" shape-rendering=\"crispEdges\">\n";
    if (!Layout.Transparent)
        svg += Rect(QRect(QPoint(0, 0), Layout.Size), Layout.Space);
    svg += BarsPath(Layout);
    if (Layout.Text)
        svg += Text(Layout, *Layout.Text);
    for (const TPlacedText& text : Layout.Placed)
        svg += Text(text.Text, text.Font, text.Cell, text.Anchor, std::nullopt, Layout.TextInk);
    svg += "</g>\n</svg>\n";
    return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
}

QByteArray RenderSvg(const TBarcodeDescription& Description) {
    return RenderSvg(VectorLayout(Description));
}

} // namespace quillmark
