// Quillmark against a peer library in one run: paint per output pixel, encode per call,
// and the widget's property change, with the ratios printed at the end.
// On a busy machine, repeat and interleave, and the fastest repetition of each counts:
//   quillmark_peer_benchmark --benchmark_repetitions=5 --benchmark_enable_random_interleaving
#include "peer.h"
#include "peer_cases.h"
#include "ratio_report.h"
#include "renderer.h"
#include "window_control.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace quillmark::benchmarks {

namespace {

// A fresh image exactly the symbol's size, the bars (and text) drawn by DrawBarcode.
void OursPaint(benchmark::State& state, const PaintCase& Case) {
    const int width = PatternWidth(bcCode128B, PaintValue, Case.Modul, 2.0, csNone);
    const int height = PaintBarHeight(Case.Modul);
    const QSize size =
        IsHorizontal(Case.Orientation) ? QSize(width, height + 1) : QSize(height + 1, width);
    const QFont font = WindowFont();
    const TTextShow show = Case.Text ? tsBarCode : tsNone;
    for (auto _ : state) {
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        DrawBarcode(painter, bcCode128B, PaintValue, Case.Modul, 2.0, csNone, 0, 0, height, font,
                    clBlack, show, tpBottomCenter, clBlack, clWhite, clWhite,
                    AngleOf(Case.Orientation));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["pixels"] = static_cast<double>(size.width()) * size.height();
}

void OursEncode(benchmark::State& state, const EncodeCase& Case) {
    const std::string value = Case.Value;
    for (auto _ : state) {
        double ratio = 2.0;
        std::string text = value;
        std::string pattern;
        MakeModules(Case.Type, value, 1, ratio, Case.CheckSum, text, pattern);
        benchmark::DoNotOptimize(pattern.data());
        benchmark::DoNotOptimize(PatternWidth(Case.Type, value, 1, 2.0, Case.CheckSum));
    }
}

// Registers every benchmark, each of ours followed by the peer's, and returns the names of
// ours in that order.
std::vector<std::string> RegisterBenchmarks() {
    std::vector<std::string> ours;
    for (const PaintCase& c : PaintCases()) {
        ours.push_back("Paint/Ours/" + c.Name);
        benchmark::RegisterBenchmark(ours.back().c_str(), OursPaint, c);
        RegisterPeerPaint(c);
    }
    for (const EncodeCase& c : EncodeCases) {
        ours.push_back(std::string("Encode/Ours/") + c.Name);
        benchmark::RegisterBenchmark(ours.back().c_str(), OursEncode, c);
        RegisterPeerEncode(c);
    }
    benchmark::RegisterBenchmark("Widget/BarCodeChange", BarCodeChangeOnWindowControl);
    return ours;
}

} // namespace

} // namespace quillmark::benchmarks

int main(int argc, char** argv) {
    using namespace quillmark::benchmarks;
    // The widget needs a QApplication: headless unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter(PeerName(), RegisterBenchmarks());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
