// Bars written straight into the pixels of a 32-bit QImage, where the painter's fills would
// put exactly the same pixels there: a quarter turn, a whole-pixel translation, opaque
// colours, no clip, no blending. Everything else goes through the painter.
#pragma once

#include "module_runs.h"
#include "quarter_turn.h"

#include <QColor>

#include <vector>

class QPainter;

namespace quillmark {

// Draws the runs of a Height-high bar box as Turn maps them (spaces and full bars over box
// rows 0 to Height, short bars over rows (Height x 3) div 5 to Height) and returns true; or
// returns false, having touched nothing, when the painter's device or state needs the
// painter itself.
bool WriteRunsToImage(QPainter& Canvas, const std::vector<TModuleRun>& Runs,
                      const TQuarterTurn& Turn, int Height, const QColor& Bar, const QColor& Space);

} // namespace quillmark
