#include "raster_bars.h"

#include "raster_target.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace quillmark {

namespace {

// A closed interval of pixels.
struct TSpan {
    long long First = 0;
    long long Last = -1;
    bool Empty() const { return Last < First; }
    long long Size() const { return Last - First + 1; }
};

TSpan Intersect(TSpan A, TSpan B) {
    return {std::max(A.First, B.First), std::min(A.Last, B.Last)};
}

// The box rows a kind covers: from its top to Height, whichever way round they lie.
TSpan RowsOf(TLineKind Kind, int Height) {
    const long long top = Kind == lkShortBar ? (Height * 3LL) / 5 : 0;
    return {std::min<long long>(top, Height), std::max<long long>(top, Height)};
}

constexpr std::size_t BlockPixels = 4;

// Writes whole runs from Line[0] on, each as blocks of BlockPixels that may pass its end: the
// next run starts there and writes over the excess, and Line has room for the last one's.
void WriteInBlocks(const std::vector<TModuleRun>& Runs, QRgb Bar, QRgb Space, QRgb* Line) {
    for (const TModuleRun& run : Runs) {
        const QRgb colour = run.Kind == lkSpace ? Space : Bar;
        const std::array<QRgb, BlockPixels> block = {colour, colour, colour, colour};
        QRgb* out = Line + run.Start;
        for (int k = 0; k < run.Width; k += static_cast<int>(BlockPixels))
            std::memcpy(out + k, block.data(), sizeof block);
    }
}

class TWriter {
public:
    TWriter(const TRasterTarget& Target, const TQuarterTurn& Turn, int Height, QRgb Bar, QRgb Space)
        : turn_(Turn), height_(Height), dx_(Target.Dx), dy_(Target.Dy), bar_(Bar), space_(Space),
          bits_(Target.Image->bits()), stride_(Target.Image->bytesPerLine()),
          width_(Target.Image->width()), imageHeight_(Target.Image->height()) {}

    // Each canvas row holds one line of the box across the pattern.
    void Across(const std::vector<TModuleRun>& Runs, bool ShortBars);
    // Each canvas row holds one pattern pixel's stretch of box rows.
    void Along(const std::vector<TModuleRun>& Runs);

private:
    const TQuarterTurn& turn_;
    int height_;
    long long dx_;
    long long dy_;
    QRgb bar_;
    QRgb space_;
    uchar* bits_;
    qsizetype stride_;
    long long width_;
    long long imageHeight_;

