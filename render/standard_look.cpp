#include "standard_look.h"

#include "grid_fills.h"
#include "quarter_turn.h"
#include <quillmark/error_messages.h>
#include <quillmark/module_runs.h>
#include <quillmark/retail_look.h>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace quillmark {

namespace {

QString Latin1(const std::string& Text) {
    return QString::fromLatin1(Text.data(), static_cast<qsizetype>(Text.size()));
}

TFrameText Measured(const std::string& Text, const QFont& Font) {
    const QFontMetrics metrics(Font);
    TFrameText text;
    text.Text = Text;
    text.Font = Font;
    text.Width = metrics.horizontalAdvance(Latin1(Text));
    text.Height = metrics.height();
    text.Ascent = metrics.ascent();
    return text;
}

// The column each element starts at, and one past the last.
std::vector<int> ElementStarts(const TSymbol& Symbol) {
    std::vector<int> starts{0};
    starts.reserve(Symbol.Pattern.size() + 1);
    for (const char ch : Symbol.Pattern) {
        int width = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, Symbol.Widths, width, kind);
        starts.push_back(starts.back() + width);
    }
    return starts;
}

// OCR-B at the pixel size whose digits stand Height units high, no larger than lets each
// group fit between its guards with half a module to spare on each side.
QFont DigitFont(const QFont& Font, int Height, const TRetailLook& Look,
                const std::vector<int>& Starts, int Modul) {
    QFont font = Font;
    font.setFamily(QLatin1String(DigitFontFamily));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    constexpr int Probe = 1000;
    font.setPixelSize(Probe);
    const QFontMetricsF probe(font);
    const double digitHeight = probe.tightBoundingRect(QStringLiteral("0123456789")).height();
    double size = Height * Probe / std::max(1.0, digitHeight);
    for (const TDigitGroup& group : Look.Groups)
        if (group.Place == TDigitPlace::Under) {
            const double room = Starts[static_cast<std::size_t>(group.EndElement)] -
                                Starts[static_cast<std::size_t>(group.FirstElement)] - Modul;
            const double width = probe.horizontalAdvance(Latin1(group.Digits));
            size = std::min(size, room * Probe / std::max(1.0, width));
        }
    font.setPixelSize(std::max(1, static_cast<int>(std::floor(size))));
    return font;
}

void PlaceRetailDigits(TStandardLook& Look, const TRetailLook& Retail,
                       const std::vector<int>& Starts, const QFont& Font, int Modul, bool Marks) {
    const int height = static_cast<int>(std::lround(DigitHeightModules * Modul));
    const QFont digits = DigitFont(Font, height, Retail, Starts, Modul);
    QFont small = digits;
    small.setPixelSize(
        std::max(1, static_cast<int>(std::lround(digits.pixelSize() * SmallDigitScale))));
    // Digits stand one module below the short bars, or above the bars of an add-on; the
    // small ones share the others' baseline.
    const QRect glyphs = QFontMetrics(digits).tightBoundingRect(QStringLiteral("0123456789"));
    const int below = Look.BarRows + Modul - glyphs.top();
    const int above = -Modul - glyphs.bottom() - 1;
    // Behind a main symbol, the add-on's digits stand at the top of its bars, which start
    // one module below them.
    const bool composed = Retail.AddOnElements.has_value();
    const int within = -glyphs.top();
    if (composed)
        Look.AddOnTop = within + glyphs.bottom() + 1 + Modul;
    for (const TDigitGroup& group : Retail.Groups) {
        TFrameText text = Measured(group.Digits, group.Small ? small : digits);
        const int first = Starts[static_cast<std::size_t>(group.FirstElement)];
        const int end = Starts[static_cast<std::size_t>(group.EndElement)];
        switch (group.Place) {
        case TDigitPlace::Before:
            text.Left = -Modul - text.Width;
            break;
        case TDigitPlace::After:
            text.Left = (composed ? end : Look.Width) + Modul;
            break;
        default:
            text.Left = (first + end - text.Width) / 2;
            break;
        }
        // Each group and each digit in the quiet zones stands centred in its place.
        text.Anchor = TTextAnchor::Middle;
        const bool over = group.Place == TDigitPlace::Above;
        text.Top = (over ? (composed ? within : above) : below) - text.Ascent;
        text.WithinFrame = over && composed;
        Look.Texts.push_back(std::move(text));
    }
    if (!Marks)
        return;
    // The marks stand in the quiet zones one module from the bars, on the digits' baseline
    // (an add-on's, behind one).
    if (!Retail.LeadingMark.empty()) {
        TFrameText mark = Measured(Retail.LeadingMark, digits);
        mark.Left = -Modul - mark.Width;
        mark.Top = below - mark.Ascent;
        mark.Anchor = TTextAnchor::Middle;
        Look.Texts.push_back(std::move(mark));
    }
    if (!Retail.TrailingMark.empty()) {
        TFrameText mark = Measured(Retail.TrailingMark, digits);
        mark.Left = Look.Width + Modul;
        mark.Top = (composed ? within : below) - mark.Ascent;
        mark.Anchor = TTextAnchor::Middle;
        mark.WithinFrame = composed;
        Look.Texts.push_back(std::move(mark));
    }
}

