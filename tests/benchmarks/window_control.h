// BarCode1 as the generator window sets it up, and the cost of one property change on it:
// encode, measure and paint.
#pragma once

#include <quillmark/barcode.h>

#include <QFont>

#include <benchmark/benchmark.h>

#include <string>

namespace quillmark::benchmarks {

inline QFont WindowFont() {
    QFont font("MS Sans Serif");
    font.setPixelSize(16);
    return font;
}

inline void SetUpWindowControl(TBarCode& Control) {
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

inline void BarCodeChangeOnWindowControl(benchmark::State& state) {
    TBarCode control;
    SetUpWindowControl(control);
    long next = 100000000;
    for (auto _ : state) {
        // A new nine-digit value every time, so that the writer never sees an equal one.
        control.SetBarCode(std::to_string(++next));
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace quillmark::benchmarks
