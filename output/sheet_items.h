// What a page of a sheet document holds, kept until the page ends so that it can be painted
// again for reading a label back; and the pen and font sizes the page and its picture share.
#pragma once

#include <quillmark/layout.h>
#include <quillmark/symbol_types.h>

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <variant>
#include <vector>

namespace quillmark {

struct TPlacedSymbol {
    TOutputLayout Layout;
    QPointF TopLeftMM;
};

struct TPlacedLine {
    QString Text;
    QFont Font; // as the caller gave it, its point size the size on paper
    QPointF BaselineMM;
};

struct TPlacedOutline {
    QPainterPath ShapeMM;
};

using TSheetItem = std::variant<TPlacedSymbol, TPlacedLine, TPlacedOutline>;

// A label's outline: thin enough not to be taken for a printed rule, mid grey so that it
// shows on a test print without hiding what it surrounds.
inline constexpr double OutlineWidthMM = 0.1;
inline constexpr TColor OutlineColor = 0x808080;

// A font as a sheet sets it: sized in whole pixels of units fine enough that its point size
// keeps a hundredth of a point, coarse enough for Qt's metrics at any size; UnitsPerMM of
// them to the millimetre.
struct TPaperFont {
    QFont Font;
    double UnitsPerMM = 1;
};
TPaperFont PaperFont(const QFont& Font);

// Items painted in order within AreaMM at Dpi, in grey on white.
QImage PaintItems(const std::vector<TSheetItem>& Items, const QRectF& AreaMM, int Dpi);

} // namespace quillmark
