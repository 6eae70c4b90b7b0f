#include "bar_reduction.h"

#include "decimal_text.h"
#include "type_options.h"
#include "units.h"
#include <quillmark/engine.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <span>
#include <string>

namespace quillmark {

namespace {

std::string Dots(long long Count) {
    return std::to_string(Count) + (Count == 1 ? " dot" : " dots");
}

// The reduction as it was asked, for the refusals' subject.
std::string AskedText(const TBarcodeDescription& D) {
    return D.BarWidthReductionDots > 0 ? Dots(D.BarWidthReductionDots)
                                       : DecimalText(D.BarWidthReductionMM, 3) + " mm";
}

[[noreturn]] void Refuse(const TBarcodeDescription& D, const std::string& Why) {
    throw Exception(AskedText(D) + " : Bar width reduction " + Why);
}

} // namespace

double AskedReductionMM(const TBarcodeDescription& D) {
    return D.BarWidthReductionDots > 0 ? D.BarWidthReductionDots * MMPerInch / D.Dpi
                                       : D.BarWidthReductionMM;
}

double ReductionUnits(const TBarcodeDescription& D, double UnitsPerMM, bool Vector) {
    if (D.BarWidthReductionMM < 0 || D.BarWidthReductionDots < 0)
        Refuse(D, "can't be negative; give 0 or more.");
    const double mm = AskedReductionMM(D);
    if (mm == 0)
        return 0;
    if (!OptionsOf(D.Barcode.BarType).BarWidthReduction)
        Refuse(D, "applies to rows of bars, not to " + std::string(BarTypeName(D.Barcode.BarType)) +
                      "'s modules; leave it out for this type.");
    if (!Vector && D.BarWidthReductionDots > 0)
        return D.BarWidthReductionDots;
    const double units = Vector ? mm * UnitsPerMM : std::round(mm * UnitsPerMM);
    if (units > INT_MAX / 2)
        Refuse(D, "wider than any bar; give less than the X-dimension.");
    if (units < 1 && !Vector)
        Refuse(D, "rounds to no whole dot at " + std::to_string(D.Dpi) + " dpi; give at least " +
                      DecimalText(0.5 * MMPerInch / D.Dpi, 3) + " mm or 1dot.");
    return units;
}

void ReduceBars(TOutputLayout& Layout, std::vector<TBarFill>& Fills, std::size_t Count,
                bool Horizontal, const TBarcodeDescription& D) {
    const double exact = ReductionUnits(D, Layout.UnitsPerMM, Layout.Vector);
    if (exact <= 0)
        return;
    const auto width = [&](const QRect& R) { return Horizontal ? R.width() : R.height(); };
    const auto code = std::span(Fills).first(Count);
    int narrowest = INT_MAX;
    for (const TBarFill& fill : code)
        if (fill.Bar)
            narrowest = std::min(narrowest, width(fill.Rect));
    if (narrowest == INT_MAX)
        return;
    if (exact >= narrowest) {
        const double barMM = narrowest / Layout.UnitsPerMM;
        if (Layout.Vector)
            Refuse(D, "leaves no bar: the narrowest is " + DecimalText(barMM, 3) +
                          " mm wide; give less than that.");
        const int most = narrowest - 1;
        Refuse(D, "leaves no bar: the narrowest is " + Dots(narrowest) + " at " +
                      std::to_string(D.Dpi) + " dpi; " +
                      (most > 0 ? "give at most " + Dots(most) + " (" +
                                      DecimalText(most / Layout.UnitsPerMM, 3) + " mm)."
                                : "a larger X-dimension or resolution leaves room for one."));
    }
    // Whole units off each edge, at most the bar less one unit; a vector writer takes the
    // rest (DrawnRect).
    const int units = std::min(narrowest - 1, static_cast<int>(std::lround(exact)));
    const int before = units / 2;
    const int after = units - before;
    for (TBarFill& fill : code) {
        if (!fill.Bar)
            continue;
        QRect& r = fill.Rect;
        if (Horizontal)
            r.adjust(before, 0, -after, 0);
        else
            r.adjust(0, before, 0, -after);
    }
    Layout.BarReduction = exact;
    Layout.ReducedFills = Count;
    if (Layout.Vector) {
        Layout.TrimBefore = exact / 2 - before;
        Layout.TrimAfter = exact / 2 - after;
    }
}

} // namespace quillmark
