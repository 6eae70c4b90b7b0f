// The widget's own limits, as opposed to a value that a symbology refuses.
#pragma once

#include "engine.h"

namespace quillmark {

// A limit of the widget was reached: a size too large to draw, or handler calls nested too
// deeply. Value writers let it pass instead of offering the value for correction, since no
// other value would cure it.
class ELimitError : public Exception {
public:
    using Exception::Exception;
};

} // namespace quillmark
