#include "raster_bars.h"

#include "raster_target.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <optional>

namespace quillmark {

namespace {

// A fill on the image's pixels: columns X0..X1 and rows Y0..Y1, within the image.
struct TDeviceFill {
    long long X0, X1, Y0, Y1;
    QRgb Colour;
};

std::vector<TDeviceFill> OnImage(const std::vector<TBarFill>& Fills, const TRasterTarget& Target,
                                 QRgb Bar, QRgb Space) {
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

} // namespace

bool WriteFillsToImage(QPainter& Canvas, const std::vector<TBarFill>& Fills, QRgb Bar, QRgb Space) {
    const std::optional<TRasterTarget> target = RasterTargetOf(Canvas);
    if (!target)
        return false;
    const std::vector<TDeviceFill> fills = OnImage(Fills, *target, Bar, Space);
    // Rows where the same fills cover the same columns come out the same, so each band of
    // such rows is filled once, in its first row, and copied into the others. Only the
    // columns some fill covers are copied: the others keep what the image held.
    std::vector<long long> edges;
    for (const TDeviceFill& f : fills) {
        edges.push_back(f.Y0);
        edges.push_back(f.Y1 + 1);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    uchar* const bits = target->Image->bits();
    const qsizetype stride = target->Image->bytesPerLine();
    const auto row = [&](long long Y) { return reinterpret_cast<QRgb*>(bits + Y * stride); };
    std::vector<std::pair<long long, long long>> covered;
    for (std::size_t band = 0; band + 1 < edges.size(); ++band) {
        const long long first = edges[band];
        const long long last = edges[band + 1] - 1;
        covered.clear();
        QRgb* line = row(first);
        for (const TDeviceFill& f : fills) {
            if (f.Y0 > first || f.Y1 < last)
                continue;
            std::fill(line + f.X0, line + f.X1 + 1, f.Colour);
            covered.emplace_back(f.X0, f.X1);
        }
        if (covered.empty() || first == last)
            continue;
        std::sort(covered.begin(), covered.end());
        std::size_t merged = 0;
        for (std::size_t i = 1; i < covered.size(); ++i) {
            if (covered[i].first <= covered[merged].second + 1)
                covered[merged].second = std::max(covered[merged].second, covered[i].second);
            else
                covered[++merged] = covered[i];
        }
        covered.resize(merged + 1);
        for (long long y = first + 1; y <= last; ++y)
            for (const auto& [x0, x1] : covered)
                std::memcpy(row(y) + x0, line + x0,
                            static_cast<std::size_t>(x1 - x0 + 1) * sizeof(QRgb));
    }
    return true;
}

} // namespace quillmark
