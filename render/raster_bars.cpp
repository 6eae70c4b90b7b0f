#include "raster_bars.h"

#include "raster_rows.h"
#include "raster_target.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <optional>

namespace quillmark {

namespace {

// A fill on the image's pixels: columns X0..X1 and rows Y0..Y1, within the image.
struct TDeviceFill {
    long long X0, X1, Y0, Y1;
    std::uint32_t Pixel;
};

std::vector<TDeviceFill> OnImage(const std::vector<TBarFill>& Fills, const TRasterTarget& Target,
                                 std::uint32_t Bar, std::uint32_t Space) {
    const long long width = Target.Image->width();
    const long long height = Target.Image->height();
    std::vector<TDeviceFill> fills;
    fills.reserve(Fills.size());
    for (const TBarFill& fill : Fills) {
        const QRect& r = fill.Rect;
        const TDeviceFill f{std::max(0LL, r.left() + Target.Dx),
                            std::min(width - 1, r.right() + Target.Dx),
                            std::max(0LL, r.top() + Target.Dy),
                            std::min(height - 1, r.bottom() + Target.Dy), fill.Bar ? Bar : Space};
        if (f.X0 <= f.X1 && f.Y0 <= f.Y1)
            fills.push_back(f);
    }
    return fills;
}

// The rows where the fills covering them change: each fill's first row and the row after
// its last, in order, once each.
std::vector<long long> BandEdges(const std::vector<TDeviceFill>& Fills) {
    std::vector<long long> edges;
    for (const TDeviceFill& f : Fills)
        for (const long long edge : {f.Y0, f.Y1 + 1})
            // Neighbouring fills mostly share their rows: most repeats go here, unsorted.
            if (edges.size() < 2 || (edge != edges.end()[-1] && edge != edges.end()[-2]))
                edges.push_back(edge);
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    return edges;
}

// Merges overlapping or touching column ranges in place.
void Merge(std::vector<std::pair<long long, long long>>& Ranges) {
    const auto left = [](const auto& A, const auto& B) { return A.first < B.first; };
    // Bars come left to right, after the background that spans them all.
    if (!std::is_sorted(Ranges.begin(), Ranges.end(), left))
        std::sort(Ranges.begin(), Ranges.end(), left);
    std::size_t merged = 0;
    for (std::size_t i = 1; i < Ranges.size(); ++i) {
        if (Ranges[i].first <= Ranges[merged].second + 1)
            Ranges[merged].second = std::max(Ranges[merged].second, Ranges[i].second);
        else
            Ranges[++merged] = Ranges[i];
    }
    Ranges.resize(merged + 1);
}

} // namespace

bool WriteFillsToImage(QPainter& Canvas, const std::vector<TBarFill>& Fills, QRgb Bar, QRgb Space) {
    const std::optional<TRasterTarget> target = RasterTargetOf(Canvas);
    if (!target)
        return false;
    const std::optional<TRowWriter> writer = TRowWriter::For(*target->Image);
    const std::optional<std::uint32_t> bar = writer->PixelOf(*target->Image, Bar);
    const std::optional<std::uint32_t> space = writer->PixelOf(*target->Image, Space);
    if (!bar || !space)
        return false;
    const std::vector<TDeviceFill> fills = OnImage(Fills, *target, *bar, *space);

    // Rows where the same fills cover the same columns come out the same, so each band of
    // such rows is filled once, in its first row, and copied into the others. Only the
    // columns some fill covers are copied: the others keep what the image held. The fills
    // covering a band are found by a sweep: by first row, kept in the painter's order.
    const std::vector<long long> edges = BandEdges(fills);
    std::vector<std::size_t> byTop(fills.size());
    for (std::size_t i = 0; i < fills.size(); ++i)
        byTop[i] = i;
    const auto top = [&](std::size_t A, std::size_t B) { return fills[A].Y0 < fills[B].Y0; };
    if (!std::is_sorted(byTop.begin(), byTop.end(), top))
        std::stable_sort(byTop.begin(), byTop.end(), top);
    std::vector<std::size_t> active; // in the painter's order
    std::size_t next = 0;
    uchar* const bits = target->Image->bits();
    const qsizetype stride = target->Image->bytesPerLine();
    const auto row = [&](long long Y) { return bits + Y * stride; };
    std::vector<std::pair<long long, long long>> covered;
    covered.reserve(fills.size());
    active.reserve(fills.size());
    for (std::size_t band = 0; band + 1 < edges.size(); ++band) {
        const long long first = edges[band];
        const long long last = edges[band + 1] - 1;
        std::erase_if(active, [&](std::size_t i) { return fills[i].Y1 < first; });
        for (; next < byTop.size() && fills[byTop[next]].Y0 <= first; ++next)
            active.insert(std::upper_bound(active.begin(), active.end(), byTop[next]), byTop[next]);
        if (active.empty())
            continue;
        covered.clear();
        uchar* line = row(first);
        for (const std::size_t i : active) {
            const TDeviceFill& f = fills[i];
            writer->Fill(line, f.X0, f.X1, f.Pixel);
            covered.emplace_back(f.X0, f.X1);
        }
        if (first == last)
            continue;
        Merge(covered);
        for (long long y = first + 1; y <= last; ++y)
            for (const auto& [x0, x1] : covered)
                writer->Copy(row(y), line, x0, x1);
    }
    return true;
}

} // namespace quillmark