// Any other text: below the bars (and below long bars), or above them, Gap units away.
void PlaceLine(TStandardLook& Look, const std::string& Shown, TTextPosition Position,
               const QFont& Font, int Gap) {
    TFrameText text = Measured(Shown, Font);
    const bool top = Position == tpTopLeft || Position == tpTopCenter || Position == tpTopRight;
    text.Top = top ? -Gap - text.Height : Look.LongRows + Gap;
    if (Position == tpTopLeft || Position == tpBottomLeft) {
        text.Left = 0;
    } else if (Position == tpTopRight || Position == tpBottomRight) {
        text.Left = Look.Width - text.Width;
        text.Anchor = TTextAnchor::End;
    } else {
        text.Left = (Look.Width - text.Width) / 2;
        text.Anchor = TTextAnchor::Middle;
    }
    Look.Texts.push_back(std::move(text));
}

// The line above a symbol (a book number's "ISBN 978-0-306-40615-7"): centred over the main
// symbol's Columns, above any text already there, in Font no larger than fits them.
void PlaceTopLine(TStandardLook& Look, const std::string& Line, QFont Font, int Columns,
                  int Modul) {
    const double width = QFontMetricsF(Font).horizontalAdvance(Latin1(Line));
    if (width > Columns) {
        const double scale = Columns / std::max(1.0, width);
        if (Font.pixelSize() > 0)
            Font.setPixelSize(std::max(1, static_cast<int>(std::floor(Font.pixelSize() * scale))));
        else
            Font.setPointSizeF(std::max(0.1, Font.pointSizeF() * scale));
    }
    TFrameText text = Measured(Line, Font);
    int top = 0;
    for (const TFrameText& other : Look.Texts)
        if (!other.WithinFrame)
            top = std::min(top, other.Top);
    text.Top = top - Modul - text.Height;
    text.Left = (Columns - text.Width) / 2;
    text.Anchor = TTextAnchor::Middle;
    Look.Texts.push_back(std::move(text));
}

// The font the line above takes: the digits' OCR-B where they are printed, else the text's.
QFont TopLineFont(const TStandardLook& Look, const QFont& Font, bool Digits) {
    if (!Digits)
        return Font;
    for (const TFrameText& text : Look.Texts)
        if (!text.WithinFrame)
            return text.Font;
    return Font;
}

} // namespace

TStandardLook StandardLook(const TSymbol& Symbol, const TSymbolLook& Settings,
                           const std::string& DisplayText, int Modul, int BarRows,
                           const QFont& Font) {
    // The digits the bars draw, from the value and check mode the symbol was made of: the
    // symbol's text may lack the check digit the encoder adds.
    return StandardLook(Symbol, Settings,
                        RetailLook(Settings.BarType, Settings.BarCode, Settings.CheckSum),
                        DisplayText, Modul, BarRows, Font);
}

