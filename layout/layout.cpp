#include "layout.h"

#include <quillmark/ean_upc.h>
#include <quillmark/matrix.h>

#include "bar_reduction.h"
#include "units.h"
#include <quillmark/drawing_bounds.h>
#include <quillmark/error_messages.h>
#include <quillmark/renderer.h>

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <sstream>
#include <utility>

namespace quillmark {

namespace {

std::string Describe(double Value) {
    std::ostringstream out;
    out << Value;
    return out.str();
}

// "<What> out of range (<Low> to <High> <Unit>)."
std::string OutOfRange(const char* What, double Low, double High, const char* Unit) {
    return std::string(What) + " out of range (" + Describe(Low) + " to " + Describe(High) + " " +
           Unit + ").";
}

// Value within [Low, High], else the refusal "<Value> : <What> out of range (...)"; the
// sentence is built only for a refusal, as a batch checks every row.
void RequireWithin(double Value, double Low, double High, const char* What, const char* Unit) {
    if (!(Value >= Low && Value <= High))
        throw Exception(Describe(Value) + " : " + OutOfRange(What, Low, High, Unit));
}

void CheckDescription(const TBarcodeDescription& D) {
    if (D.XDimensionMM != 0)
        RequireWithin(D.XDimensionMM, MinXDimensionMM, MaxXDimensionMM, "X-dimension", "mm");
    RequireWithin(D.BarHeightMM, 0, MaxBarHeightMM, "Bar height", "mm");
    RequireWithin(D.Dpi, MinDpi, MaxDpi, "Resolution", "dpi");
    RequireWithin(D.FontSizePt, MinFontSizePt, MaxFontSizePt, "Font size", "pt");
    if (D.QuietZone)
        RequireWithin(*D.QuietZone, 0, MaxQuietZoneX, "Quiet zone", "X");
}

// The largest page PDF readers take: 200 inches.
constexpr double MaxPageMM = 5080;
// The largest text Qt measures: from 16,384 pixels of ascent or descent up its metrics come
// back as -16,384 (and from 65,535 pixels of size it draws empty boxes), which would place
// the text off the page. A quarter below, for fonts whose ascent is larger than their size.
constexpr int MaxFontPixels = 12288;
// At one unit a module the largest text fits down to an X-dimension of 0.029 mm; below it a
// vector layout refuses the largest sizes.
static_assert(MaxFontSizePt * MMPerPoint / 0.03 <= MaxFontPixels);

// Whether Qt measures Font sensibly, as a last check for fonts of unusual metrics.
bool Measurable(const QFont& Font) {
    const QFontMetrics metrics(Font);
    return metrics.ascent() > 0 && metrics.descent() >= 0;
}

// The bounds above as sentences.
const std::string PictureBound = "A picture is at most " + RasterBoundText() + " in all";
const std::string PageBound =
    "A page is at most 200 inches (" + std::to_string(static_cast<int>(MaxPageMM)) + " mm) a side";

// A length along the bars, or the whole picture's size, as the refusals give it: pixels of
// a raster, millimetres of a page.
std::string Extent(long long Along, long long Across, bool Vector, double UnitsPerMM) {
    if (!Vector)
        return std::to_string(Along) + " x " + std::to_string(Across) + " pixels";
    return std::to_string(std::llround(Along / UnitsPerMM)) + " mm x " +
           std::to_string(std::llround(Across / UnitsPerMM)) + " mm";
}

// The refusal of a symbol longer than a picture or page: how long it is and what draws it
// shorter, as the refusal of one too large does. A value of thousands of characters, measured
// by its start, is told its length alone, so that the message stays short beside the value.
Exception TooLong(const std::string& Value, long long Along, bool AtLeast, bool Vector,
                  double UnitsPerMM, long long Longest) {
    const auto extent = [&](long long Units) {
        return Vector ? std::to_string(std::llround(Units / UnitsPerMM)) + " mm"
                      : std::to_string(Units) + " pixels";
    };
    const std::string refusal = Quoting(Value, TooLongMessage);
    if (AtLeast)
        return Exception(refusal + " Over " + extent(Along) + " long.");
    return Exception(refusal + " It is " + extent(Along) + " long and a " +
                     (Vector ? "page" : "picture") + " at most " + extent(Longest) +
                     "; a smaller X-dimension" + (Vector ? "" : " or resolution") +
                     ", or a shorter value, draws it.");
}

int ToUnits(double MM, double UnitsPerMM) {
    return static_cast<int>(std::max(1.0, std::round(MM * UnitsPerMM)));
}

// The value as the text under a file's bars shows it: what the bars carry (the digits an
// EAN/UPC symbol draws, Code 128 C's leading zero, what a symbology drops left out), so that
// the text never disagrees with the bars; the encoder's text where the bars hold function
// characters. GS1-128, GS1 DataBar and the GS1 grids print their element strings with the AIs
// in parentheses, as the encoder writes them, not with the separators or the URI they hold.
std::string CarriedText(const TBarcodeDescription& D, const TOutputLayout& Layout) {
    const TSymbolLook& s = D.Barcode;
    if (s.BarType == bcCodeGS1_128 || IsDrawnFromGrid(s.BarType))
        return Layout.Symbol.Text;
    return Layout.Value->Carried().Data.value_or(Layout.Symbol.Text);
}

// How far the text sticks out before the first module and after the last one, placed as
// the renderer places it, so that the margins can make room for it.
std::pair<long long, long long> TextOverhang(const TBarcodeDescription& D,
                                             const TOutputLayout& Layout) {
    const TSymbolLook& s = D.Barcode;
    if (s.TextShow == tsNone)
        return {0, 0};
    const std::string text = ShownText(s.TextShow, s.BarType, CarriedText(D, Layout));
    const long long width = QFontMetrics(LayoutFont(D, Layout))
                                .horizontalAdvance(QString::fromLatin1(
                                    text.data(), static_cast<qsizetype>(text.size())));
    const long long pw = Layout.Symbol.Width;
    long long start = 0;
    if (s.TextPosition == tpTopRight || s.TextPosition == tpBottomRight)
        start = pw - width - 1;
    else if (s.TextPosition == tpTopCenter || s.TextPosition == tpBottomCenter)
        start = (pw - width) / 2;
    // One unit more on each side for the renderer's one-pixel nudges.
    return {std::max(0LL, 1 - start), std::max(0LL, start + width + 1 - pw)};
}

// Layout without its background where it has none: no space fills, no box behind the text.
TOutputLayout Unpainted(TOutputLayout Layout) {
    if (!Layout.Transparent)
        return Layout;
    const auto reduced = Layout.Bars.begin() + static_cast<std::ptrdiff_t>(Layout.ReducedFills);
    Layout.ReducedFills = static_cast<std::size_t>(
        std::count_if(Layout.Bars.begin(), reduced, [](const TBarFill& Fill) { return Fill.Bar; }));
    std::erase_if(Layout.Bars, [](const TBarFill& Fill) { return !Fill.Bar; });
    if (Layout.Text)
        Layout.Text->Box.reset();
    return Layout;
}

// The layout in some unit, from the module size and the units in a millimetre.
TOutputLayout LayOut(const TBarcodeDescription& D, std::shared_ptr<const TSymbolValue> Value,
                     int Modul, double UnitsPerMM, bool Vector) {
    const TSymbolLook& settings = D.Barcode;
    TOutputLayout layout;
    layout.Modul = Modul;
    layout.UnitsPerMM = UnitsPerMM;
    layout.Vector = Vector;
    layout.FontPixels = ToUnits(D.FontSizePt * MMPerPoint, UnitsPerMM);
    if (settings.TextShow != tsNone &&
        (layout.FontPixels > MaxFontPixels || !Measurable(LayoutFont(D, layout))))
        throw Exception(Describe(D.FontSizePt) + " pt : " + TextTooLargeMessage);
    // The longest symbol the output takes, in units: a raster's side, a vector page's.
    const long long longest =
        Vector ? std::min<long long>(INT_MAX / 2, std::llround(MaxPageMM * UnitsPerMM))
               : MaxRasterSide;
    const auto tooLong = [&](long long Along, bool AtLeast) {
        return TooLong(settings.BarCode, Along, AtLeast, Vector, UnitsPerMM, longest);
    };
    // A long value is measured by its start first: symbols only grow with more characters,
    // so one whose start is already too long is refused without encoding all of it.
    if (settings.BarCode.size() > PrefixCharacters && !IsTwoDimensional(settings.BarType)) {
        const long long start =
            MakeSymbol(settings.BarType, settings.BarCode.substr(0, PrefixCharacters), Modul,
                       OutputRatio(D), settings.CheckSum)
                .Width;
        if (start > longest)
            throw tooLong(start, true);
    }
    if (!Value ||
        !Value->Holds(settings.BarType, settings.BarCode, settings.CheckSum, settings.Matrix))
        Value =
            MakeSymbolValue(settings.BarType, settings.BarCode, settings.CheckSum, settings.Matrix);
    layout.Value = std::move(Value);
    layout.Symbol = layout.Value->Symbol(Modul, OutputRatio(D));
    if (layout.Symbol.Width > longest)
        throw tooLong(layout.Symbol.Width, false);

    const bool grid = layout.Symbol.Grid != nullptr;
    long long leading = 0;
    long long trailing = 0;
    // A grid's standard zone is the same on all four sides, as is the one asked for.
    long long zoneAcross = 0;
    if (grid) {
        leading = trailing = zoneAcross = static_cast<long long>(D.QuietZone.value_or(
                                              BarTypeData(settings.BarType).QuietZone.Leading)) *
                                          Modul;
    } else if (D.QuietZone) {
        leading = trailing = static_cast<long long>(*D.QuietZone) * Modul;
    } else {
        const TQuietZone zone = BarTypeData(settings.BarType).QuietZone;
        const auto floor = static_cast<long long>(std::ceil(zone.MinimumMM * UnitsPerMM));
        leading = std::max(static_cast<long long>(zone.Leading) * Modul, floor);
        trailing = std::max(static_cast<long long>(zone.Trailing) * Modul, floor);
        // Behind an add-on, the add-on's own trailing zone.
        if (SplitAddOn(settings.BarType, settings.BarCode))
            trailing =
                static_cast<long long>(BarTypeData(bcCodeUPC_Supp5).QuietZone.Trailing) * Modul;
    }
    const double heightMM =
        D.BarHeightMM > 0 ? D.BarHeightMM : BarTypeData(settings.BarType).BarHeightMM;
    // A grid's rows are its own; the bar height doesn't apply.
    const int barRows = grid ? GridHeight(layout.Symbol) : ToUnits(heightMM, UnitsPerMM);
    // ITF-14's bearers stand round the quiet zones, which stay as wide as asked.
    layout.Bearers = BearerBarsOf(settings, Modul, static_cast<int>(leading));
    const int bearer = layout.Bearers ? layout.Bearers->Thickness : 0;
    const bool standard = settings.TextLayout == tlStandard;
    std::optional<TStandardLook> look;
    if (standard)
        look = StandardLook(layout.Symbol, settings, layout.Value->RetailLook(),
                            CarriedText(D, layout), Modul, barRows, LayoutFont(D, layout),
                            static_cast<int>(leading));
    // What the bars take alone, so that a refusal blames the text when the bars would fit.
    const long long barsAlong = leading + layout.Symbol.Width + trailing;
    const auto fits = [&](long long Along, long long Across) {
        return Along <= longest &&
               (Vector ? Across <= longest
                       : Across <= MaxRasterSide && Along * Across <= MaxRasterPixels);
    };
    // A text wider than the bars is never cut off by the picture's edge.
    const auto [textLeading, textTrailing] =
        look ? std::pair<long long, long long>(look->Before, look->After) : TextOverhang(D, layout);
    const long long reach = layout.Bearers ? layout.Bearers->Reach() : 0;
    leading = std::max({leading, textLeading, reach});
    trailing = std::max({trailing, textTrailing, reach});
    const int frame = look ? look->FrameRows() : barRows + 2 * bearer;
    const long long barsAcross = barRows + 2 * zoneAcross;
    const long long wideAcross = frame + 2 * zoneAcross;
    const long long along = leading + layout.Symbol.Width + trailing;
    if (!fits(along, wideAcross) && fits(barsAlong, barsAcross))
        throw Exception(Describe(D.FontSizePt) + " pt : " + TextTooLargeMessage +
                        " With its text the " + (Vector ? "page" : "picture") + " would be " +
                        Extent(along, wideAcross, Vector, UnitsPerMM) + ". " +
                        (Vector ? PageBound : PictureBound) + ".");
    // The long side's bound is the value's fault.
    if (along > longest)
        throw tooLong(along, false);
    // A grid's zones across are no wider than those along, which fit in half of int.
    const int across = static_cast<int>(wideAcross);

    // Bars cover rows 0 to Height of the box. The reversed directions map box column x to
    // one past the mirrored column, hence the trailing margin less one there.
    // A grid's zones across stand either side of its frame alike, whatever the turn.
    TSymbolBox& box = layout.Box;
    box.Height = frame - 1;
    box.Angle = AngleOf(settings.Orientation);
    const int lead = static_cast<int>(leading);
    const int trail = static_cast<int>(trailing);
    const int side = static_cast<int>(zoneAcross);
    switch (settings.Orientation) {
    case toRightLeft:
        box.Left = trail - 1;
        box.Top = side;
        break;
    case toTopBottom:
        box.Top = lead;
        box.Left = side;
        break;
    case toBottomTop:
        box.Top = trail - 1;
        box.Left = side;
        break;
    default:
        box.Left = lead;
        box.Top = side;
        break;
    }
    const int length = static_cast<int>(along);
    layout.Size =
        IsHorizontal(settings.Orientation) ? QSize(length, across) : QSize(across, length);
    if (!Vector && (across > MaxRasterSide || along * across > MaxRasterPixels))
        throw Exception(Quoting(std::to_string(layout.Size.width()) + " x " +
                                    std::to_string(layout.Size.height()) + " pixels",
                                TooLargeMessage) +
                        " " + PictureBound +
                        "; a smaller X-dimension, resolution or bar height "
                        "draws it.");
    if (Vector && across > longest)
        throw Exception(Quoting(Describe(std::round(along / UnitsPerMM)) + " mm x " +
                                    Describe(std::round(across / UnitsPerMM)) + " mm",
                                TooLargeMessage) +
                        " " + PageBound + "; a smaller X-dimension or bar height draws it.");
    layout.Leading = leading;
    layout.Trailing = trailing;
    layout.ZoneAcross = zoneAcross;
    layout.BarRows = barRows;
    layout.Dpi = D.Dpi;
    layout.Type = settings.BarType;
    layout.Orientation = settings.Orientation;
    layout.Space = settings.ColorSpc;
    layout.Bar = settings.ColorBar;
    layout.TextInk = D.FontColor;
    layout.SpaceCmyk = D.SpaceCmyk;
    layout.BarCmyk = D.BarCmyk;
    layout.TextInkCmyk = D.TextCmyk;
    layout.Transparent = D.Transparent;
    // The code's bars alone are narrowed: bearers are no bars of the code.
    const auto reduce = [&](std::vector<TBarFill>& Fills, std::size_t Count) {
        ReduceBars(layout, Fills, Count, IsHorizontal(settings.Orientation), D);
    };
    if (look) {
        layout.Bars = StandardFills(layout.Symbol, *look, box);
        // The look's bearers come last, after the fills it draws without them.
        TStandardLook bare = *look;
        bare.Bearers.reset();
        reduce(layout.Bars,
               look->Bearers ? StandardFills(layout.Symbol, bare, box).size() : layout.Bars.size());
        layout.Placed = StandardTexts(*look, box);
        return Unpainted(std::move(layout));
    }
    if (layout.Bearers) {
        // The bars and their text between the bearers.
        const TSymbolBox outer = box;
        box = BarsInside(*layout.Bearers, outer);
        layout.Bars = BarFills(layout.Symbol, box);
        reduce(layout.Bars, layout.Bars.size());
        const std::vector<TBarFill> bearers =
            BearerFills(*layout.Bearers, outer, layout.Symbol.Width);
        layout.Bars.insert(layout.Bars.end(), bearers.begin(), bearers.end());
    } else {
        layout.Bars = BarFills(layout.Symbol, box);
        reduce(layout.Bars, layout.Bars.size());
    }
    if (settings.TextShow != tsNone)
        layout.Text =
            TTextRun{ShownText(settings.TextShow, settings.BarType, CarriedText(D, layout)),
                     LayoutFont(D, layout),
                     settings.TextColor,
                     D.FontColor,
                     settings.TextPosition,
                     D.TextBoxCmyk,
                     D.TextCmyk};
    return Unpainted(std::move(layout));
}

} // namespace

int RasterModul(const TBarcodeDescription& Description) {
    CheckDescription(Description);
    return std::max(
        1, static_cast<int>(std::lround(XDimensionOf(Description) * Description.Dpi / MMPerInch)));
}

double AchievedXDimensionMM(const TBarcodeDescription& Description) {
    return RasterModul(Description) * MMPerInch / Description.Dpi;
}

TOutputLayout RasterLayout(const TBarcodeDescription& Description) {
    return RasterLayout(Description, nullptr);
}

TOutputLayout VectorLayout(const TBarcodeDescription& Description) {
    return VectorLayout(Description, nullptr);
}

TOutputLayout RasterLayout(const TBarcodeDescription& Description,
                           std::shared_ptr<const TSymbolValue> Value) {
    return LayOut(Description, std::move(Value), RasterModul(Description),
                  Description.Dpi / MMPerInch, false);
}

TOutputLayout VectorLayout(const TBarcodeDescription& Description,
                           std::shared_ptr<const TSymbolValue> Value) {
    CheckDescription(Description);
    // Fewer units a module where the text would otherwise be past the font engines' sizes:
    // a coarser grid for the bars, but the text drawn.
    const double x = XDimensionOf(Description);
    int modul = VectorModul;
    if (Description.Barcode.TextShow != tsNone)
        modul =
            std::clamp(static_cast<int>(MaxFontPixels * x / (Description.FontSizePt * MMPerPoint)),
                       1, VectorModul);
    return LayOut(Description, std::move(Value), modul, modul / x, true);
}

QFont LayoutFont(const TBarcodeDescription& Description, const TOutputLayout& Layout) {
    QFont font = Description.Font;
    font.setPixelSize(Layout.FontPixels);
    if (Layout.Vector) // hinting would snap glyphs to units a hundredth of a module wide
        font.setHintingPreference(QFont::PreferNoHinting);
    else // flat colours only, so that the picture keeps to a small palette
        font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QRectF DrawnRect(const TOutputLayout& Layout, std::size_t Index) {
    const TBarFill& fill = Layout.Bars[Index];
    QRectF rect(fill.Rect);
    if (!fill.Bar || Index >= Layout.ReducedFills)
        return rect;
    if (IsHorizontal(Layout.Orientation))
        return rect.adjusted(Layout.TrimBefore, 0, -Layout.TrimAfter, 0);
    return rect.adjusted(0, Layout.TrimBefore, 0, -Layout.TrimAfter);
}

double LengthMM(const TOutputLayout& Layout) {
    return (IsHorizontal(Layout.Orientation) ? Layout.Size.width() : Layout.Size.height()) /
           Layout.UnitsPerMM;
}

void PaintLayout(QPainter& Painter, const TOutputLayout& Layout) {
    if (!Layout.Transparent)
        Painter.fillRect(QRect(QPoint(0, 0), Layout.Size), ToQColor(Layout.Space));
    FillBars(Painter, Layout.Bars, Layout.Bar, Layout.Space);
    if (const std::optional<TTextRun>& text = Layout.Text)
        DrawBarText(text->Text, Painter, text->Box, text->Font, text->Ink, Layout.Box.Left,
                    Layout.Box.Top, Layout.Symbol.Width, Layout.Box.Height, Layout.Box.Angle,
                    text->Position);
    for (const TPlacedText& text : Layout.Placed)
        DrawPlacedText(Painter, text, Layout.TextInk);
}

} // namespace quillmark
