// A module pattern as stretches of one line kind, in pixels along the pattern: what the
// renderer fills, since neighbouring elements of one kind share a colour.
#pragma once

#include "quillmark_engine_export.h"

#include "engine.h"

#include <string>
#include <vector>

namespace quillmark {

struct TModuleRun {
    int Start = 0;
    int Width = 0;
    TLineKind Kind = lkSpace;
};

// The pattern's elements with neighbours of one kind merged. Raises "Internal Error." for a
// character outside the alphabet, and Exception for a pattern longer than int pixels.
QUILLMARK_ENGINE_EXPORT std::vector<TModuleRun> ModuleRuns(const std::string& Pattern,
                                                           const ElementWidths& Widths);

} // namespace quillmark
