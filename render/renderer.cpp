#include "renderer.h"

#include "standard_look.h"

#include "grid_fills.h"
#include "itf14_bearers.h"
#include "quarter_turn.h"
#include "raster_bars.h"
#include <quillmark/error_messages.h>

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <optional>
#include <string>

namespace quillmark {

namespace {

// Halves to even, as the current (default) rounding mode does. Saturates rather than
// overflow the conversion; a NaN gives 0.
int Round(double Value) {
    const double rounded = std::nearbyint(Value);
    if (std::isnan(rounded))
        return 0;
    return static_cast<int>(
        std::clamp(rounded, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

// A 64-bit sum brought back into int; saturates rather than wrap.
int Saturate(long long Value) {
    return static_cast<int>(std::clamp<long long>(Value, INT_MIN, INT_MAX));
}

double ToRadians(double Degrees) {
    return Degrees / 180.0 * std::numbers::pi;
}

// Saves the painter's whole state and puts it back on every way out, exceptions included.
class PainterStateGuard {
public:
    explicit PainterStateGuard(QPainter& Painter) : painter_(Painter) { painter_.save(); }
    ~PainterStateGuard() { painter_.restore(); }
    PainterStateGuard(const PainterStateGuard&) = delete;
    PainterStateGuard& operator=(const PainterStateGuard&) = delete;

private:
    QPainter& painter_;
};

bool IsTopPosition(TTextPosition Position) {
    return Position == tpTopLeft || Position == tpTopRight || Position == tpTopCenter;
}

bool IsRightPosition(TTextPosition Position) {
    return Position == tpTopRight || Position == tpBottomRight;
}

// The unrotated corner of a tw x th text in a Width x Height box.
QPoint TextCorner(TTextPosition Position, int Width, int Height, int TextWidth, int TextHeight) {
    int x = 0;
    switch (Position) {
    case tpTopLeft:
    case tpBottomLeft:
        x = 0;
        break;
    case tpTopRight:
    case tpBottomRight:
        x = Width - TextWidth - 1;
        break;
    case tpTopCenter:
    case tpBottomCenter:
        x = static_cast<int>(std::trunc((Width - TextWidth) / 2.0));
        break;
    }
    const int y = IsTopPosition(Position) ? 0 : Height - TextHeight;
    return {x, y};
}

// The one-pixel nudges of the turned corner, by reading direction and position; they put
// the cell on the bars' edge pixels where the plain turn would leave it one short.
void CorrectCorner(QPoint& Corner, double Angle, TTextPosition Position) {
    const int d = Round(std::fmod(std::nearbyint(Angle), 360.0));
    const bool upright = d <= 45 || d > 315;
    const auto nudge = [](int& Coordinate) { Coordinate = Saturate(Coordinate + 1LL); };
    if (upright && !IsTopPosition(Position))
        nudge(Corner.ry());
    if (upright && IsRightPosition(Position))
        nudge(Corner.rx());
    if (d > 135 && d <= 225 && IsTopPosition(Position))
        nudge(Corner.ry());
    if (d > 225 && d <= 315)
        nudge(Corner.rx());
}

// The whole pixels of the text's tw x th cell box as Rotation (a turn about the text's
// corner, moved there) maps it, when it is a quarter turn; none at other angles.
std::optional<QRect> WholePixelCell(const QTransform& Rotation, int TextWidth, int TextHeight) {
    if (Rotation.type() > QTransform::TxRotate || Rotation.m12() * Rotation.m11() != 0)
        return std::nullopt;
    const QRectF box = Rotation.mapRect(QRectF(0, 0, TextWidth, TextHeight));
    return QRect(
        static_cast<int>(std::lround(box.left())), static_cast<int>(std::lround(box.top())),
        static_cast<int>(std::lround(box.width())), static_cast<int>(std::lround(box.height())));
}

// Paints the cell box: a plain rectangle on whole pixels, otherwise the turned polygon.
void FillTextBox(QPainter& Canvas, const QTransform& Rotation, int TextWidth, int TextHeight,
                 const QColor& Color) {
    if (const std::optional<QRect> cell = WholePixelCell(Rotation, TextWidth, TextHeight)) {
        Canvas.fillRect(*cell, Color);
        return;
    }
    Canvas.save();
    Canvas.setTransform(Rotation, true);
    Canvas.fillRect(QRectF(0, 0, TextWidth, TextHeight), Color);
    Canvas.restore();
}

} // namespace

void RotatePoint(const QPoint& Point, double Angle, QPoint& Result) {
    const double c = std::cos(Angle);
    const double s = std::sin(Angle);
    const double x = Point.x();
    const double y = Point.y();
    Result = QPoint(Round(x * c + y * s), Round(-x * s + y * c));
}

// Saturates: the placement refuses boxes whose corners leave int, so only a direct caller's
// absurd coordinates reach the bounds.
void AddPoints(const QPoint& A, const QPoint& B, QPoint& Result) {
    Result = QPoint(Saturate(static_cast<long long>(A.x()) + B.x()),
                    Saturate(static_cast<long long>(A.y()) + B.y()));
}

void RotatedOrigin(const QPoint& P, int Width, int Height, double Angle, QPoint& Result) {
    const double s = std::sin(Angle);
    const double c = std::cos(Angle);
    // Each product rounded on its own, the sums in 64 bits.
    const auto round = [](double Value) { return static_cast<long long>(Round(Value)); };
    long long x = 0, y = 0;
    if (s >= 0 && c >= 0)
        y = round(Width * s);
    else if (s >= 0)
        x = -round(Width * c), y = round(Width * s - Height * c);
    else if (c >= 0)
        x = -round(Height * s);
    else
        x = -round(Width * c) - round(Height * s), y = -round(Height * c);
    AddPoints(P, QPoint(Saturate(x), Saturate(y)), Result);
}

namespace {

bool IsQuarterTurn(double Angle) {
    return std::isfinite(Angle) && std::fmod(Angle, 90.0) == 0;
}

// Fills the closed rectangle of the turned corners of box columns X to X + W - 1, rows Top
// to Height.
void FillTurned(QPainter& Canvas, int X, int W, int Top, int Height, double Radians,
                const QPoint& Origin, const QColor& Color) {
    const QPoint corners[] = {{X, Top}, {X, Height}, {X + W - 1, Height}, {X + W - 1, Top}};
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool first = true;
    for (const QPoint& corner : corners) {
        QPoint turned;
        RotatePoint(corner, Radians, turned);
        AddPoints(turned, Origin, turned);
        minX = first ? turned.x() : std::min(minX, turned.x());
        maxX = first ? turned.x() : std::max(maxX, turned.x());
        minY = first ? turned.y() : std::min(minY, turned.y());
        maxY = first ? turned.y() : std::max(maxY, turned.y());
        first = false;
    }
    Canvas.fillRect(QRect(QPoint(minX, minY), QPoint(maxX, maxY)), Color);
}

// In 64 bits, as three times a tall bar's height may not fit in int.
long long ShortBarTop(int Height) {
    return (Height * 3LL) / 5;
}

bool HasShortBars(const std::vector<TModuleRun>& Runs) {
    return std::any_of(Runs.begin(), Runs.end(),
                       [](const TModuleRun& run) { return run.Kind == lkShortBar; });
}

// A quarter turn maps modules onto whole, disjoint pixel rectangles: one fill of the box
// in the space colour, then the bars, covers the same pixels. Above a short bar the canvas
// must keep its own colour, so with short bars the spaces are filled one by one. Fill takes
// box columns, first and last, and box rows, either way round.
template <typename FillBox>
void FillRuns(const std::vector<TModuleRun>& Runs, int Height, FillBox Fill) {
    const bool shortBars = HasShortBars(Runs);
    const long long end =
        Runs.empty() ? 0 : Runs.back().Start + static_cast<long long>(Runs.back().Width);
    if (!shortBars && end > 0)
        Fill(0, end - 1, 0, Height, false);
    for (const TModuleRun& run : Runs)
        if (run.Kind != lkSpace || shortBars)
            Fill(run.Start, run.Start + static_cast<long long>(run.Width) - 1,
                 run.Kind == lkShortBar ? ShortBarTop(Height) : 0, Height, run.Kind != lkSpace);
}

// Refuses a box whose pixels would leave the int coordinates that painters take.
void CheckDrawable(const std::vector<TModuleRun>& Runs, const TQuarterTurn& Turn, int Height) {
    if (Runs.empty())
        return;
    const long long end = Runs.back().Start + static_cast<long long>(Runs.back().Width);
    DrawableRect(Turn.Map(0, end - 1, 0, Height));
}

// The fills of a quarter turn, by its exact integer map.
std::vector<TBarFill> QuarterTurnFills(const std::vector<TModuleRun>& Runs,
                                       const TQuarterTurn& Turn, int Height) {
    CheckDrawable(Runs, Turn, Height);
    std::vector<TBarFill> fills;
    fills.reserve(Runs.size() + 1);
    FillRuns(Runs, Height, [&](long long X0, long long X1, long long Y0, long long Y1, bool IsBar) {
        fills.push_back({ToQRect(Turn.Map(X0, X1, Y0, Y1)), IsBar});
    });
    return fills;
}

void DrawModules(const std::string& Pattern, const ElementWidths& Widths, QPainter& Canvas,
                 TColor ColorBar, TColor ColorSpc, int Left, int Top, int Width, int Height,
                 double Angle) {
    const QColor bar = ToQColor(ColorBar);
    const QColor space = ToQColor(ColorSpc);
    // A quarter turn goes straight into a plain image's pixels where the painter would put
    // the same ones there, which neither reads nor changes the painter's state.
    if (const std::optional<int> turns = QuarterTurns(Angle)) {
        const TQuarterTurn turn(*turns, Left, Top, Width, Height);
        FillBars(Canvas, QuarterTurnFills(ModuleRuns(Pattern, Widths), turn, Height), ColorBar,
                 ColorSpc);
        return;
    }

    const PainterStateGuard guard(Canvas);
    Canvas.setRenderHint(QPainter::Antialiasing, false);
    const double t = ToRadians(Angle);
    QPoint origin;
    RotatedOrigin(QPoint(Left, Top), Width, Height, t, origin);
    if (!IsQuarterTurn(Angle)) {
        // Turned rectangles overlap at other angles, so every module is drawn in order.
        int x = 0;
        for (const char ch : Pattern) {
            int w = 0;
            TLineKind kind = lkSpace;
            DecodeModule(ch, Widths, w, kind);
            const auto top = static_cast<int>(kind == lkShortBar ? ShortBarTop(Height) : 0);
            FillTurned(Canvas, x, w, top, Height, t, origin, kind == lkSpace ? space : bar);
            x += w;
        }
        return;
    }
    // Multiples of 90 degrees too large for an exact turn keep the rounded trigonometry.
    FillRuns(ModuleRuns(Pattern, Widths), Height,
             [&](long long X0, long long X1, long long Y0, long long Y1, bool IsBar) {
                 FillTurned(Canvas, static_cast<int>(X0), static_cast<int>(X1 - X0 + 1),
                            static_cast<int>(Y0), static_cast<int>(Y1), t, origin,
                            IsBar ? bar : space);
             });
}

// A grid's fills: the whole box in the space colour, then the dark runs row by row.
std::vector<TBarFill> GridFills(const TSymbol& Symbol, const TQuarterTurn& Turn) {
    std::vector<TBarFill> fills;
    if (Symbol.Width <= 0)
        return fills;
    fills.push_back(
        {DrawableRect(Turn.Map(0, Symbol.Width - 1, 0, GridHeight(Symbol) - 1)), false});
    ForEachDarkRun(*Symbol.Grid, Symbol.Widths.Narrow, 0,
                   [&](long long X0, long long X1, long long Y0, long long Y1) {
                       fills.push_back({ToQRect(Turn.Map(X0, X1, Y0, Y1)), true});
                   });
    return fills;
}

// A grid at any angle: quarter turns by their exact map, others module run by module run.
void DrawGrid(const TSymbol& Symbol, QPainter& Canvas, TColor ColorBar, TColor ColorSpc, int Left,
              int Top, double Angle) {
    const int lastRow = GridHeight(Symbol) - 1;
    if (const std::optional<int> turns = QuarterTurns(Angle)) {
        FillBars(Canvas, GridFills(Symbol, TQuarterTurn(*turns, Left, Top, Symbol.Width, lastRow)),
                 ColorBar, ColorSpc);
        return;
    }
    const PainterStateGuard guard(Canvas);
    Canvas.setRenderHint(QPainter::Antialiasing, false);
    const double t = ToRadians(Angle);
    QPoint origin;
    RotatedOrigin(QPoint(Left, Top), Symbol.Width, lastRow, t, origin);
    FillTurned(Canvas, 0, Symbol.Width, 0, lastRow, t, origin, ToQColor(ColorSpc));
    const QColor bar = ToQColor(ColorBar);
    ForEachDarkRun(*Symbol.Grid, Symbol.Widths.Narrow, 0,
                   [&](long long X0, long long X1, long long Y0, long long Y1) {
                       FillTurned(Canvas, static_cast<int>(X0), static_cast<int>(X1 - X0 + 1),
                                  static_cast<int>(Y0), static_cast<int>(Y1), t, origin, bar);
                   });
}

} // namespace

int GridHeight(const TSymbol& Symbol) {
    // At most 177 rows (or a DataBar's few hundred modules) of the widest module: far inside
    // int.
    return Symbol.Grid ? Symbol.Grid->Height() * Symbol.Widths.Narrow : 0;
}

std::vector<TBarFill> BarFills(const TSymbol& Symbol, const TSymbolBox& Box) {
    const std::optional<int> turns = QuarterTurns(Box.Angle);
    if (!turns)
        throw Exception(InternalErrorMessage);
    if (Symbol.Grid)
        return GridFills(
            Symbol, TQuarterTurn(*turns, Box.Left, Box.Top, Symbol.Width, GridHeight(Symbol) - 1));
    return QuarterTurnFills(ModuleRuns(Symbol.Pattern, Symbol.Widths),
                            TQuarterTurn(*turns, Box.Left, Box.Top, Symbol.Width, Box.Height),
                            Box.Height);
}

void FillBars(QPainter& Canvas, const std::vector<TBarFill>& Fills, TColor ColorBar,
              TColor ColorSpc) {
    const QColor bar = ToQColor(ColorBar);
    const QColor space = ToQColor(ColorSpc);
    // Straight into a plain image's pixels where the painter would put the same ones there,
    // which neither reads nor changes the painter's state.
    if (WriteFillsToImage(Canvas, Fills, bar.rgba(), space.rgba()))
        return;
    const PainterStateGuard guard(Canvas);
    Canvas.setRenderHint(QPainter::Antialiasing, false);
    for (const TBarFill& fill : Fills)
        Canvas.fillRect(fill.Rect, fill.Bar ? bar : space);
}

void DrawBars(const std::string& Pattern, QPainter& Canvas, TColor ColorBar, TColor ColorSpc,
              int Left, int Top, int Width, int Height, double Angle) {
    DrawModules(Pattern, CurrentElementWidths(), Canvas, ColorBar, ColorSpc, Left, Top, Width,
                Height, Angle);
}

std::optional<TTextCell> PlaceBarText(const QFontMetrics& Metrics, const QString& Text, int Left,
                                      int Top, int Width, int Height, double Angle,
                                      TTextPosition TextPosition) {
    const double t = ToRadians(Angle);
    QPoint origin;
    RotatedOrigin(QPoint(Left, Top), Width, Height, t, origin);
    TTextCell cell;
    cell.Width = Metrics.horizontalAdvance(Text);
    cell.Height = Metrics.height();
    cell.Ascent = Metrics.ascent();

    QPoint p = TextCorner(TextPosition, Width, Height, cell.Width, cell.Height);
    RotatePoint(p, t, p);
    AddPoints(p, origin, p);
    CorrectCorner(p, Angle, TextPosition);
    // A cell that could reach past the int range can't be a QRect; such a text lies far
    // beyond any widget anyway.
    const long long reach = static_cast<long long>(cell.Width) + cell.Height;
    if (std::max(std::llabs(p.x()), std::llabs(p.y())) > INT_MAX - reach)
        return std::nullopt;

    cell.Rotation.translate(p.x(), p.y());
    // Counter-clockwise on screen is clockwise for Qt; normalised into [0, 360) so that the
    // quarter turns hit QTransform's exact cases (it has none for -180).
    const double clockwise = std::fmod(360.0 - std::fmod(Angle, 360.0), 360.0);
    cell.Rotation.rotate(clockwise);
    return cell;
}

void DrawBarText(const std::string& Text, QPainter& Canvas, TColor TextColor, const QFont& Font,
                 TColor FontColor, int Left, int Top, int Width, int Height, double Angle,
                 TTextPosition TextPosition) {
    DrawBarText(Text, Canvas, std::optional<TColor>(TextColor), Font, FontColor, Left, Top, Width,
                Height, Angle, TextPosition);
}

void DrawBarText(const std::string& Text, QPainter& Canvas, std::optional<TColor> TextColor,
                 const QFont& Font, TColor FontColor, int Left, int Top, int Width, int Height,
                 double Angle, TTextPosition TextPosition) {
    const PainterStateGuard guard(Canvas);
    Canvas.setFont(Font);
    const QString text = QString::fromLatin1(Text.data(), static_cast<qsizetype>(Text.size()));
    // Measured on the painter's device, so that the box matches the glyphs drawn.
    const QFontMetrics metrics = Canvas.fontMetrics();
    const std::optional<TTextCell> cell =
        PlaceBarText(metrics, text, Left, Top, Width, Height, Angle, TextPosition);
    if (!cell)
        return;
    Canvas.setRenderHint(QPainter::Antialiasing, false);
    if (TextColor)
        FillTextBox(Canvas, cell->Rotation, cell->Width, cell->Height, ToQColor(*TextColor));
    Canvas.setTransform(cell->Rotation, true);
    Canvas.setPen(ToQColor(FontColor));
    Canvas.setBrush(Qt::NoBrush);
    // The cell box is already painted; a caller's opaque background would paint over it.
    Canvas.setBackgroundMode(Qt::TransparentMode);
    Canvas.drawText(QPointF(0, cell->Ascent), text);
}

void DrawSymbol(QPainter& Canvas, const TSymbol& Symbol, const TSymbolLook& Settings,
                const QFont& Font, TColor FontColor, const TSymbolBox& Box) {
    if (Settings.TextLayout == tlStandard && QuarterTurns(Box.Angle)) {
        const TStandardLook look = FittedStandardLook(Symbol, Settings, Symbol.Text,
                                                      Symbol.Widths.Narrow, Box.Height + 1, Font);
        FillBars(Canvas, StandardFills(Symbol, look, Box), Settings.ColorBar, Settings.ColorSpc);
        for (const TPlacedText& text : StandardTexts(look, Box))
            DrawPlacedText(Canvas, text, FontColor);
        return;
    }
    // ITF-14's bearers take their thickness off the box's height at top and bottom; the bars
    // and their text go between them, the frame's sides beyond the box.
    if (QuarterTurns(Box.Angle))
        if (const std::optional<TBearerBars> bearers = BearerBarsOf(Settings, Symbol.Widths.Narrow);
            bearers && Box.Height >= 2 * bearers->Thickness) {
            TSymbolLook inside = Settings;
            inside.Bearers = TITF14Bearers::None;
            DrawSymbol(Canvas, Symbol, inside, Font, FontColor, BarsInside(*bearers, Box));
            FillBars(Canvas, BearerFills(*bearers, Box, Symbol.Width), Settings.ColorBar,
                     Settings.ColorSpc);
            return;
        }
    // The bars and the text each put the painter's state back as they found it.
    int height = Box.Height;
    if (Symbol.Grid) {
        height = GridHeight(Symbol) - 1;
        DrawGrid(Symbol, Canvas, Settings.ColorBar, Settings.ColorSpc, Box.Left, Box.Top,
                 Box.Angle);
    } else {
        DrawModules(Symbol.Pattern, Symbol.Widths, Canvas, Settings.ColorBar, Settings.ColorSpc,
                    Box.Left, Box.Top, Symbol.Width, Box.Height, Box.Angle);
    }
    if (Settings.TextShow == tsNone)
        return;
    DrawBarText(ShownText(Settings.TextShow, Settings.BarType, Symbol.Text), Canvas,
                Settings.TextColor, Font, FontColor, Box.Left, Box.Top, Symbol.Width, height,
                Box.Angle, Settings.TextPosition);
}

void DrawBarcode(QPainter& Canvas, TBarType BarType, const std::string& Value, int Modul,
                 double Ratio, TCheckSum CheckSum, int Left, int Top, int Height, const QFont& Font,
                 TColor FontColor, TTextShow TextShow, TTextPosition TextPosition, TColor ColorBar,
                 TColor ColorSpc, TColor TextColor, double Angle) {
    // Encodes once, measuring every element on the way, so a bad pattern character fails
    // here, before any pixel changes.
    const TSymbol symbol = MakeSymbol(BarType, Value, Modul, Ratio, CheckSum);
    TSymbolLook settings;
    settings.BarType = BarType;
    settings.TextShow = TextShow;
    settings.TextPosition = TextPosition;
    settings.ColorBar = ColorBar;
    settings.ColorSpc = ColorSpc;
    settings.TextColor = TextColor;
    DrawSymbol(Canvas, symbol, settings, Font, FontColor, {Left, Top, Height, Angle});
}

} // namespace quillmark
