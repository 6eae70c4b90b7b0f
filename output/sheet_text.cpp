// Text on sheets, sized in points on paper whatever the screen's resolution.
#include "sheet_document.h"
#include "sheet_items.h"
#include <quillmark/units.h>

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace quillmark {

namespace {

// Units to the point: a hundredth, up to the size whose text Qt still measures (its metrics
// fail from 16,384 pixels of ascent); larger fonts take coarser units.
constexpr double FineUnitsPerPoint = 100;
constexpr double LargestPixelSize = 10000;

} // namespace

TPaperFont PaperFont(const QFont& Font) {
    // A font sized in pixels is taken at 72 to the inch, a pixel a point.
    const double points = Font.pointSizeF() > 0 ? Font.pointSizeF() : Font.pixelSize();
    const double unitsPerPoint = std::min(FineUnitsPerPoint, LargestPixelSize / points);
    QFont font(Font);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * unitsPerPoint))));
    // Outlines as designed, so that the size of the units changes nothing.
    font.setHintingPreference(QFont::PreferNoHinting);
    return {font, unitsPerPoint * PointsPerMM};
}

TTextExtent MeasureText(const QString& Text, const QFont& Font) {
    const TPaperFont paper = PaperFont(Font);
    const QFontMetricsF metrics(paper.Font);
    return {metrics.horizontalAdvance(Text) / paper.UnitsPerMM, metrics.ascent() / paper.UnitsPerMM,
            metrics.descent() / paper.UnitsPerMM};
}

} // namespace quillmark
