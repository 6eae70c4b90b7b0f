// A label's edge as a test print draws it, in millimetres on its page.
#pragma once

#include "label_template.h"

#include <QPainterPath>

namespace quillmark {

// A rectangle with its rounded corners, a circle, an ellipse, a CD with its hole (cut to
// the card a business-card CD is), and a path label's or continuous label's bounding box.
QPainterPath LabelOutline(const TLabelTemplate& Sheet, const TLabelCell& Cell);

} // namespace quillmark
