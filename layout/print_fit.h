// How a symbol comes out on a device that draws whole pixels: the module it gets, how far
// that lands from the X-dimension asked and from the symbology's permitted range, and what
// rounding leaves of the wide-to-narrow ratio, the quiet zones and the bar height.
#pragma once

#include <quillmark/quillmark_layout_export.h>

#include <quillmark/description.h>
#include <quillmark/layout.h>

#include <optional>
#include <string>
#include <vector>

namespace quillmark {

// The X-dimensions a symbology's standard permits, in millimetres.
struct TXRange {
    double MinimumMM = 0; // 0: no published minimum
    double NominalMM = 0; // 0: the standard names none
    double MaximumMM = 0; // 0: no upper bound
    const char* Source = "";
};

QUILLMARK_LAYOUT_EXPORT TXRange PermittedXRange(TBarType Type);

// The X-dimension a symbol of Type is drawn at when none is asked: its standard's nominal X,
// or 0.33 mm where it names none, on the whole pixels at Dpi closest to it inside the permitted
// range (so 0.508 mm for GS1-128 at 300 dpi, the smallest X in its range).
QUILLMARK_LAYOUT_EXPORT double StandardXDimensionMM(TBarType Type, int Dpi);

// The bar heights a symbology's standard permits, in millimetres.
struct THeightRange {
    double MinimumMM = 0; // 0: no published minimum
    double MaximumMM = 0; // 0: no upper bound
    const char* Source = "";
};

QUILLMARK_LAYOUT_EXPORT THeightRange PermittedBarHeight(TBarType Type);

struct TPrintFit {
    bool Raster = true;   // false: a vector file, drawn at the X asked exactly
    int ModulePixels = 0; // raster only
    int Dpi = 0;          // raster only
    double XMM = 0;       // as drawn
    double AskedMM = 0;
    TXRange Permitted;
    bool InRange = true;
    // Where the symbology leaves the ratio free: as drawn (wide over narrow element after
    // rounding), and the standard's bounds.
    std::optional<double> Ratio;
    double RatioLower = 0;
    double RatioUpper = 0;
    double LeadingZoneX = 0; // as drawn, in modules
    double TrailingZoneX = 0;
    double StandardLeadingX = 0; // what the standard asks for
    double StandardTrailingX = 0;
    double BarHeightMM = 0; // as drawn
    THeightRange PermittedHeight;
    bool HeightInRange = true;
    bool ZonesInRange = true; // every quiet zone at least as wide as the standard asks
    // A two-dimensional symbol: its zones above and below too, in modules, against the
    // standard's leading one (the same on every side); no bar height, ratio or decodability.
    bool Grid = false;
    double AcrossZoneX = 0;
    // GS1 DataBar: its height in modules, which its rows fix; 0 for any other.
    double RowsHeightX = 0;
    // ITF-14's bearer bars as drawn, their thickness in modules; none without them.
    std::optional<TITF14Bearers> Bearers;
    double BearerX = 0;
    std::optional<double> Decodability; // of the element widths as drawn (Decodability)
    // A bar width reduction as drawn, and the distinct widths of the bars and the spaces it
    // leaves, narrowest first; none without one.
    double BarReductionMM = 0;
    std::vector<double> BarWidthsMM;
    std::vector<double> SpaceWidthsMM;
    // The spread of the bars on the press the decodability is of: 0 for the widths as drawn.
    double GainMM = 0;
};

// The fit of Layout, the layout Description is drawn from (RasterLayout at its Dpi, or
// VectorLayout); its decodability after the bars spread by GainMM and the spaces shrink by as
// much.
QUILLMARK_LAYOUT_EXPORT TPrintFit PrintFit(const TBarcodeDescription& Description,
                                           const TOutputLayout& Layout, double GainMM = 0);

// A width in modules as the report gives it: "11X", "7.5X".
QUILLMARK_LAYOUT_EXPORT std::string ModulesText(double X);

// The report's lines: "X-dimension: 0.375 mm (114% of 0.330 mm nominal; permitted
// 0.264-0.660 mm; 3 pixels at 203 dpi)", "ratio: ...", "bar width reduction: ...",
// "decodability: ...", "quiet zones:
// ...", "bar height: ...", ITF-14's "bearer bars: ..."; a grid's quiet zones on its four
// sides and no bar height, GS1 DataBar's height in modules.
QUILLMARK_LAYOUT_EXPORT std::vector<std::string> ReportLines(const TPrintFit& Fit);

// The narrow module in whole pixels at Dpi whose X-dimension is inside Type's permitted
// range and closest to XMM; none when no whole number of pixels falls in the range.
QUILLMARK_LAYOUT_EXPORT std::optional<int> FitToDevice(TBarType Type, double XMM, int Dpi);

// "no whole number of pixels at 30 dpi gives EAN13 an X-dimension in its permitted
// 0.264-0.660 mm"
QUILLMARK_LAYOUT_EXPORT std::string NoFitMessage(TBarType Type, int Dpi);

} // namespace quillmark