TStandardLook StandardLook(const TSymbol& Symbol, const TSymbolLook& Settings,
                           const std::optional<TRetailLook>& Retail, const std::string& DisplayText,
                           int Modul, int BarRows, const QFont& Font, std::optional<int> Zone) {
    TStandardLook look;
    look.Width = Symbol.Width;
    // A grid's rows are its own, whatever height the caller has.
    look.BarRows = Symbol.Grid ? GridHeight(Symbol) : std::max(1, BarRows);
    look.LongRows = look.BarRows;
    const std::optional<TRetailLook>& retail = Retail;
    const std::vector<int> starts = ElementStarts(Symbol);
    if (retail && !retail->LongElements.empty()) {
        for (const auto& [first, end] : retail->LongElements)
            look.LongColumns.emplace_back(starts[static_cast<std::size_t>(first)],
                                          starts[static_cast<std::size_t>(end)]);
        look.LongRows = look.BarRows + GuardDescentModules * Modul;
    }
    if (retail && retail->AddOnElements)
        look.AddOnColumns = {starts[static_cast<std::size_t>(retail->AddOnElements->first)],
                             starts[static_cast<std::size_t>(retail->AddOnElements->second)]};
    look.Bearers = BearerBarsOf(Settings, Modul, Zone);
    const int bearer = look.Bearers ? look.Bearers->Thickness : 0;
    const bool digits = retail && Settings.TextShow == tsBarCode;
    if (digits)
        PlaceRetailDigits(look, *retail, starts, Font, Modul, Settings.QuietZoneMarks);
    else if (Settings.TextShow != tsNone)
        // One module from bars (or their bearers); from a grid, past the quiet zone its
        // standard asks.
        PlaceLine(look, ShownText(Settings.TextShow, Settings.BarType, DisplayText),
                  Settings.TextPosition, Font,
                  Symbol.Grid ? std::max(1, Symbol.Grid->QuietZone) * Modul : Modul + bearer);
    if (Settings.TextShow != tsNone && !Symbol.Above.empty()) {
        int columns = look.Width;
        if (!look.LongColumns.empty())
            columns = std::max_element(look.LongColumns.begin(), look.LongColumns.end())->second;
        PlaceTopLine(look, Symbol.Above, TopLineFont(look, Font, digits), columns, Modul);
    }

    look.Above = bearer;
    look.Below = std::max(look.LongRows - look.BarRows, bearer);
    look.Before = look.After = look.Bearers ? look.Bearers->Reach() : 0;
    for (const TFrameText& text : look.Texts) {
        if (!text.WithinFrame)
            look.Above = std::max(look.Above, -text.Top);
        look.Below = std::max(look.Below, text.Top + text.Height - look.BarRows);
        look.Before = std::max(look.Before, -text.Left);
        look.After = std::max(look.After, text.Left + text.Width - look.Width);
    }
    return look;
}

TStandardLook FittedStandardLook(const TSymbol& Symbol, const TSymbolLook& Settings,
                                 const std::string& DisplayText, int Modul, int FrameRows,
                                 const QFont& Font) {
    const std::optional<TRetailLook> retail =
        RetailLook(Settings.BarType, Settings.BarCode, Settings.CheckSum);
    // The text's reach doesn't depend on the bars' height, only where it starts.
    const TStandardLook probe = StandardLook(Symbol, Settings, retail, DisplayText, Modul, 1, Font);
    return StandardLook(Symbol, Settings, retail, DisplayText, Modul,
                        FrameRows - probe.Above - probe.Below, Font);
}

