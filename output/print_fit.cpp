#include "print_fit.h"

#include "decimal_text.h"
#include "decodability.h"
#include "ean_upc.h"

#include <array>
#include <cmath>

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
constexpr TXRange PostNetBars{0.381, 0, 0.635, "USPS Publication 25"};
constexpr TXRange NoneSet{0, 0, 0, "no published standard sets one"};

// Indexed by TBarType.
constexpr std::array<TXRange, BarTypeCount> XRanges{
    USSI25, NoneSet, NoneSet,      USS39,        USS39,        USS128, USS128,      USS128, USS93,
    USS93,  NoneSet, PostNetBars,  USSCodabar,   Retail,       Retail, Retail,      Retail, Retail,
    Retail, Retail,  Distribution, Distribution, Distribution, USS128, Distribution};

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

// "11X", "7.5X"
std::string Modules(double X) {
    const double tenths = std::round(X * 10) / 10;
    return DecimalText(tenths, tenths == std::floor(tenths) ? 0 : 1) + "X";
}

} // namespace

TXRange PermittedXRange(TBarType Type) {
    return static_cast<int>(Type) < BarTypeCount ? XRanges[Type] : NoneSet;
}

TPrintFit PrintFit(const TBarcodeDescription& D, const TOutputLayout& Layout) {
    const TBarcodeSettings& s = D.Barcode;
    TPrintFit fit;
    fit.Raster = !Layout.Vector;
    fit.AskedMM = D.XDimensionMM;
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
    fit.LeadingZoneX = static_cast<double>(Layout.Leading) / Layout.Modul;
    fit.TrailingZoneX = static_cast<double>(Layout.Trailing) / Layout.Modul;
    fit.StandardLeadingX = row.QuietZone.Leading;
    fit.StandardTrailingX = SplitAddOn(s.BarType, s.BarCode)
                                ? BarTypeData(bcCodeUPC_Supp5).QuietZone.Trailing
                                : row.QuietZone.Trailing;
    fit.BarHeightMM = Layout.BarRows / Layout.UnitsPerMM;
    fit.Decodability = Decodability(s.BarType, Layout.Symbol);
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
                        DecimalText(Fit.RatioLower, 1) + "-" + DecimalText(Fit.RatioUpper, 1) +
                        ")");
    if (Fit.Decodability)
        lines.push_back("decodability: " + DecimalText(*Fit.Decodability, 2) + " (" +
                        DecodabilityGrade(*Fit.Decodability) +
                        "), of the widths as drawn, not a print grade");
    lines.push_back("quiet zones: " + Modules(Fit.LeadingZoneX) + " / " +
                    Modules(Fit.TrailingZoneX) + " (standard " + Modules(Fit.StandardLeadingX) +
                    " / " + Modules(Fit.StandardTrailingX) + ")");
    lines.push_back("bar height: " + DecimalText(Fit.BarHeightMM, 2) + " mm");
    return lines;
}

std::optional<int> FitToDevice(TBarType Type, double XMM, int Dpi) {
    const TXRange range = PermittedXRange(Type);
    const double pixelMM = 25.4 / Dpi;
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
