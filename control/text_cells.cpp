#include "text_cells.h"

#include "quarter_turn.h"
#include "raster_target.h"

#include <QColor>
#include <QFontInfo>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cstring>
#include <vector>

namespace quillmark {

namespace {

constexpr std::size_t MaxCells = 8;
// Larger cells cost little to draw against their size, and would hold memory for long.
constexpr long long MaxCellPixels = 1LL << 18;

struct TEntry {
    TTextCellKey Key;
    std::optional<TTextCell> Cell; // none while only seen once
    bool Refused = false;          // too large, or its glyphs reach outside it
};

thread_local long long copies = 0;

// Most recently used first.
std::vector<TEntry>& Entries() {
    thread_local std::vector<TEntry> entries;
    return entries;
}

std::vector<TEntry>::iterator FindEntry(const TTextCellKey& Key) {
    std::vector<TEntry>& entries = Entries();
    return std::find_if(entries.begin(), entries.end(),
                        [&](const TEntry& entry) { return entry.Key == Key; });
}

// The device pixels of Place, when they lie wholly on the image.
std::optional<QRect> OnImage(const TRasterTarget& Target, const QRect& Place) {
    const long long left = Place.left() + Target.Dx;
    const long long top = Place.top() + Target.Dy;
    if (Place.isEmpty() || left < 0 || top < 0 || left + Place.width() > Target.Image->width() ||
        top + Place.height() > Target.Image->height())
        return std::nullopt;
    return QRect(static_cast<int>(left), static_cast<int>(top), Place.width(), Place.height());
}

void CopyRows(const QImage& From, const QRect& FromRect, QImage& To, const QPoint& ToCorner) {
    const auto bytes = static_cast<std::size_t>(FromRect.width()) * sizeof(QRgb);
    const qsizetype fromStride = From.bytesPerLine();
    const qsizetype toStride = To.bytesPerLine();
    const uchar* from =
        From.constBits() + FromRect.top() * fromStride + FromRect.left() * qsizetype(sizeof(QRgb));
    uchar* to = To.bits() + ToCorner.y() * toStride + ToCorner.x() * qsizetype(sizeof(QRgb));
    for (int row = 0; row < FromRect.height(); ++row, from += fromStride, to += toStride)
        std::memcpy(to, from, bytes);
}

// Draws the cell on a blank image of the target's kind, Margin pixels clear all round, and
// tells whether it came out as Cell with the margin untouched.
bool DrawsAlone(const QPainter& Canvas, const QImage& Target, const QRect& Place, int Margin,
                QRgb Blank, const QTransform& Rotation, const TCellPainter& Draw,
                const QImage& Cell) {
    QImage scratch(Place.width() + 2 * Margin, Place.height() + 2 * Margin, Target.format());
    if (scratch.isNull())
        return false;
    scratch.setDotsPerMeterX(Target.dotsPerMeterX());
    scratch.setDotsPerMeterY(Target.dotsPerMeterY());
    scratch.setDevicePixelRatio(Target.devicePixelRatio());
    scratch.fill(Blank);
    {
        QPainter painter(&scratch);
        painter.setRenderHints(painter.renderHints(), false);
        painter.setRenderHints(Canvas.renderHints());
        painter.setCompositionMode(Canvas.compositionMode());
        painter.setLayoutDirection(Canvas.layoutDirection());
        painter.setFont(Canvas.font());
        Draw(painter,
             Rotation * QTransform::fromTranslate(Margin - Place.left(), Margin - Place.top()));
    }
    const QRect inside(Margin, Margin, Place.width(), Place.height());
    const auto bytes = static_cast<std::size_t>(Place.width()) * sizeof(QRgb);
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        const bool cellRow = y >= inside.top() && y <= inside.bottom();
        for (int x = 0; x < scratch.width(); ++x)
            if ((!cellRow || x < inside.left() || x > inside.right()) && line[x] != Blank)
                return false;
        if (cellRow &&
            std::memcmp(line + inside.left(), Cell.constScanLine(y - inside.top()), bytes) != 0)
            return false;
    }
    return true;
}

} // namespace

