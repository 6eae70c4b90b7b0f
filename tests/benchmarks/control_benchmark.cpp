// The widget's cost: one full property change on the window's control (encode, measure,
// paint) and a paint of a 2,000-pixel-long Code 128 symbol.
#include "window_control.h"
#include <quillmark/barcode.h>

#include <QApplication>
#include <QFont>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace quillmark;
using namespace quillmark::benchmarks;

BENCHMARK(BarCodeChangeOnWindowControl);

void PaintLongCode128(benchmark::State& state) {
    std::string value;
    while (PatternWidth(bcCode128B, value, 1, 2.0, csNone) < 2000)
        value += static_cast<char>('A' + value.size() % 26);
    const int width = PatternWidth(bcCode128B, value, 1, 2.0, csNone);
    TBarCode control;
    control.setGeometry(0, 0, width, 89);
    control.SetBevelOuter(bvNone);
    control.SetAlignment(taLeftJustify);
    control.SetFont(WindowFont());
    control.SetTextShow(tsBarCode);
    control.SetBarType(bcCode128B);
    control.SetBarCode(value);
    for (auto _ : state)
        control.Repaint();
    state.counters["pattern_px"] = width;
    state.counters["characters"] = static_cast<double>(value.size());
}
BENCHMARK(PaintLongCode128);

} // namespace

namespace {

// A shown widget repainted as the windowing system asks: the window's control, and a wide
// Code 128 with text. A hidden widget paints a 1 x 1 canvas, which the cases above measure.
void RepaintShownWindowControl(benchmark::State& state) {
    TBarCode control;
    SetUpWindowControl(control);
    control.show();
    QApplication::processEvents();
    for (auto _ : state)
        control.Repaint();
}
BENCHMARK(RepaintShownWindowControl);

void RepaintShownWideCode128(benchmark::State& state) {
    TBarCode control;
    control.setGeometry(0, 0, 1200, 300);
    control.SetBevelOuter(bvNone);
    control.SetFont(WindowFont());
    control.SetTextShow(tsBarCode);
    control.SetBarType(bcCode128B);
    control.SetModul(4);
    control.SetBarCode("QM-0000001-AB");
    control.show();
    QApplication::processEvents();
    for (auto _ : state)
        control.Repaint();
}
BENCHMARK(RepaintShownWideCode128);

} // namespace
