// The pixels of text cells lately drawn into plain 32-bit images at quarter turns, so that a
// symbol drawn again (a widget's repaint after a resize, the same label saved twice) copies
// its text instead of shaping and blending it once more. A cell is kept on its second
// drawing, and only when drawing it afresh elsewhere gives the same pixels and leaves every
// pixel around it alone, so that a copy puts down exactly what the text would have. Each
// thread keeps its own few cells.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>

#include <functional>
#include <optional>

class QColor;
class QPainter;
class QTransform;

namespace quillmark {

// Everything of a font that decides its glyphs, read field by field: its key() text leaves
// out kerning, hinting and the fallback families, and costs more to build than a copy.
struct TFontDescription {
    QStringList Families;
    QString StyleName;
    double PointSize = 0;
    int PixelSize = 0;
    int Weight = 0;
    int Style = 0;
    int Stretch = 0;
    int StyleHint = 0;
    int StyleStrategy = 0;
    int Hinting = 0;
    int Capitalization = 0;
    int SpacingType = 0;
    double LetterSpacing = 0;
    double WordSpacing = 0;
    // Underline, overline, strike-out, fixed pitch and kerning.
    std::array<bool, 5> Flags{};
    bool operator==(const TFontDescription&) const = default;
};

TFontDescription DescriptionOf(const QFont& Font);

// Everything besides its place that decides a cell's pixels.
struct TTextCellKey {
    QString Text;
    TFontDescription Font;
    QString Family; // the family it resolved to, which a font added later could change
    int DpiX = 0;
    int DpiY = 0;
    qreal PixelRatio = 1;
    QRgb Box = 0;
    QRgb Ink = 0;
    int Turns = 0;
    int Format = 0;
    int Hints = 0;
    int Composition = 0;
    int Direction = 0;
    bool operator==(const TTextCellKey&) const = default;
};

// A kept cell: the text's measured size and its pixels as they lie on the device.
struct TTextCell {
    int Width = 0;
    int Height = 0;
    QImage Pixels;
};

// What the cells know of a text about to be drawn.
struct TTextCellLookup {
    std::optional<TTextCellKey> Key; // none when the cell could never be kept
    std::optional<TTextCell> Cell;   // a copy of the kept cell
    bool KeepAfterDrawing = false;   // seen once before: keep it this time
};

// Looks Text up for Canvas, whose font is already set, at Angle degrees.
TTextCellLookup LookUpTextCell(QPainter& Canvas, const QString& Text, const QColor& Box,
                               const QColor& Ink, double Angle);

// Copies Cell onto Canvas with its device box at Place (painter coordinates); false, having
// touched nothing, when the box is not wholly on the image.
bool PasteTextCell(QPainter& Canvas, const TTextCell& Cell, const QRect& Place);

// Draws a cell on a painter, the cell's corner mapped by the given transform.
using TCellPainter = std::function<void(QPainter&, const QTransform&)>;

// Keeps the cell just drawn by Draw with Rotation, Width x Height before its turn, whose
// device box is Place (painter coordinates): when the box lies wholly on the image, and Draw
// on two blank images gives the same cell and touches nothing around it.
void KeepTextCell(QPainter& Canvas, const TTextCellKey& Key, int Width, int Height,
                  const QRect& Place, const QTransform& Rotation, const TCellPainter& Draw);

// How many cells this thread has copied so far.
long long TextCellCopies();

} // namespace quillmark