TTextCellLookup LookUpTextCell(QPainter& Canvas, const QString& Text, const QColor& Box,
                               const QColor& Ink, double Angle) {
    TTextCellLookup lookup;
    const std::optional<int> turns = QuarterTurns(Angle);
    const std::optional<TRasterTarget> target = RasterTargetOf(Canvas);
    if (!turns || !target)
        return lookup;
    const QImage& image = *target->Image;
    const QFont font = Canvas.font();
    TTextCellKey key{Text,
                     DescriptionOf(font),
                     QFontInfo(font).family(),
                     image.logicalDpiX(),
                     image.logicalDpiY(),
                     image.devicePixelRatio(),
                     Box.rgba(),
                     Ink.rgba(),
                     *turns,
                     static_cast<int>(image.format()),
                     static_cast<int>(Canvas.renderHints()),
                     static_cast<int>(Canvas.compositionMode()),
                     static_cast<int>(Canvas.layoutDirection())};
    std::vector<TEntry>& entries = Entries();
    const auto found = FindEntry(key);
    if (found == entries.end()) {
        if (entries.size() == MaxCells)
            entries.pop_back();
        entries.insert(entries.begin(), TEntry{key, std::nullopt, false});
    } else {
        std::rotate(entries.begin(), found, found + 1);
        lookup.Cell = entries.front().Cell;
        lookup.KeepAfterDrawing = !lookup.Cell && !entries.front().Refused;
    }
    lookup.Key = std::move(key);
    return lookup;
}

bool PasteTextCell(QPainter& Canvas, const TTextCell& Cell, const QRect& Place) {
    const std::optional<TRasterTarget> target = RasterTargetOf(Canvas);
    if (!target || Place.size() != Cell.Pixels.size())
        return false;
    const std::optional<QRect> device = OnImage(*target, Place);
    if (!device)
        return false;
    CopyRows(Cell.Pixels, Cell.Pixels.rect(), *target->Image, device->topLeft());
    ++copies;
    return true;
}

TFontDescription DescriptionOf(const QFont& Font) {
    TFontDescription d;
    d.Families = Font.families();
    if (d.Families.isEmpty())
        d.Families.append(Font.family());
    d.StyleName = Font.styleName();
    d.PointSize = Font.pointSizeF();
    d.PixelSize = Font.pixelSize();
    d.Weight = Font.weight();
    d.Style = Font.style();
    d.Stretch = Font.stretch();
    d.StyleHint = Font.styleHint();
    d.StyleStrategy = Font.styleStrategy();
    d.Hinting = Font.hintingPreference();
    d.Capitalization = Font.capitalization();
    d.SpacingType = Font.letterSpacingType();
    d.LetterSpacing = Font.letterSpacing();
    d.WordSpacing = Font.wordSpacing();
    d.Flags = {Font.underline(), Font.overline(), Font.strikeOut(), Font.fixedPitch(),
               Font.kerning()};
    return d;
}

long long TextCellCopies() {
    return copies;
}

void KeepTextCell(QPainter& Canvas, const TTextCellKey& Key, int Width, int Height,
                  const QRect& Place, const QTransform& Rotation, const TCellPainter& Draw) {
    const std::optional<TRasterTarget> target = RasterTargetOf(Canvas);
    const auto found = FindEntry(Key);
    if (!target || found == Entries().end())
        return;
    // Off the image, the cell may yet be kept where it is drawn whole.
    const std::optional<QRect> device = OnImage(*target, Place);
    if (!device)
        return;
    found->Refused = true;
    // The check draws on images a line's height larger all round: a tall, narrow cell would
    // make those many times its own size.
    const long long margin = 2LL * Height;
    if (static_cast<long long>(Place.width()) * Place.height() > MaxCellPixels ||
        (Place.width() + margin) * (Place.height() + margin) > 4 * MaxCellPixels)
        return;
    TTextCell cell{Width, Height, QImage(device->size(), target->Image->format())};
    if (cell.Pixels.isNull())
        return;
    CopyRows(*target->Image, *device, cell.Pixels, QPoint(0, 0));
    // Glyphs may reach past their cell; a line's height around it is watched.
    for (const QRgb blank : {qRgb(0, 0, 0), qRgb(255, 255, 255)})
        if (!DrawsAlone(Canvas, *target->Image, Place, Height, blank, Rotation, Draw, cell.Pixels))
            return;
    found->Refused = false;
    found->Cell = std::move(cell);
}

} // namespace quillmark
