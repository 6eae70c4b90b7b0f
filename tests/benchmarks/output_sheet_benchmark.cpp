// Sheets of labels as one PDF, written a page at a time: Avery L7160's 21 labels to an A4
// page, each a Code 128 and a line of text. The peak resident memory after 100 and after
// 2,000 pages shows that memory stays that of a page, whatever the length; the file's
// size and the pages a second show the cost.
#include <quillmark/sheet_document.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

using namespace quillmark;

// L7160: 3 columns of 63.5 mm at a 66.04 mm pitch, 7 rows of 38.1 mm, from 7.21 mm and
// 15.15 mm.
constexpr int Columns = 3;
constexpr int Rows = 7;
constexpr double ColumnPitch = 66.04;
constexpr double RowPitch = 38.1;
constexpr double LeftMargin = 7.21;
constexpr double TopMargin = 15.15;

double PeakMemoryMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024; // kilobytes on Linux
}

void WriteSheets(benchmark::State& state) {
    const auto pages = static_cast<int>(state.range(0));
    std::vector<TOutputLayout> layouts;
    for (int i = 0; i < Columns * Rows; ++i) {
        TBarcodeDescription d;
        d.Barcode.BarCode = "QM-" + std::to_string(4821000 + i) + "-Kq";
        layouts.push_back(VectorLayout(d));
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    const QTemporaryDir folder;
    const std::string file = folder.filePath(QStringLiteral("sheets.pdf")).toStdString();
    const double before = PeakMemoryMB();
    for (auto _ : state) {
        TSheetDocument document(file, "Benchmark labels");
        for (int page = 0; page < pages; ++page) {
            document.BeginPage(210, 297);
            for (int label = 0; label < Columns * Rows; ++label) {
                const double left = LeftMargin + (label % Columns) * ColumnPitch + 5;
                const double top = TopMargin + (label / Columns) * RowPitch + 4;
                document.Symbol(layouts[static_cast<std::size_t>(label)], left, top);
                document.Text(QStringLiteral("Page %1 label %2").arg(page + 1).arg(label + 1), font,
                              left, top + 30);
            }
            document.EndPage();
        }
        document.Finish();
    }
    state.counters["pages"] = pages;
    state.counters["file_MB"] =
        static_cast<double>(QFileInfo(QString::fromStdString(file)).size()) / 1e6;
    state.counters["peak_MB"] = PeakMemoryMB();
    state.counters["peak_growth_MB"] = PeakMemoryMB() - before;
    state.counters["pages_per_s"] = benchmark::Counter(
        pages * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
// The shorter first: the peak only grows, so an equal peak after the longer shows the bound.
BENCHMARK(WriteSheets)->Arg(100)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
