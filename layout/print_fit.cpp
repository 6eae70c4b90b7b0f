#include "print_fit.h"

#include "decimal_text.h"
#include "decodability.h"
#include "units.h"
#include <quillmark/ean_upc.h>
#include <quillmark/itf14.h>
#include <quillmark/module_grid.h>
#include <quillmark/module_runs.h>

#include <array>
#include <cmath>
#include <set>

namespace quillmark {

namespace {

// GS1's general standard: its symbol tables for retail point of sale (80% to 200% of
// 0.330 mm) and for general distribution.
constexpr TXRange Retail{0.264, 0.330, 0.660, "GS1 symbol table for retail point of sale"};
constexpr TXRange Distribution{0.495, 0.495, 1.016, "GS1 symbol table for general distribution"};
// Where no table sets an X-dimension, the minimum of the symbology's AIM standard for open
// systems (0.0075 in; Codabar 0.0065 in); PostNet's bar width from USPS Publication 25
// (0.015 to 0.025 in).
constexpr TXRange USS128{0.191, 0, 0, "AIM USS-128"};
constexpr TXRange USS39{0.191, 0, 0, "AIM USS-39"};
constexpr TXRange USS93{0.191, 0, 0, "AIM USS-93"};
constexpr TXRange USSI25{0.191, 0, 0, "AIM USS-I 2/5"};
constexpr TXRange USSCodabar{0.165, 0, 0, "AIM USS-Codabar"};
constexpr TXRange PostNetBars{0.381, 0.508, 0.635, "USPS Publication 25"};
constexpr TXRange NoneSet{0, 0, 0, "no published standard sets one"};
// The GS1 general standard, 5.12.3.1, its symbol table 1 (trade items scanned at
// general retail point of sale): GS1 DataMatrix and GS1 QR Code, a Digital Link URI's too,
// 0.396 to 0.990 mm with a target of 0.495 mm, 1.5 times the linear symbols' X for the
// optics of image capture.
constexpr TXRange RetailMatrix{0.396, 0.495, 0.990, "GS1 symbol table for retail point of sale"};
// ITF-14 in the table for general distribution: 0.495 to 1.016 mm, the largest its target.
constexpr TXRange ITF14Range{ITF14Facts.ModuleMinMM, ITF14Facts.ModuleDefaultMM,
                             ITF14Facts.ModuleMaxMM, "GS1 symbol table for general distribution"};
// GS1 DataBar: the retail point of sale table's 0.264 to 0.660 mm, 0.330 mm target, for the
// forms scanned there; the truncated, stacked and Limited forms, which aren't, are held to
// the same range.
constexpr TXRange DataBarRange{0.264, 0.330, 0.660, "GS1 symbol table for retail point of sale"};
constexpr TXRange DataBarSmallItems{0.264, 0.330, 0.660, "the GS1 retail table's range"};

// Indexed by TBarType.
constexpr std::array<TXRange, BarTypeCount> XRanges{
    USSI25, NoneSet, NoneSet, USS39, USS39, USS128, USS128, USS128, USS93, USS93, NoneSet,
    PostNetBars, USSCodabar, Retail, Retail, Retail, Retail, Retail, Retail, Retail, Distribution,
    Distribution, Distribution, USS128, Distribution,
    // QR Code, Micro QR Code and Data Matrix: ISO/IEC 18004 and 16022 leave X to the
    // application.
    NoneSet, NoneSet, NoneSet, RetailMatrix, RetailMatrix, ITF14Range, DataBarRange,
    DataBarSmallItems, DataBarSmallItems, DataBarRange, DataBarSmallItems, DataBarRange,
    DataBarRange,
    // The book numbers are EAN-13 symbols.
    Retail, Retail, Retail};
static_assert(XRanges.back().MinimumMM > 0, "every symbology has its X range");

// GS1's tables give each symbol's height at the table's X-dimensions; the lowest, at the
// smallest X, is the floor (EAN-13, UPC-A and UPC-E 18.28 mm, EAN-8 14.58 mm; the add-ons take
// their main symbol's). GS1-128 in general distribution: 31.75 mm at every X. PostNet's full
// bars: 0.125 in, give or take 0.010 in (USPS Publication 25). The AIM standards set no
// height of their own.
constexpr THeightRange RetailHeights{18.28, 0, "GS1 symbol table for retail point of sale"};
constexpr THeightRange EAN8Heights{14.58, 0, "GS1 symbol table for retail point of sale"};
constexpr THeightRange DistributionHeights{31.75, 0, "GS1 symbol table for general distribution"};
constexpr THeightRange ITF14Heights{ITF14Facts.BarHeightMM, 0,
                                    "GS1 symbol table for general distribution"};
constexpr THeightRange PostNetHeights{2.921, 3.429, "USPS Publication 25"};
constexpr THeightRange AnyHeight{0, 0, "no published standard sets one"};

// Indexed by TBarType.
constexpr std::array<THeightRange, BarTypeCount> HeightRanges{
    AnyHeight, AnyHeight, AnyHeight, AnyHeight, AnyHeight, AnyHeight, AnyHeight, AnyHeight,
    AnyHeight, AnyHeight, AnyHeight, PostNetHeights, AnyHeight, EAN8Heights, RetailHeights,
    RetailHeights, RetailHeights, RetailHeights, RetailHeights, RetailHeights, DistributionHeights,
    DistributionHeights, DistributionHeights, AnyHeight, DistributionHeights, AnyHeight, AnyHeight,
    AnyHeight, AnyHeight, AnyHeight,
    // ITF-14; GS1 DataBar's rows fix its height in modules, which no bar height changes; the
    // book numbers as EAN-13.
    ITF14Heights, AnyHeight, AnyHeight, AnyHeight, AnyHeight, AnyHeight, AnyHeight, AnyHeight,
    RetailHeights, RetailHeights, RetailHeights};

bool InRange(const TXRange& Range, double XMM) {
    // Tables print three decimals; a rounding error below that isn't outside.
    constexpr double Slack = 0.0005;
    return XMM >= Range.MinimumMM - Slack &&
           (Range.MaximumMM == 0 || XMM <= Range.MaximumMM + Slack);
}

std::string Millimetres(double MM) {
    return DecimalText(MM, 3) + " mm";
}

std::string RangeText(const TXRange& Range) {
    if (Range.MaximumMM == 0)
        return "at least " + Millimetres(Range.MinimumMM);
    return DecimalText(Range.MinimumMM, 3) + "-" + Millimetres(Range.MaximumMM);
}

// " (standard at least 31.75 mm, below it)", or nothing where no standard sets a height.
std::string HeightRangeText(const THeightRange& Range, bool In) {
    if (Range.MinimumMM == 0 && Range.MaximumMM == 0)
        return "";
    std::string text = " (standard ";
    text += Range.MaximumMM == 0
                ? "at least " + DecimalText(Range.MinimumMM, 2) + " mm"
                : DecimalText(Range.MinimumMM, 2) + "-" + DecimalText(Range.MaximumMM, 2) + " mm";
    return text + (In ? ")" : ", outside it)");
}

// A standard's ratio bound to the tenth, or to the hundredth where it has one (ITF-14's 2.25).
std::string RatioText(double Ratio) {
    const double tenths = Ratio * 10;
    return DecimalText(Ratio, std::abs(tenths - std::round(tenths)) < 1e-9 ? 1 : 2);
}

// The distinct widths of the bars and the spaces a reduction leaves, in millimetres.
void DrawnWidths(TPrintFit& Fit, const TOutputLayout& Layout) {
    const double r = Layout.BarReduction;
    Fit.BarReductionMM = r / Layout.UnitsPerMM;
    std::set<int> bars;
    std::set<int> spaces;
    for (const TModuleRun& run : ModuleRuns(Layout.Symbol.Pattern, Layout.Symbol.Widths))
        (run.Kind == lkSpace ? spaces : bars).insert(run.Width);
    for (const int w : bars)
        Fit.BarWidthsMM.push_back((w - r) / Layout.UnitsPerMM);
    for (const int w : spaces)
        Fit.SpaceWidthsMM.push_back((w + r) / Layout.UnitsPerMM);
}

// "0.280, 0.610 mm"
std::string WidthsText(const std::vector<double>& WidthsMM) {
    std::string text;
    for (const double w : WidthsMM)
        text += (text.empty() ? "" : ", ") + DecimalText(w, 3);
    return text + " mm";
}

} // namespace

std::string ModulesText(double X) {
    const double tenths = std::round(X * 10) / 10;
    return DecimalText(tenths, tenths == std::floor(tenths) ? 0 : 1) + "X";
}

TXRange PermittedXRange(TBarType Type) {
    return static_cast<int>(Type) < BarTypeCount ? XRanges[Type] : NoneSet;
}

double StandardXDimensionMM(TBarType Type, int Dpi) {
    const TXRange range = PermittedXRange(Type);
    const double usual = IsTwoDimensional(Type) ? UsualMatrixXDimensionMM : UsualXDimensionMM;
    const double wanted = range.NominalMM > 0 ? range.NominalMM : usual;
    if (Dpi <= 0)
        return wanted;
    const std::optional<int> pixels = FitToDevice(Type, wanted, Dpi);
    if (!pixels)
        return wanted; // no whole pixel count fits: the X as the standard gives it
    // Where the range allows it, the X asked as it always was; the file draws it on whole
    // pixels anyway.
    return InRange(range, std::max(1L, std::lround(wanted * Dpi / MMPerInch)) * MMPerInch / Dpi)
               ? wanted
               : *pixels * MMPerInch / Dpi;
}

THeightRange PermittedBarHeight(TBarType Type) {
    return static_cast<int>(Type) < BarTypeCount ? HeightRanges[Type] : AnyHeight;
}

TPrintFit PrintFit(const TBarcodeDescription& D, const TOutputLayout& Layout, double GainMM) {
    const TSymbolLook& s = D.Barcode;
    TPrintFit fit;
    fit.Raster = !Layout.Vector;
    fit.AskedMM = XDimensionOf(D);
    fit.ModulePixels = Layout.Modul;
    fit.Dpi = D.Dpi;
    fit.XMM = Layout.Modul / Layout.UnitsPerMM;
    fit.Permitted = PermittedXRange(s.BarType);
    fit.InRange = InRange(fit.Permitted, fit.XMM);
    const TBCdata& row = BarTypeData(s.BarType);
    if (!row.ModuleMultiples && row.RatioLower > 0) {
        fit.Ratio = static_cast<double>(Layout.Symbol.Widths.Wide) / Layout.Symbol.Widths.Narrow;
        fit.RatioLower = row.RatioLower;
        fit.RatioUpper = row.RatioUpper;
    }
    // A bearer frame's sides stand outside the quiet zones.
    const long long side = Layout.Bearers && Layout.Bearers->Sides ? Layout.Bearers->Thickness : 0;
    fit.LeadingZoneX = static_cast<double>(Layout.Leading - side) / Layout.Modul;
    fit.TrailingZoneX = static_cast<double>(Layout.Trailing - side) / Layout.Modul;
    if (Layout.Bearers) {
        fit.Bearers = s.Bearers;
        fit.BearerX = static_cast<double>(Layout.Bearers->Thickness) / Layout.Modul;
    }
    // A zone the standard gives as a length (PostNet's) in modules of this X.
    const double floorX = row.QuietZone.MinimumMM / fit.XMM;
    fit.StandardLeadingX = std::max<double>(row.QuietZone.Leading, floorX);
    fit.StandardTrailingX = std::max<double>(SplitAddOn(s.BarType, s.BarCode)
                                                 ? BarTypeData(bcCodeUPC_Supp5).QuietZone.Trailing
                                                 : row.QuietZone.Trailing,
                                             floorX);
    // Zones are drawn on whole units: one unit short is rounding, not a narrower zone.
    const double unitX = 1.0 / Layout.Modul;
    fit.ZonesInRange = fit.LeadingZoneX + unitX >= fit.StandardLeadingX &&
                       fit.TrailingZoneX + unitX >= fit.StandardTrailingX;
    if (Layout.Symbol.Grid) {
        // A grid's zones above and below are the same as before and after it; its rows are
        // its own, with no bar height to meet.
        fit.Grid = true;
        fit.AcrossZoneX = static_cast<double>(Layout.ZoneAcross) / Layout.Modul;
        fit.ZonesInRange = fit.ZonesInRange && fit.AcrossZoneX + unitX >= fit.StandardLeadingX;
        if (IsDrawnFromGrid(s.BarType) && !IsTwoDimensional(s.BarType))
            fit.RowsHeightX = static_cast<double>(GridHeight(Layout.Symbol)) / Layout.Modul;
        return fit;
    }
    fit.BarHeightMM = Layout.BarRows / Layout.UnitsPerMM;
    fit.PermittedHeight = PermittedBarHeight(s.BarType);
    // Half a unit either way is the rounding of the height to the device.
    const double unitMM = 0.5 / Layout.UnitsPerMM;
    fit.HeightInRange = fit.BarHeightMM + unitMM >= fit.PermittedHeight.MinimumMM &&
                        (fit.PermittedHeight.MaximumMM == 0 ||
                         fit.BarHeightMM - unitMM <= fit.PermittedHeight.MaximumMM);
    fit.GainMM = GainMM;
    fit.Decodability =
        Decodability(s.BarType, Layout.Symbol, GainMM * Layout.UnitsPerMM - Layout.BarReduction);
    if (Layout.BarReduction > 0)
        DrawnWidths(fit, Layout);
    return fit;
}

std::vector<std::string> ReportLines(const TPrintFit& Fit) {
    const TXRange& range = Fit.Permitted;
    const double nominal = range.NominalMM > 0 ? range.NominalMM : Fit.AskedMM;
    std::string x = "X-dimension: " + Millimetres(Fit.XMM) + " (" +
                    DecimalText(std::round(Fit.XMM / nominal * 100), 0) + "% of " +
                    Millimetres(nominal) + (range.NominalMM > 0 ? " nominal" : " asked");
    if (range.MinimumMM > 0)
        x += std::string("; permitted ") + RangeText(range) + (Fit.InRange ? "" : ", outside it");
    if (Fit.Raster)
        x += "; " + std::to_string(Fit.ModulePixels) + " pixels at " + std::to_string(Fit.Dpi) +
             " dpi";
    std::vector<std::string> lines{x + ")"};
    if (Fit.Ratio)
        lines.push_back("ratio: " + DecimalText(*Fit.Ratio, 2) + " (standard " +
                        RatioText(Fit.RatioLower) + "-" + RatioText(Fit.RatioUpper) + ")");
    if (Fit.BarReductionMM > 0)
        lines.push_back("bar width reduction: " + Millimetres(Fit.BarReductionMM) +
                        "; bars drawn " + WidthsText(Fit.BarWidthsMM) + ", spaces " +
                        WidthsText(Fit.SpaceWidthsMM));
    if (Fit.Decodability)
        lines.push_back("decodability: " + DecimalText(*Fit.Decodability, 2) + " (" +
                        DecodabilityGrade(*Fit.Decodability) + "), of the widths as drawn" +
                        (Fit.GainMM != 0 ? " after a bar gain of " + Millimetres(Fit.GainMM) : "") +
                        ", not a print grade");
    if (Fit.Grid) {
        lines.push_back("quiet zones: " + ModulesText(Fit.LeadingZoneX) + " / " +
                        ModulesText(Fit.TrailingZoneX) + " / " + ModulesText(Fit.AcrossZoneX) +
                        " / " + ModulesText(Fit.AcrossZoneX) +
                        " before, after, above and below (standard " +
                        ModulesText(Fit.StandardLeadingX) + " on every side)");
        if (Fit.RowsHeightX > 0)
            lines.push_back("height: " + ModulesText(Fit.RowsHeightX) + " (" +
                            DecimalText(Fit.RowsHeightX * Fit.XMM, 2) +
                            " mm), fixed by the symbol's rows, as its standard sets them");
        return lines;
    }
    lines.push_back("quiet zones: " + ModulesText(Fit.LeadingZoneX) + " / " +
                    ModulesText(Fit.TrailingZoneX) + " (standard " +
                    ModulesText(Fit.StandardLeadingX) + " / " + ModulesText(Fit.StandardTrailingX) +
                    ")");
    lines.push_back("bar height: " + DecimalText(Fit.BarHeightMM, 2) + " mm" +
                    HeightRangeText(Fit.PermittedHeight, Fit.HeightInRange));
    if (Fit.Bearers)
        lines.push_back(std::string("bearer bars: ") +
                        (*Fit.Bearers == TITF14Bearers::Frame ? "frame" : "top and bottom") + ", " +
                        ModulesText(Fit.BearerX) + " (" + DecimalText(Fit.BearerX * Fit.XMM, 2) +
                        " mm; standard at least " + ModulesText(ITF14Facts.BearerMinModules) + ")");
    return lines;
}

std::optional<int> FitToDevice(TBarType Type, double XMM, int Dpi) {
    const TXRange range = PermittedXRange(Type);
    const double pixelMM = MMPerInch / Dpi;
    std::optional<int> best;
    // Beyond a range's top, or past four times the X asked where there is none, no
    // larger module is closer.
    const double top = range.MaximumMM > 0 ? range.MaximumMM : std::max(XMM, range.MinimumMM) * 4;
    for (int pixels = 1; pixels * pixelMM <= top + pixelMM && pixels <= 10000; ++pixels) {
        const double x = pixels * pixelMM;
        if (InRange(range, x) && (!best || std::abs(x - XMM) < std::abs(*best * pixelMM - XMM)))
            best = pixels;
    }
    return best;
}

std::string NoFitMessage(TBarType Type, int Dpi) {
    return "no whole number of pixels at " + std::to_string(Dpi) + " dpi gives " +
           BarTypeName(Type) + " an X-dimension in its permitted " +
           RangeText(PermittedXRange(Type));
}

} // namespace quillmark
