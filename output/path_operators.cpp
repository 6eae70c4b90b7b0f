#include "path_operators.h"

#include "pdf_objects.h"

namespace quillmark {

std::string PathOperators(const QPainterPath& Path, int Decimals, bool FlipY) {
    const auto point = [Decimals, FlipY](const QPointF& P) {
        return pdf::Number(P.x(), Decimals) + ' ' + pdf::Number(FlipY ? -P.y() : P.y(), Decimals);
    };
    std::string out;
    for (int i = 0; i < Path.elementCount(); ++i) {
        const QPainterPath::Element e = Path.elementAt(i);
        if (e.isMoveTo()) {
            out += point(e) + " m\n";
        } else if (e.isLineTo()) {
            out += point(e) + " l\n";
        } else if (e.isCurveTo() && i + 2 < Path.elementCount()) {
            out += point(e) + ' ' + point(Path.elementAt(i + 1)) + ' ' +
                   point(Path.elementAt(i + 2)) + " c\n";
            i += 2;
        }
    }
    return out;
}

} // namespace quillmark