std::vector<TBarFill> StandardFills(const TSymbol& Symbol, const TStandardLook& Look,
                                    const TSymbolBox& Box) {
    const std::optional<int> turns = QuarterTurns(Box.Angle);
    if (!turns)
        throw Exception(InternalErrorMessage);
    const int lastRow = Look.FrameRows() - 1;
    const TQuarterTurn turn(*turns, Box.Left, Box.Top, Look.Width, lastRow);
    const auto fill = [&](long long X0, long long X1, long long Y0, long long Y1, bool Bar) {
        return TBarFill{ToQRect(turn.Map(X0, X1, Y0, Y1)), Bar};
    };
    std::vector<TBarFill> fills;
    if (Look.Width <= 0)
        return fills;
    // The frame holds every bar: checked once, the bars lie within int too.
    fills.push_back({DrawableRect(turn.Map(0, Look.Width - 1, 0, lastRow)), false});
    if (Symbol.Grid) {
        ForEachDarkRun(*Symbol.Grid, Symbol.Widths.Narrow, Look.Above,
                       [&](long long X0, long long X1, long long Y0, long long Y1) {
                           fills.push_back(fill(X0, X1, Y0, Y1, true));
                       });
        return fills;
    }
    for (const TModuleRun& run : ModuleRuns(Symbol.Pattern, Symbol.Widths)) {
        if (run.Kind == lkSpace)
            continue;
        const long long first = run.Start;
        const long long last = run.Start + static_cast<long long>(run.Width) - 1;
        const bool long_ = std::any_of(
            Look.LongColumns.begin(), Look.LongColumns.end(),
            [&](const std::pair<int, int>& c) { return first < c.second && last >= c.first; });
        const bool addOn = first >= Look.AddOnColumns.first && last < Look.AddOnColumns.second;
        // A short bar (PostNet's) covers the lower two fifths, as the widget draws it; an
        // add-on's bars reach the long bars' bottom, and keep a row however short the bars.
        const long long rows = long_ || addOn ? Look.LongRows : Look.BarRows;
        const long long top = run.Kind == lkShortBar ? (Look.BarRows * 3LL) / 5
                              : addOn                ? std::min<long long>(Look.AddOnTop, rows - 1)
                                                     : 0;
        fills.push_back(fill(first, last, Look.Above + top, Look.Above + rows - 1, true));
    }
    if (Look.Bearers) {
        // The bearers' own box: the bars' rows and a bearer's thickness above and below.
        const int t = Look.Bearers->Thickness;
        const std::vector<TBarFill> bearers =
            BearerFills(*Look.Bearers,
                        RowsOfBox({Box.Left, Box.Top, lastRow, Box.Angle}, Look.Above - t,
                                  Look.BarRows + 2 * t - 1),
                        Look.Width);
        fills.insert(fills.end(), bearers.begin(), bearers.end());
    }
    return fills;
}

std::vector<TPlacedText> StandardTexts(const TStandardLook& Look, const TSymbolBox& Box) {
    const std::optional<int> turns = QuarterTurns(Box.Angle);
    if (!turns)
        throw Exception(InternalErrorMessage);
    // The frame's turn for points, not pixels: pixel (x, y) covers [x, x + 1) x [y, y + 1),
    // so the reversed axes run from one past the pixel map's last column or row.
    const double l = Box.Left;
    const double t = Box.Top;
    const double w = Look.Width;
    const double h = Look.FrameRows() - 1;
    QTransform frame;
    switch (*turns) {
    case 1:
        frame = QTransform(0, -1, 1, 0, l, t + w + 1);
        break;
    case 2:
        frame = QTransform(-1, 0, 0, -1, l + w + 1, t + h + 1);
        break;
    case 3:
        frame = QTransform(0, 1, -1, 0, l + h + 1, t);
        break;
    default:
        frame = QTransform(1, 0, 0, 1, l, t);
        break;
    }
    std::vector<TPlacedText> placed;
    for (const TFrameText& text : Look.Texts) {
        TTextCell cell{text.Width, text.Height, text.Ascent,
                       QTransform::fromTranslate(text.Left, text.Top + Look.Above) * frame};
        placed.push_back({text.Text, text.Font, cell, text.Anchor});
    }
    return placed;
}

void DrawPlacedText(QPainter& Canvas, const TPlacedText& Text, TColor Ink) {
    Canvas.save();
    Canvas.setTransform(Text.Cell.Rotation, true);
    Canvas.setFont(Text.Font);
    Canvas.setPen(ToQColor(Ink));
    Canvas.setBrush(Qt::NoBrush);
    Canvas.setBackgroundMode(Qt::TransparentMode);
    Canvas.drawText(QPointF(0, Text.Cell.Ascent), Latin1(Text.Text));
    Canvas.restore();
}

} // namespace quillmark
