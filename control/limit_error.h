// The widget's own limits, as opposed to a value that a symbology refuses.
#pragma once

#include <quillmark/quillmark_widgets_export.h>

#include <quillmark/engine.h>

namespace quillmark {

// Handler calls nested at once on one thread, across all widgets, at most.
inline constexpr int MaxHandlerDepth = 32;

// A limit of the widget was reached: a size too large to draw, or handler calls nested too
// deeply. Value writers let it pass instead of offering the value for correction, since no
// other value would cure it.
class QUILLMARK_WIDGETS_EXPORT ELimitError : public Exception {
public:
    using Exception::Exception;
};

} // namespace quillmark
