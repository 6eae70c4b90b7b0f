// The widget's cost: one full property change on the window's control (encode, measure,
// paint) and a paint of a 2,000-pixel-long Code 128 symbol.
#include "barcode.h"

#include <QFont>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace quillmark;

QFont WindowFont() {
    QFont font("MS Sans Serif");
    font.setPixelSize(16);
    return font;
}

// BarCode1 as the window sets it up.
void SetUpWindowControl(TBarCode& Control) {
    Control.setGeometry(16, 160, 337, 89);
    Control.SetBarType(bcCode_2_5_industrial);
    Control.SetBarCode("123456789");
    Control.SetModul(2);
    Control.SetRatio(3.0);
    Control.SetTextShow(tsBarCode);
    Control.SetAlignment(taLeftJustify);
    Control.SetBevelOuter(bvNone);
    Control.SetFont(WindowFont());
}

void BarCodeChangeOnWindowControl(benchmark::State& state) {
    TBarCode control;
    SetUpWindowControl(control);
    long next = 100000000;
    for (auto _ : state) {
        // A new nine-digit value every time, so that the writer never sees an equal one.
        control.SetBarCode(std::to_string(++next));
    }
    state.SetItemsProcessed(state.iterations());
}
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
