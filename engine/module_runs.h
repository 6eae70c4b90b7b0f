// A module pattern as stretches of one line kind, in pixels along the pattern: what the
// renderer fills, since neighbouring elements of one kind share a colour.
#pragma once

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
std::vector<TModuleRun> ModuleRuns(const std::string& Pattern, const ElementWidths& Widths);

} // namespace quillmark
