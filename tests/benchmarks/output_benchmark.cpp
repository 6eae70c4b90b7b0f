// Files in memory: a typical EAN-13 and a 40-character Code 128 as PNG, SVG and PDF.
#include <quillmark/files.h>

#include <benchmark/benchmark.h>

namespace {

using namespace quillmark;

TBarcodeDescription Sample(int Index) {
    TBarcodeDescription description;
    if (Index == 0) {
        description.Barcode.BarType = bcCodeEAN13;
        description.Barcode.BarCode = "4006381333931";
    } else {
        description.Barcode.BarType = bcCode128B;
        description.Barcode.BarCode = "Quillmark output benchmark, 40 chars 123";
    }
    return description;
}

void RenderToMemory(benchmark::State& state) {
    const TBarcodeDescription description = Sample(static_cast<int>(state.range(0)));
    const auto format = static_cast<TFileFormat>(state.range(1));
    state.SetLabel(std::string(state.range(0) == 0 ? "EAN-13 " : "Code 128 ") +
                   (format == TFileFormat::Png   ? "PNG"
                    : format == TFileFormat::Svg ? "SVG"
                                                 : "PDF"));
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = static_cast<std::size_t>(RenderFile(description, format).size());
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(RenderToMemory)->ArgsProduct({{0, 1}, {0, 1, 2}})->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// The PNG encoding alone, of a batch's typical picture: a 13-character Code 128 with its
// text, 0.33 mm at 300 dpi.
void EncodePngOfPicture(benchmark::State& state) {
    TBarcodeDescription description;
    description.Barcode.BarCode = "QM-5586350-Wq";
    const TOutputLayout layout = RasterLayout(description);
    const QImage picture = RenderImage(layout);
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = static_cast<std::size_t>(EncodePng(picture, layout).size());
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(EncodePngOfPicture)->Unit(benchmark::kMicrosecond);

} // namespace
