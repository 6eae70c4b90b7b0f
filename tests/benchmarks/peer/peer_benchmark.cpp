// Quillmark against a peer library in one run: paint per output pixel, encode per call,
// and the widget's property change, with the ratios printed at the end.
// On a busy machine, repeat and interleave, and the fastest repetition of each counts:
//   quillmark_peer_benchmark --benchmark_repetitions=5 --benchmark_enable_random_interleaving
#include "code128_lengths.h"
#include "peer.h"
#include "peer_cases.h"
#include "ratio_report.h"
#include "window_control.h"
#include <quillmark/renderer.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace quillmark::benchmarks {

namespace {

QSize PaintSize(const PaintCase& Case) {
    const int width = PatternWidth(bcCode128B, PaintValue, Case.Modul, 2.0, csNone);
    const int height = PaintBarHeight(Case.Modul);
    return IsHorizontal(Case.Orientation) ? QSize(width, height + 1) : QSize(height + 1, width);
}

// Values of PaintValue's length, and so of its width: the last two letters counted up.
std::vector<std::string> ChangingValues() {
    std::vector<std::string> values;
    for (char a = 'a'; a <= 'h'; ++a)
        for (char b = 'a'; b <= 'h'; ++b)
            values.push_back(PaintValue.substr(0, PaintValue.size() - 2) + a + b);
    return values;
}

// A fresh image of the case's format exactly the symbol's size, the bars (and text) drawn
// by DrawBarcode, a different value every time, as a program drawing labels meets it.
void OursPaint(benchmark::State& state, const PaintCase& Case) {
    static const std::vector<std::string> values = ChangingValues();
    const QSize size = PaintSize(Case);
    const QFont font = WindowFont();
    const TTextShow show = Case.Text ? tsBarCode : tsNone;
    std::size_t next = 0;
    for (auto _ : state) {
        QImage image(size, Case.Format);
        QPainter painter(&image);
        DrawBarcode(painter, bcCode128B, values[next++ % values.size()], Case.Modul, 2.0, csNone, 0,
                    0, PaintBarHeight(Case.Modul), font, clBlack, show, tpBottomCenter, clBlack,
                    clWhite, clWhite, AngleOf(Case.Orientation));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["pixels"] = static_cast<double>(size.width()) * size.height();
}

// The least any drawing of a left-to-right symbol costs in a 32-bit image: a fresh image of
// its size whose rows are each copied from one prepared row, without a painter.
void RowCopyFloor(benchmark::State& state, const PaintCase& Case) {
    const QSize size = PaintSize(Case);
    const std::vector<QRgb> row(static_cast<std::size_t>(size.width()), qRgb(0, 0, 0));
    for (auto _ : state) {
        QImage image(size, QImage::Format_RGB32);
        uchar* line = image.bits();
        for (int y = 0; y < size.height(); ++y, line += image.bytesPerLine())
            std::memcpy(line, row.data(), row.size() * sizeof(QRgb));
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
    std::string lastPeer;
    for (const PaintCase& c : PaintCases()) {
        // The peer's case once, before ours in its four formats.
        if (c.Peer != lastPeer)
            RegisterPeerPaint(c);
        lastPeer = c.Peer;
        ours.push_back("Paint/Ours/" + c.Name);
        benchmark::RegisterBenchmark(ours.back().c_str(), OursPaint, c);
        if (!c.Text && c.Orientation == toLeftRight && c.Format == QImage::Format_RGB32)
            benchmark::RegisterBenchmark(("Paint/Floor/" + c.Name).c_str(), RowCopyFloor, c);
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
    // A Code 128 of ours longer than the peer's for the same bytes fails the run.
    const int longer = CompareCode128Lengths(5000);
    RatioReporter reporter(PeerName(), RegisterBenchmarks());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return longer == 0 ? 0 : 1;
}