    TPixelRect Device(long long X0, long long X1, long long Y0, long long Y1) const {
        const TPixelRect r = turn_.Map(X0, X1, Y0, Y1);
        return {r.Left + dx_, r.Top + dy_, r.Right + dx_, r.Bottom + dy_};
    }
    TSpan Columns(const TPixelRect& R) const {
        return Intersect({R.Left, R.Right}, {0, width_ - 1});
    }
    TSpan Rows(const TPixelRect& R) const {
        return Intersect({R.Top, R.Bottom}, {0, imageHeight_ - 1});
    }
    QRgb* Pixel(long long X, long long Y) const {
        return reinterpret_cast<QRgb*>(bits_ + Y * stride_) + X;
    }
    QRgb ColourOf(TLineKind Kind) const { return Kind == lkSpace ? space_ : bar_; }
};

void TWriter::Across(const std::vector<TModuleRun>& Runs, bool ShortBars) {
    const long long end = Runs.back().Start + static_cast<long long>(Runs.back().Width);
    const TSpan full = RowsOf(lkSpace, height_);
    const TPixelRect box = Device(0, end - 1, full.First, full.Last);
    const TSpan columns = Columns(box);
    const TSpan rows = Rows(box);
    if (columns.Empty() || rows.Empty())
        return;

    // One canvas row of the full box, built in pattern order; short-bar pixels are marked,
    // since the rows above a short bar keep the canvas's own colour there. A half turn runs
    // the pattern from right to left, so its row is turned round before it is copied.
    const bool reversed = turn_.Turns() == 2;
    const long long skipped = reversed ? box.Right - columns.Last : columns.First - box.Left;
    const auto size = static_cast<long long>(columns.Size());
    // Room for the last run's overshoot when runs are written in blocks.
    std::vector<QRgb> line(static_cast<std::size_t>(size) + BlockPixels);
    std::vector<char> isShort(ShortBars ? line.size() : 0, 0);
    if (skipped == 0 && end == size && !ShortBars)
        WriteInBlocks(Runs, bar_, space_, line.data());
    else
        for (const TModuleRun& run : Runs) {
            const long long first = std::max<long long>(run.Start - skipped, 0);
            const long long last = std::min(run.Start + run.Width - 1LL - skipped, size - 1);
            if (first > last)
                continue;
            const auto offset = static_cast<std::ptrdiff_t>(first);
            const auto count = static_cast<std::size_t>(last - first + 1);
            std::fill_n(line.begin() + offset, count, ColourOf(run.Kind));
            if (ShortBars && run.Kind == lkShortBar)
                std::fill_n(isShort.begin() + offset, count, 1);
        }
    line.resize(static_cast<std::size_t>(size));
    isShort.resize(ShortBars ? line.size() : 0);
    if (reversed) {
        std::reverse(line.begin(), line.end());
        std::reverse(isShort.begin(), isShort.end());
    }

    const TSpan shortRows =
        Rows(Device(0, 0, RowsOf(lkShortBar, height_).First, RowsOf(lkShortBar, height_).Last));
    for (long long y = rows.First; y <= rows.Last; ++y) {
        QRgb* target = Pixel(columns.First, y);
        if (!ShortBars || (y >= shortRows.First && y <= shortRows.Last)) {
            std::memcpy(target, line.data(), line.size() * sizeof(QRgb));
            continue;
        }
        for (std::size_t i = 0; i < line.size();) {
            if (isShort[i]) {
                ++i;
                continue;
            }
            std::size_t j = i;
            while (j < line.size() && !isShort[j])
                ++j;
            std::memcpy(target + i, line.data() + i, (j - i) * sizeof(QRgb));
            i = j;
        }
    }
}

void TWriter::Along(const std::vector<TModuleRun>& Runs) {
    const TSpan fullColumns =
        Columns(Device(0, 0, RowsOf(lkSpace, height_).First, RowsOf(lkSpace, height_).Last));
    if (fullColumns.Empty())
        return;
    const TSpan shortColumns =
        Columns(Device(0, 0, RowsOf(lkShortBar, height_).First, RowsOf(lkShortBar, height_).Last));
    // Rows of one colour, copied rather than filled pixel by pixel.
    const std::vector<QRgb> bars(static_cast<std::size_t>(fullColumns.Size()), bar_);
    const std::vector<QRgb> spaces(static_cast<std::size_t>(fullColumns.Size()), space_);
    // A quarter turn either way puts pattern pixel x on canvas row First + Step x.
    const long long first = Device(0, 0, 0, 0).Top;
    const long long step = Device(1, 1, 0, 0).Top - first;
    for (const TModuleRun& run : Runs) {
        const long long a = first + step * run.Start;
        const long long b = a + step * (run.Width - 1LL);
        const TSpan rows = Intersect({std::min(a, b), std::max(a, b)}, {0, imageHeight_ - 1});
        const TSpan columns = run.Kind == lkShortBar ? shortColumns : fullColumns;
        if (rows.Empty() || columns.Empty())
            continue;
        const QRgb* source = run.Kind == lkSpace ? spaces.data() : bars.data();
        const auto bytes = static_cast<std::size_t>(columns.Size()) * sizeof(QRgb);
        for (long long y = rows.First; y <= rows.Last; ++y)
            std::memcpy(Pixel(columns.First, y), source, bytes);
    }
}

} // namespace

bool WriteRunsToImage(QPainter& Canvas, const std::vector<TModuleRun>& Runs,
                      const TQuarterTurn& Turn, int Height, const QColor& Bar,
                      const QColor& Space) {
    const std::optional<TRasterTarget> target = RasterTargetOf(Canvas);
    if (!target)
        return false;
    if (Runs.empty())
        return true;
    TWriter writer(*target, Turn, Height, Bar.rgba(), Space.rgba());
    if (Turn.Horizontal())
        writer.Across(Runs, std::any_of(Runs.begin(), Runs.end(), [](const TModuleRun& run) {
                          return run.Kind == lkShortBar;
                      }));
    else
        writer.Along(Runs);
    return true;
}

} // namespace quillmark
